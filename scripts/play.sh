#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh game
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DFURLOX_TESTS=OFF -DFURLOX_BENCH=OFF >/dev/null
cmake --build build --target furlox -j"$(nproc)"
exec build/furlox
