#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Furlox needs that are not there yet.
# Usage: scripts/install-deps.sh [game|test]
set -euo pipefail

packages=(g++ make cmake qt6-base-dev fonts-wine fonts-dejavu-core fonts-dejavu-extra)
if [ "${1:-game}" = test ]; then
  # dpkg-dev and file let cpack work out the package's library dependencies;
  # lintian checks the package.
  packages+=(clang libclang-rt-dev desktop-file-utils appstream dpkg-dev file lintian)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
