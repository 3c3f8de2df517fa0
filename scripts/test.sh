#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test: once as
# released, once under AddressSanitizer and UndefinedBehaviorSanitizer, then
# fuzzes the reading of amounts. The tools' output is in build-logs/test.log.
set -euo pipefail
source "$(dirname "$0")/common.sh"
cd "$furlox_root"
bash scripts/install-deps.sh test
log="$log_dir/test.log"
: >"$log"
export QT_QPA_PLATFORM=offscreen

quietly "$log" "configuring the release build" \
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DFURLOX_TESTS=ON
build "$log" "the game and its tests" build
run_tests "$log" "the release build" build

quietly "$log" "configuring the sanitizer build" \
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFURLOX_SANITIZE=ON -DFURLOX_BENCH=OFF
build "$log" "with AddressSanitizer and UndefinedBehaviorSanitizer" build-sanitize
run_tests "$log" "under the sanitizers" build-sanitize

# Half a minute of fuzzing the reading and writing of amounts, from the
# seed corpus of awkward stakes (the corpus in the tree is not changed).
quietly "$log" "configuring the fuzzer" env CXX=clang++ \
  cmake -S . -B build-fuzz -DFURLOX_FUZZ=ON -DFURLOX_TESTS=OFF -DFURLOX_BENCH=OFF
build "$log" "the fuzzer" build-fuzz --target fuzz_numbers
rm -rf build-fuzz/corpus && cp -r fuzz/corpus build-fuzz/corpus
say "Fuzzing the amounts for 30 s"
(cd build-fuzz && ./fuzz_numbers -max_total_time=30 -print_final_stats=0 corpus) >>"$log" 2>&1 </dev/null ||
  fail "$log" "fuzzing the amounts"
echo "    fuzz_numbers: 30 s clean ($(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | cut -d' ' -f2) runs)"
