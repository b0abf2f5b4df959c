#!/usr/bin/env bash
# Installs what is missing, builds the program (not the tests), lays the
# DE405 files into the program's JPL folder when they are not all there,
# and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh celvan
if [ -x scripts/install-de405.sh ] && [ ! -e build/bin/JPL/ascp2060.405 ]; then
  bash scripts/install-de405.sh build/bin/JPL || echo "DE405 files not installed; the JPL2 source will say so."
fi
exec build/bin/celvan
