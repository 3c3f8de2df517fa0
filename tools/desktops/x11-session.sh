#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An X desktop of its own: Xvfb :N (XSIZE, default 1280x800), a D-Bus session
# and a window manager (openbox, mutter, kwin or none). Writes the clients'
# environment to $DESK/env.N and the processes to $DESK/pids.N.
# Usage: x11-session.sh N openbox|mutter|kwin|none
set -u
N=$1; WM=$2; DESK=${DESK:-/tmp/furlox-desktops}; mkdir -p "$DESK"
Xvfb :$N -screen 0 ${XSIZE:-1280x800}x24 -nolisten tcp > "$DESK/xvfb.$N.log" 2>&1 &
echo $! > "$DESK/pids.$N"
sleep 1.5
export DISPLAY=:$N
eval "$(dbus-launch --sh-syntax)"
echo "$DBUS_SESSION_BUS_PID" >> "$DESK/pids.$N"
echo "DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS
DISPLAY=:$N" > "$DESK/env.$N"
case $WM in
  mutter) mutter --x11 --replace --sm-disable > "$DESK/wm.$N.log" 2>&1 & ;;
  openbox) openbox > "$DESK/wm.$N.log" 2>&1 & ;;
  kwin) kwin_x11 --replace > "$DESK/wm.$N.log" 2>&1 & ;;
esac
[ "$WM" != none ] && echo $! >> "$DESK/pids.$N"
sleep 3
