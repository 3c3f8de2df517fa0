#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test: once as
# released, once under AddressSanitizer and UndefinedBehaviorSanitizer, then
# fuzzes the reading of amounts and a screen reader's text queries. The tools' output is in build-logs/test.log.
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

# Half a minute of fuzzing: the reading and writing of amounts, from the seed
# corpus of awkward stakes (the corpus in the tree is not changed), then a
# screen reader's text queries, each allowed 5 s before it counts as a hang.
quietly "$log" "configuring the fuzzers" env CXX=clang++ \
  cmake -S . -B build-fuzz -DFURLOX_FUZZ=ON -DFURLOX_TESTS=OFF -DFURLOX_BENCH=OFF
build "$log" "the fuzzers" build-fuzz --target fuzz_numbers fuzz_text
rm -rf build-fuzz/corpus && cp -r fuzz/corpus build-fuzz/corpus
say "Fuzzing the amounts for 15 s"
(cd build-fuzz && ./fuzz_numbers -max_total_time=15 -print_final_stats=0 corpus) >>"$log" 2>&1 </dev/null ||
  fail "$log" "fuzzing the amounts"
echo "    fuzz_numbers: 15 s clean ($(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | cut -d' ' -f2) runs)"
say "Fuzzing a screen reader's text queries for 15 s"
(cd build-fuzz && ./fuzz_text -max_total_time=15 -timeout=5 -print_final_stats=0) >>"$log" 2>&1 </dev/null ||
  fail "$log" "fuzzing the text queries"
echo "    fuzz_text: 15 s clean ($(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | cut -d' ' -f2) runs)"
