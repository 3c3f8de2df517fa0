#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Whole-workspace screenshot of kwin_wayland via org.kde.KWin.ScreenShot2.CaptureWorkspace: kwin-shot.py OUT.png
   (kwin must run with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1)"""
import os, sys, threading
import gi
gi.require_version('Gio', '2.0')
from gi.repository import Gio, GLib
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
r, w = os.pipe()
fds = Gio.UnixFDList.new(); fds.append(w)
data = bytearray()
def reader():
    while True:
        b = os.read(r, 1 << 20)
        if not b: break
        data.extend(b)
t = threading.Thread(target=reader); t.start()
res, _ = bus.call_with_unix_fd_list_sync('org.kde.KWin', '/org/kde/KWin/ScreenShot2', 'org.kde.KWin.ScreenShot2',
    'CaptureWorkspace', GLib.Variant('(a{sv}h)', ({'include-cursor': GLib.Variant('b', False)}, 0)),
    GLib.VariantType('(a{sv})'), Gio.DBusCallFlags.NONE, -1, fds, None)
os.close(w)
for fd in fds.steal_fds(): os.close(fd)  # the list holds a dup of the write end
t.join()
info = res.unpack()[0]
W, H, S = info['width'], info['height'], info['stride']
import subprocess
# format 4/5 = QImage::Format_RGB32/ARGB32 (BGRA in memory on little-endian)
raw = b''.join(bytes(data[y*S:y*S+W*4]) for y in range(H))
subprocess.run(['convert', '-size', '%dx%d' % (W, H), '-depth', '8', 'bgra:-', sys.argv[1]], input=raw, check=True)
print(info)
