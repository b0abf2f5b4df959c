#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test in parallel.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest -j "$(nproc)" --output-on-failure --timeout 600
