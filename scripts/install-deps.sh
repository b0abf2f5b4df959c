#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# only when one of them is missing: as root, or through sudo when the user
# is not root (sudo is asked for nothing when all is there).
set -euo pipefail
source "$(dirname "$0")/as-root.sh"
packages=(cmake ninja-build g++ ccache qt6-base-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core alsa-utils
          libreoffice-calc-nogui python3-uno clang libclang-rt-14-dev locales)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
# The tests also run under the Russian locale of the program's users.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
  as_root sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -qx 'ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
