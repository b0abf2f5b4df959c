#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test in parallel (JOBS at
# a time when it is set, as for the build); then the same tests built with
# the sanitizers, and each reader harness briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
(
  cd build
  QT_QPA_PLATFORM=offscreen ctest -j "${JOBS:-$(nproc)}" --output-on-failure --timeout 600
)
bash scripts/test-sanitized.sh
