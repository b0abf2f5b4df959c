#!/usr/bin/env bash
# Configures and builds, with clang, the test runners and the libFuzzer
# harnesses of the readers into build-asan/: AddressSanitizer and
# UndefinedBehaviorSanitizer (float-cast-overflow included) in every library,
# undefined behaviour stops the program. No benchmarks. Optimised lightly
# and with line tables only: quick to build, stack traces still name lines.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
  -DCELVAN_BUILD_FUZZ=ON -DCELVAN_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "${JOBS:-$(nproc)}"
