#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives a headless mutter through its own D-Bus APIs.
   mutter.py shot FILE.png        whole virtual monitor via org.gnome.Mutter.ScreenCast + pipewiresrc
   mutter.py type TEXT            keys via org.gnome.Mutter.RemoteDesktop (NotifyKeyboardKeysym)
   mutter.py key KEYSYM           one keysym (X keysym number or name, e.g. Return, Tab)
   mutter.py click X Y            absolute pointer click (needs a screencast stream)
"""
import sys, subprocess, time
import gi
gi.require_version('Gio', '2.0')
from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)
def call(dest, path, iface, method, args, rtype=None):
    return bus.call_sync(dest, path, iface, method, args, GLib.VariantType(rtype) if rtype else None,
                         Gio.DBusCallFlags.NONE, -1, None)

RD = 'org.gnome.Mutter.RemoteDesktop'; SC = 'org.gnome.Mutter.ScreenCast'

def keysym(name):
    if len(name) == 1:
        return ord(name)
    import ctypes
    x = ctypes.CDLL('libX11.so.6'); x.XStringToKeysym.restype = ctypes.c_ulong
    return x.XStringToKeysym(name.encode())

def with_stream(rd_id=None):
    opts = {'remote-desktop-session-id': GLib.Variant('s', rd_id)} if rd_id else {}
    sp = call(SC, '/org/gnome/Mutter/ScreenCast', SC, 'CreateSession', GLib.Variant('(a{sv})', (opts,)), '(o)')[0]
    st = call(SC, sp, SC + '.Session', 'RecordMonitor', GLib.Variant('(sa{sv})', ('', {'cursor-mode': GLib.Variant('u', 0)})), '(o)')[0]
    node = []
    bus.signal_subscribe(SC, SC + '.Stream', 'PipeWireStreamAdded', st, None, Gio.DBusSignalFlags.NONE,
                         lambda *a: node.append(a[5][0]))
    return sp, st, node

def pump(cond, timeout=5):
    ctx = GLib.MainContext.default(); end = time.time() + timeout
    while not cond() and time.time() < end:
        ctx.iteration(False); time.sleep(0.01)

cmd = sys.argv[1]
if cmd == 'shot':
    sp, st, node = with_stream()
    call(SC, sp, SC + '.Session', 'Start', None)
    pump(lambda: node)
    subprocess.run(['gst-launch-1.0', '-q', 'pipewiresrc', 'path=%d' % node[0], 'num-buffers=3', 'always-copy=true', '!',
                    'videoconvert', '!', 'pngenc', 'snapshot=true', '!', 'filesink', 'location=' + sys.argv[2]], timeout=20)
    call(SC, sp, SC + '.Session', 'Stop', None)
else:
    rp = call(RD, '/org/gnome/Mutter/RemoteDesktop', RD, 'CreateSession', None, '(o)')[0]
    rid = None
    if cmd == 'click':
        props = call(RD, rp, 'org.freedesktop.DBus.Properties', 'Get', GLib.Variant('(ss)', (RD + '.Session', 'SessionId')), '(v)')[0]
        sp, st, node = with_stream(props)
    call(RD, rp, RD + '.Session', 'Start', None)
    # the first key of a new session is lost: send a harmless Shift first
    for down in (True, False):
        call(RD, rp, RD + '.Session', 'NotifyKeyboardKeysym', GLib.Variant('(ub)', (0xffe1, down))); time.sleep(0.05)
    if cmd == 'type':
        for ch in sys.argv[2]:
            k = keysym(ch)
            for down in (True, False):
                call(RD, rp, RD + '.Session', 'NotifyKeyboardKeysym', GLib.Variant('(ub)', (k, down))); time.sleep(0.03)
    elif cmd == 'key':
        # each argument: KEYSYM or C-KEYSYM / S-KEYSYM / C-S-KEYSYM
        mods = {'C': 0xffe3, 'S': 0xffe1, 'A': 0xffe9}
        for arg in sys.argv[2:]:
            parts = arg.split('-') if len(arg) > 1 else [arg]
            held = [mods[m] for m in parts[:-1]]
            k = keysym(parts[-1])
            for m in held:
                call(RD, rp, RD + '.Session', 'NotifyKeyboardKeysym', GLib.Variant('(ub)', (m, True))); time.sleep(0.03)
            for down in (True, False):
                call(RD, rp, RD + '.Session', 'NotifyKeyboardKeysym', GLib.Variant('(ub)', (k, down))); time.sleep(0.03)
            for m in reversed(held):
                call(RD, rp, RD + '.Session', 'NotifyKeyboardKeysym', GLib.Variant('(ub)', (m, False))); time.sleep(0.03)
            time.sleep(0.15)
    elif cmd == 'click':
        pump(lambda: node)
        call(RD, rp, RD + '.Session', 'NotifyPointerMotionAbsolute', GLib.Variant('(sdd)', (st, float(sys.argv[2]), float(sys.argv[3]))))
        time.sleep(0.1)
        for down in (True, False):
            call(RD, rp, RD + '.Session', 'NotifyPointerButton', GLib.Variant('(ib)', (0x110, down))); time.sleep(0.05)
    time.sleep(0.2)
    call(RD, rp, RD + '.Session', 'Stop', None)
