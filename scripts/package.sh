#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game and its Debian package in
# build-deb/, has lintian check the package, and says how to install it. The
# tools' output is in build-logs/package.log.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$furlox_root"
bash scripts/install-deps.sh package
log="$log_dir/package.log"
: >"$log"
quietly "$log" "configuring the build" \
  cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DFURLOX_TESTS=OFF -DFURLOX_BENCH=OFF
build "$log" "the game" build-deb

say "Packaging"
rm -f build-deb/furlox_*.deb
quietly "$log" "packaging" cpack --config build-deb/CPackConfig.cmake -B build-deb
# cpack names the package it wrote ("CPack: - package: PATH generated.").
deb="$(sed -n 's/.*package: \(.*\.deb\) generated.*/\1/p' "$log" | tail -n 1)"
[ -f "$deb" ] || fail "$log" "cpack named no package"
echo "    Depends: $(dpkg-deb --field "$deb" Depends)"

say "Checking the package with lintian"
# lintian's notice about running as root goes to standard error and does not
# change its exit status.
if ! lintian --fail-on error,warning "$deb" >"$log_dir/lintian.log" 2>>"$log"; then
  cat "$log_dir/lintian.log" >&2
  fail "$log" "lintian found errors or warnings in $deb"
fi

say "Built $deb"
echo "Install it with: sudo apt install $deb"
