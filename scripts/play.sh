#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game and starts it. The build's output
# is in build-logs/play.log.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$furlox_root"
bash scripts/install-deps.sh game
log="$log_dir/play.log"
: >"$log"
quietly "$log" "configuring the build" \
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DFURLOX_TESTS=OFF -DFURLOX_BENCH=OFF
build "$log" "the game" build --target furlox
say "Starting Furlox"
exec build/furlox
