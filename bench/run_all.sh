#!/usr/bin/env bash
# Builds the game as released and runs every benchmark, printing its figures.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DFURLOX_TESTS=OFF -DFURLOX_BENCH=ON >/dev/null
cmake --build build-bench -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
for b in bench_startup game_memory idle_cpu race_timing rules_throughput; do
  echo "== $b"
  build-bench/bench/$b
done
