#!/usr/bin/env bash
# Installs the Debian packages Furlox needs that are not there yet.
# Usage: scripts/install-deps.sh [game|test]
set -euo pipefail

packages=(g++ make cmake qt6-base-dev fonts-wine fonts-dejavu-core fonts-dejavu-extra)
if [ "${1:-game}" = test ]; then
  packages+=(clang libclang-rt-dev desktop-file-utils appstream)
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
