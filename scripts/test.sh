#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test in parallel (JOBS at
# a time when it is set, as for the build), once under C.UTF-8 and once
# under ru_RU.UTF-8 (the program's users run a Russian desktop, whose
# decimal comma must not reach any number text); then the same tests built
# with the sanitizers, and each reader harness briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# A warning in the project's own code stops the build (kept in build/'s cache).
cmake -S . -B build -G Ninja -DCELVAN_WARNINGS_AS_ERRORS=ON >/dev/null
bash scripts/build.sh
(
  cd build
  for locale in C.UTF-8 ru_RU.UTF-8; do
    echo "== tests under $locale"
    LANG=$locale LC_ALL=$locale QT_QPA_PLATFORM=offscreen \
      ctest -j "${JOBS:-$(nproc)}" --output-on-failure --timeout 600
  done
)
bash scripts/test-sanitized.sh
