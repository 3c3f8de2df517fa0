#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# GNOME's compositor, headless: mutter on Wayland with Xwayland, and pipewire
# for its screen casts, in a D-Bus session of its own. Writes the clients'
# environment (WAYLAND_DISPLAY, DISPLAY, XAUTHORITY, the bus) to $DESK/mutter.env.
# Run it in the background: setsid tools/desktops/mutter-session.sh &
DESK=${DESK:-/tmp/furlox-desktops}; mkdir -p "$DESK/xdg-m"; chmod 700 "$DESK/xdg-m"
export XDG_RUNTIME_DIR=$DESK/xdg-m DESK
unset DISPLAY WAYLAND_DISPLAY
exec dbus-run-session -- bash -c '
pipewire > "$DESK/pipewire.log" 2>&1 &
sleep 0.5; wireplumber > "$DESK/wireplumber.log" 2>&1 &
sleep 0.5
exec mutter --wayland --headless --virtual-monitor 1280x800 --wayland-display=wayland-furlox -- \
  bash -c "env | grep -E \"^(WAYLAND_DISPLAY|DISPLAY|XDG_RUNTIME_DIR|DBUS_SESSION_BUS_ADDRESS|XAUTHORITY)=\" | sort > \"$DESK/mutter.env\"; exec sleep infinity"
' > "$DESK/mutter.log" 2>&1
