#!/usr/bin/env bash
# Configures and builds into build/ with Ninja, with JOBS compiler jobs at a
# time (every core when JOBS is not set): the targets given, or everything
# (program, test runners, benchmarks) when none is given. Configuring lays
# the program's folder tree and data files beside the executable.
#   bash scripts/build.sh [target ...]      e.g. build.sh celvan
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
case $jobs in
  '' | *[!0-9]* | 0) echo "JOBS must be a whole number above 0, not '$jobs'" >&2; exit 2 ;;
esac
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build build -j "$jobs" "${targets[@]}"
