#!/usr/bin/env bash
# Runs every test of the sanitizer build (scripts/build-asan.sh), then every
# reader harness briefly on its corpus (scripts/fuzz.sh).
#
# Leak checks: on for core_tests. The window runners start the toolkit, whose
# platform plugin, fonts and caches keep allocations to the end of the
# process, and the windows themselves live to the end by design; the leak
# checker reports those on every window test, so it is off there (addressing
# errors and undefined behaviour are still caught).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-asan.sh
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(
  cd build-asan
  ASAN_OPTIONS=detect_leaks=1 QT_QPA_PLATFORM=offscreen \
    ctest -j "${JOBS:-$(nproc)}" -L core_tests --output-on-failure --timeout 600
  ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen \
    ctest -j "${JOBS:-$(nproc)}" -LE core_tests --output-on-failure --timeout 600
)
# Each harness from its seeds alone, so that every run checks the same ground.
rm -rf build-asan/fuzz/found
CELVAN_FUZZ_JOBS=${JOBS:-$(nproc)} bash scripts/fuzz.sh 10
