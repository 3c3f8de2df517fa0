#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# KDE's compositor, headless: kwin_wayland --virtual with Xwayland, in a D-Bus
# session of its own. Writes the clients' environment to $DESK/kwin.env.
# Debian's kwin_wayland carries a file capability that a sandbox may refuse
# to exec; a plain copy (KWIN=/path/to/copy) runs.
# Run it in the background: setsid tools/desktops/kwin-session.sh &
DESK=${DESK:-/tmp/furlox-desktops}; mkdir -p "$DESK/xdg-k"; chmod 700 "$DESK/xdg-k"
export XDG_RUNTIME_DIR=$DESK/xdg-k KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1
unset DISPLAY WAYLAND_DISPLAY
exec dbus-run-session -- "${KWIN:-kwin_wayland}" --virtual --xwayland --width 1280 --height 800 \
  --socket wayland-furlox --no-lockscreen \
  --exit-with-session "bash -c 'env | grep -E \"^(WAYLAND_DISPLAY|DISPLAY|XDG_RUNTIME_DIR|DBUS_SESSION_BUS_ADDRESS|XAUTHORITY)=\" | sort > $DESK/kwin.env; exec sleep infinity'" \
  > "$DESK/kwin.log" 2>&1
