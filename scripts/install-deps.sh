#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# only when one of them is missing. Run as root or with sudo.
set -euo pipefail
packages=(cmake ninja-build g++ ccache qt6-base-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core alsa-utils
          libreoffice-calc-nogui python3-uno clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
