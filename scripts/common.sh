# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the other scripts. They print one line per phase; everything the
# tools say goes to a log in build-logs/, whose path and last lines are shown
# when something fails, so a failure is never hidden and a success is short.

# A build that fails before tee and the progress reader must fail the pipe.
set -o pipefail

furlox_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
log_dir="$furlox_root/build-logs"
mkdir -p "$log_dir"

say() { printf '==> %s\n' "$*"; }

# fail LOG WHAT: says what failed, where the whole story is, and its end.
fail() {
  printf '\nFAILED: %s\nThe full output is in %s; its last lines:\n' "$2" "$1" >&2
  tail -n 30 "$1" | sed 's/^/    /' >&2
  exit 1
}

# quietly LOG WHAT COMMAND...: runs COMMAND with its output added to LOG. It
# reads nothing from the terminal, so it can never stop to ask.
quietly() {
  local log=$1 what=$2
  shift 2
  "$@" >>"$log" 2>&1 </dev/null || fail "$log" "$what"
}

# build LOG WHAT CMAKE_BUILD_ARGS...: builds with its output added to LOG and
# the build's own percentage on one line, a figure each time a tenth is passed
# (one line in a log too, where a redrawn counter would be a thousand).
build() {
  local log=$1 what=$2
  shift 2
  printf '==> Building %s:' "$what"
  if ! cmake --build "$@" -j"$(nproc)" 2>&1 </dev/null | tee -a "$log" | {
      shown=-1
      while IFS= read -r line; do
        if [[ $line =~ ^\[\ *([0-9]+)%\] ]]; then
          pct=$((10#${BASH_REMATCH[1]}))
          if ((pct > shown && (shown < 0 || pct / 10 > shown / 10))); then
            printf ' %d%%' "$pct"
            shown=$pct
          fi
        fi
      done
    }; then
    echo
    fail "$log" "building $what"
  fi
  echo
}

# run_tests LOG WHAT BUILD_DIR: runs CTest there and prints its summary; on a
# failure, the failing tests' output (without Qt Test's PASS lines).
run_tests() {
  local log=$1 what=$2 out="$3/ctest.log"
  say "Testing $what"
  if (cd "$3" && ctest --output-on-failure -j"$(nproc)") >"$out" 2>&1 </dev/null; then
    cat "$out" >>"$log"
    grep -E '^[0-9]+% tests passed|^Total Test time' "$out" | sed 's/^/    /'
  else
    cat "$out" >>"$log"
    grep -v '^PASS   :' "$out" >&2
    printf '\nFAILED: testing %s; the full output is in %s\n' "$what" "$out" >&2
    exit 1
  fi
}
