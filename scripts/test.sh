#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test: once as
# released, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DFURLOX_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFURLOX_SANITIZE=ON -DFURLOX_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ctest --output-on-failure -j"$jobs")

# Half a minute of fuzzing: the reading and writing of amounts, from the seed
# corpus of awkward stakes (the corpus in the tree is not changed), then a
# screen reader's text queries, each allowed 5 s before it counts as a hang.
CXX=clang++ cmake -S . -B build-fuzz -DFURLOX_FUZZ=ON -DFURLOX_TESTS=OFF -DFURLOX_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_numbers fuzz_text -j"$jobs"
rm -rf build-fuzz/corpus && cp -r fuzz/corpus build-fuzz/corpus
(cd build-fuzz && ./fuzz_numbers -max_total_time=15 -print_final_stats=0 corpus 2>&1 | tail -n 1)
(cd build-fuzz && ./fuzz_text -max_total_time=15 -timeout=5 -print_final_stats=0 2>&1 | tail -n 1)
echo "fuzz_numbers, fuzz_text: 15 s each, clean"
