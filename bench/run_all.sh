#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game as released and runs every benchmark, printing its figures.
# The start-up benchmark also runs on a real X server when xvfb-run is there.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DFURLOX_TESTS=OFF -DFURLOX_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)"
# Qt warns once per process when this is unset; give every run the same quiet one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d)"
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
export QT_QPA_PLATFORM=offscreen
for b in bench_startup game_memory idle_cpu race_timing rules_throughput commentary_calls; do
  echo "== $b"
  build-bench/bench/$b
done
if command -v xvfb-run >/dev/null; then
  xvfb() { xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"; }
  echo "== bench_startup --mapped (Xvfb)"
  xvfb build-bench/bench/bench_startup --mapped
  if command -v dbus-run-session >/dev/null; then
    echo "== bench_startup --mapped (Xvfb, with a session bus as on a desktop)"
    xvfb dbus-run-session -- build-bench/bench/bench_startup --mapped 2>/dev/null
  fi
fi
