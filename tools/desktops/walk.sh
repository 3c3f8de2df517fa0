#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the game by real keys (xdotool) on an X display, plain X or the
# Xwayland of mutter or kwin, and takes a picture of each screen with its
# frame; prints each window's title, place and size and every visible window.
# Usage: walk.sh ENVFILE OUTDIR [VAR=value ...]   (ENVFILE from a *-session.sh)
# An Xwayland root cannot be read: set SHOT to a command that writes the
# compositor's picture to the file it is given (SHOT=tools/desktops/mutter.py\ shot
# or SHOT=tools/desktops/kwin-shot.py).
set -a; source "$1"; set +a; [ -z "${XAUTHORITY:-}" ] && unset XAUTHORITY
OUT=$2; shift 2; mkdir -p "$OUT"
env "$@" "${GAME:-build/furlox}" > "$OUT/game.log" 2>&1 & P=$!
grab() { if [ -n "${SHOT:-}" ]; then $SHOT "$1"; else import -window root "$1"; fi; }
k() { xdotool key --delay 120 "$@"; }
t() { xdotool type --delay 80 "$1"; }
shot() {  # the whole screen, and the active window cut out with its frame
  sleep "${2:-1}"; grab "$OUT/full-$1.png"
  w=$(xdotool getactivewindow 2>/dev/null); [ -n "$w" ] || { echo "$1: no active window"; return; }
  read -r x y ww hh < <(xwininfo -id "$w" | awk '/Absolute upper-left X/{x=$NF}/Absolute upper-left Y/{y=$NF}/Width/{a=$NF}/Height/{b=$NF}END{print x,y,a,b}')
  ext=$(xprop -id "$w" _NET_FRAME_EXTENTS | grep -oE "[0-9]+, [0-9]+, [0-9]+, [0-9]+" | tr -d ,); read -r l r tp b <<< "${ext:-0 0 0 0}"
  convert "$OUT/full-$1.png" -crop $((ww+l+r))x$((hh+tp+b))+$((x-l))+$((y-tp)) +repage "$OUT/$1.png"
  echo "$1: '$(xdotool getwindowname "$w")' client $x,$y ${ww}x$hh; visible: $(xdotool search --onlyvisible --name . 2>/dev/null | while read -r v; do echo -n "'$(xdotool getwindowname "$v")' "; done)"; }
sleep 1.2; grab "$OUT/00-splash.png"; sleep 3.5
shot 01-selectpl 0.2
k shift+Tab space Tab; k Return; shot 03-difficulty
k Return; shot 04-difficulty-ready 3
k Return; shot 05-names; t Ada; k Return; shot 07-betit 1.2
k Tab; t 10; k Tab Return; shot 09-calc 1; shot 10-calc-done 6
k Return; shot 11-course; k Return; shot 12-race-ready; k Return; shot 13-racing 2.5
k Return; shot 14-paused 0.5; k Return; shot 15-finished 22
k Return; shot 16-betit-week2 1.2
k ctrl+h; shot 17-history; k Escape
k ctrl+z; shot 18-speed; t 50; k Return
k ctrl+c; shot 19-currency; k Tab Return
k ctrl+a; shot 20-about; k Escape
k ctrl+p; shot 21-names-change; k Return
k Tab; t 999; k Tab Return; shot 22-message 1.5; k Return; shot 23-after-message
k ctrl+x; sleep 3; kill $P 2>/dev/null; wait $P 2>/dev/null
