#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A screen reader that never rests, asking every text of the game for the item at, before and after
every offset (-1 to one past the end) for every AT-SPI boundary, while a player goes by keys from the
player count through the names (moving word by word) and the betting screen (awkward stakes, word by
word) to the history, the speed and back, and starts a new game, round after round.

Inside ../shared/tools/guiharness/run.sh, with WM=openbox:
    busy-reader.py [--duration 180] -- build/furlox

The reader is ../shared/tools/reader/reader_load.py's, which also walks every window's tree and
listens to events as Orca does. A game that stops answering shows as calls that time out; the last
lines say how many calls got no reply and whether the game still answered at the end.
"""
import argparse
import os
import subprocess
import sys
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.environ.get('READER', os.path.join(HERE, '../../../shared/tools/reader')))
import reader_load  # noqa: E402

# Names typed and stakes bet in turn: each flows into a box, and a name into its panel's heading.
NAMES = ['(NOT PLAYING)', ' 7', 'Tom & Jerry', '...', 'QX Player One', '-5']
STAKES = ['-5', '.5', ' 7', '...', '10', ' ']


SEEN = set()  # the titles of the windows the keys went to


def key(*keys):
    title = subprocess.run(['xdotool', 'getactivewindow', 'getwindowname'], capture_output=True, text=True)
    SEEN.add(title.stdout.strip())
    subprocess.run(['xdotool', 'key', '--clearmodifiers', *keys], check=True)
    time.sleep(0.6)


def hold(modifier, k):
    subprocess.run(['xdotool', 'keydown', modifier, 'key', k, 'sleep', '0.3', 'keyup', modifier], check=True)
    time.sleep(0.6)


def type_text(text):
    subprocess.run(['xdotool', 'type', '--delay', '80', '--', text], check=True)
    time.sleep(0.6)


def play(stop, rounds):
    """One player, no computer: the count, the names, the betting screen, history, speed, a new game."""
    time.sleep(5)  # the splash
    r = 0
    while not stop.is_set():
        key('Return')  # "1 Player"
        time.sleep(1)
        for k in ('Left', 'Left', 'Left', 'Right', 'Right', 'Right'):
            hold('ctrl', k)
        type_text(NAMES[r % len(NAMES)])  # the default was selected: typing replaces it
        hold('ctrl', 'Left')
        key('Return')
        time.sleep(1)
        key('Tab')  # the stake box
        type_text(STAKES[r % len(STAKES)])
        for k in ('Left', 'Left', 'Right', 'Right'):
            hold('ctrl', k)
        key('ctrl+h')
        time.sleep(1)
        key('Escape')
        time.sleep(1)
        key('ctrl+z')
        time.sleep(1)
        hold('ctrl', 'Left')
        hold('ctrl', 'Right')
        key('Return')  # the speed stands
        time.sleep(1)
        key('ctrl+n')  # a new game: the player count again
        time.sleep(1.5)
        r += 1
        rounds[0] = r


class EveryItem(reader_load.Reader):
    BOUNDARIES = None

    def read_text(self, acc):
        full = super().read_text(acc)
        Atspi = reader_load.Atspi
        if EveryItem.BOUNDARIES is None:
            EveryItem.BOUNDARIES = [Atspi.TextBoundaryType(v) for v in range(7)]
        ok, n = self.call('get_character_count', acc.get_character_count)
        for off in range(-1, (n or 0) + 2):
            for boundary in EveryItem.BOUNDARIES:
                for what, ask in (('at', acc.get_text_at_offset), ('before', acc.get_text_before_offset),
                                  ('after', acc.get_text_after_offset)):
                    ok, _ = self.call('text %s offset (%s)' % (what, boundary.value_nick), ask, off, boundary)
                    full &= ok
            if self.done():
                break
        return full


def read(args):
    reader = EveryItem(args)
    result = reader.run()
    print(reader_load.summary_line(result), flush=True)
    return result


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--duration', type=float, default=180)
    ap.add_argument('command', nargs='+')
    args = ap.parse_args()
    game = subprocess.Popen(args.command)
    stop, rounds = threading.Event(), [0]
    driver = threading.Thread(target=play, args=(stop, rounds), daemon=True)
    driver.start()
    reader_args = argparse.Namespace(duration=args.duration, app='furlox', stats=None, timeout_ms=3000, words=True,
                                     word_at_end=True, events=True)
    try:
        result = read(reader_args)
        stop.set()
        driver.join(60)
        # Still answering? One more full pass of the reader, short.
        reader_args.duration = 15
        after = read(reader_args)
        timeouts = result['errors_by_category'].get('timeout', 0) + after['errors_by_category'].get('timeout', 0)
        calls = sum(v for k, v in result['calls_by_name'].items() if k.startswith('text '))
        print('busy-reader: %d rounds played through %s; %d item queries, %d calls with no reply; game %s at the end'
              % (rounds[0], ', '.join(sorted(SEEN)), calls, timeouts, 'answering' if after['objects'] and not
                 after['errors_by_category'].get('timeout') else 'NOT answering'), flush=True)
    finally:
        game.terminate()
        try:
            game.wait(10)
        except subprocess.TimeoutExpired:
            game.kill()
            game.wait()


if __name__ == '__main__':
    sys.exit(main())
