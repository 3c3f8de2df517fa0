#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs Orca and the game inside guiharness/run.sh, plays a script of keys and prints what Orca said after each.

Usage (inside run.sh):  orca-steps.py SCRIPT.steps  -- build/furlox
A steps file has one action per line:
    key <xdotool keys>     real keystroke(s)
    hold <modifier> <key>  the key pressed while the modifier is held down for 0.3 s, as a hand does
                           (with "key ctrl+Left" Orca sees Ctrl released before the caret moves
                           and reads a character instead of a word)
    type <text>            real keys typing the text
    cmd <text>             a line written to the app's stdin (program-side actions)
    wait <seconds>         extra wait
    # comment
Every action is followed by SETTLE seconds for Orca to speak; the speech heard between one
action and the next is printed under that action.
"""
import os
import re
import subprocess
import sys
import time

HARNESS = os.environ.get('GUIHARNESS', os.path.join(os.path.dirname(os.path.abspath(__file__)), '../../../shared/tools/guiharness'))
SETTLE = float(os.environ.get('SETTLE', '1.5'))
TS = re.compile(r'^(\d\d):(\d\d):(\d\d\.\d+) - (.*)$')


def log_lines(path):
    with open(path, errors='replace') as f:
        return f.read().splitlines()


def stamp(line):
    m = TS.match(line)
    if not m:
        return None
    h, mi, s = int(m.group(1)), int(m.group(2)), float(m.group(3))
    return h * 3600 + mi * 60 + s


def now_secs():
    t = time.time()
    lt = time.localtime(t)
    return lt.tm_hour * 3600 + lt.tm_min * 60 + lt.tm_sec + (t - int(t))


def wait_for(pred, timeout, what):
    end = time.time() + timeout
    while time.time() < end:
        if pred():
            return True
        time.sleep(0.05)
    raise TimeoutError(what)


def main():
    steps_file = sys.argv[1]
    app = sys.argv[sys.argv.index('--') + 1:]
    outdir = os.environ.get('OUT', '/tmp/furlox-orca')
    os.makedirs(outdir, exist_ok=True)
    tag = os.environ.get('TAG', os.path.basename(steps_file))
    log = os.path.join(outdir, tag + '.orca.log')
    prefs = os.path.join(outdir, 'prefs-' + tag)
    orca = subprocess.Popen(['/usr/bin/python3', os.path.join(HARNESS, 'orca_launch.py'), log, prefs],
                            stdout=subprocess.DEVNULL, stderr=open(os.path.join(outdir, tag + '.orca.err'), 'w'))
    try:
        wait_for(lambda: os.path.exists(log) and 'ORCA: Starting ATSPI registry.' in open(log, errors='replace').read(),
                 30, 'orca start')
        time.sleep(1.0)
        marks = [('(orca start)', 0.0)]
        marks.append(('(app launch)', now_secs()))
        appp = subprocess.Popen(app, stdin=subprocess.PIPE, text=True,
                                stdout=open(os.path.join(outdir, tag + '.app.out'), 'w'), stderr=subprocess.STDOUT)
        # wait until Orca has noticed some focus in the app (or 6 s)
        try:
            wait_for(lambda: 'SPEECH OUTPUT' in ''.join(l for l in log_lines(log) if (stamp(l) or 0) > marks[-1][1]),
                     8, 'first speech')
        except TimeoutError:
            pass
        time.sleep(SETTLE)
        for raw in open(steps_file):
            line = raw.strip()
            if not line or line.startswith('#'):
                continue
            verb, _, arg = line.partition(' ')
            marks.append((line, now_secs()))
            if verb == 'key':
                subprocess.run(['xdotool', 'key', '--clearmodifiers', *arg.split()], check=True)
            elif verb == 'hold':
                modifier, key = arg.split()
                subprocess.run(['xdotool', 'keydown', modifier, 'key', key, 'sleep', '0.3', 'keyup', modifier], check=True)
            elif verb == 'type':
                subprocess.run(['xdotool', 'type', '--delay', '150', '--', arg], check=True)
            elif verb == 'cmd':
                appp.stdin.write(arg + '\n')
                appp.stdin.flush()
            elif verb == 'wait':
                time.sleep(float(arg))
                continue
            time.sleep(SETTLE)
        marks.append(('(end)', now_secs()))
        lines = log_lines(log)
        # print speech per step
        for i, (label, t0) in enumerate(marks[:-1]):
            t1 = marks[i + 1][1]
            said = [l.split(' - ', 1)[1] for l in lines
                    if 'SPEECH OUTPUT' in l and stamp(l) is not None and t0 <= stamp(l) < t1]
            print('== %s' % label)
            for s in said:
                print('     ' + s)
        appp.stdin.close()
        try:
            appp.wait(3)
        except subprocess.TimeoutExpired:
            appp.terminate()
            appp.wait()
    finally:
        orca.terminate()
        try:
            orca.wait(5)
        except subprocess.TimeoutExpired:
            orca.kill()
            orca.wait()


if __name__ == '__main__':
    main()
