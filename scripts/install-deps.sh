#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Furlox needs that are not there yet, saying
# how many (with their dependencies) and how much to download; apt's own
# output goes to build-logs/install.log. Prints nothing when all are there.
# Usage: scripts/install-deps.sh [game|package|test]
set -euo pipefail
source "$(dirname "$0")/common.sh"

# To build and play: the compiler, Qt, its translation tools (lupdate and
# lrelease) and its own translated strings, msgfmt for the translated desktop
# entry, and the fonts the game reads from their files.
packages=(g++ make cmake qt6-base-dev qt6-l10n-tools qt6-translations-l10n gettext
          fonts-wine fonts-dejavu-core fonts-dejavu-extra)
case "${1:-game}" in
  game) ;;
  # dpkg-shlibdeps (dpkg-dev) and file let cpack work out the package's
  # library dependencies; lintian checks the package.
  package) packages+=(dpkg-dev file lintian) ;;
  test) packages+=(dpkg-dev file lintian clang libclang-rt-dev desktop-file-utils appstream) ;;
  *) echo "usage: $0 [game|package|test]" >&2; exit 2 ;;
esac

# Only a package that is fully installed counts: one removed but for its
# configuration files is still known to dpkg.
installed() {
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

log="$log_dir/install.log"
: >"$log"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Installing ${missing[*]} needs root: run this as root, or install sudo." >&2
    exit 1
  fi
  as_root=(sudo)
fi
# sudo drops the caller's environment, so the front end is set on its command
# line; dpkg keeps a changed configuration file rather than asking about it.
apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -o Dpkg::Use-Pty=0
     -o APT::Color=0 -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold)

say "Missing: ${missing[*]}; reading the package lists"
quietly "$log" "updating the package lists" "${apt[@]}" update
plan="$(LC_ALL=C apt-get -s install --no-install-recommends "${missing[@]}" 2>>"$log")" ||
  fail "$log" "working out what to install"
count="$(grep -c '^Inst ' <<<"$plan" || true)"
bytes="$(LC_ALL=C apt-get -qq --print-uris install --no-install-recommends "${missing[@]}" 2>>"$log" |
         awk '{ sum += $3 } END { print sum + 0 }')"
say "Installing $count packages ($(awk -v b="$bytes" 'BEGIN { printf "%.0f", b / 1e6 }') MB to download)"
quietly "$log" "installing the packages" "${apt[@]}" install --no-install-recommends "${missing[@]}"
for p in "${missing[@]}"; do
  installed "$p" || fail "$log" "$p is still not installed"
done
