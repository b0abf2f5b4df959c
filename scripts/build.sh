#!/usr/bin/env bash
# Configures and builds the whole project into build/ with Ninja, with JOBS
# compiler jobs at a time (every core when JOBS is not set).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
case $jobs in
  '' | *[!0-9]* | 0) echo "JOBS must be a whole number above 0, not '$jobs'" >&2; exit 2 ;;
esac
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
