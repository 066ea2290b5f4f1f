#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Plays one spin of the game through the accessibility bus, as a screen
reader user would: starts the game (the command line given), finds the "Slot
machine", presses "Bet 1" and "Spin", and waits for the result the machine
announces. Checks that the sentence agrees with the reels and that the
credits read afterwards are the credits before, less the stake, plus the win.
Exits 0 when all holds."""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

SENTENCE = re.compile(
    r"^([A-Z][a-z ]+), ([a-z ]+), ([a-z ]+) on the payline\. "
    r"(?:No win\.|You win (\d+) credits?\.)$")
REEL = re.compile(r"^Reel (\d): ([a-z ]+) above, ([a-z ]+) on the payline, ([a-z ]+) below$")
CREDITS = re.compile(r"^Credits: \$([\d,]+\.\d\d)$")


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def nodes(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for i in range(node.childCount):
        yield from nodes(node.getChildAtIndex(i), depth + 1)


def pump(seconds):
    """Lets the bus deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def find_machine(timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            for node in nodes(desktop.getChildAtIndex(i)):
                if node.name == "Slot machine":
                    return node
        pump(0.2)
    fail("no accessible named 'Slot machine' on the bus")


def child_named(machine, pattern):
    for node in nodes(machine):
        if re.match(pattern, node.name or ""):
            return node
    return None


def press(machine, name):
    button = child_named(machine, "^" + re.escape(name) + "$")
    if button is None or button.getRole() != pyatspi.ROLE_PUSH_BUTTON:
        fail("no button named '%s' in the machine" % name)
    try:
        button.queryAction().doAction(0)
    except GLib.Error:
        pass  # the press runs the whole spin before it answers


def money(text):
    match = CREDITS.match(text or "")
    if not match:
        fail("credits read '%s'" % text)
    return round(float(match.group(1).replace(",", "")) * 100)


def main():
    heard = []

    def on_showing(event):
        try:
            if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                heard.append(event.source.name)
        except GLib.Error:
            pass

    # Listening before the game starts: a program learns at its start which
    # events anyone listens to, and may miss a registration made meanwhile.
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    pump(0.5)
    game = subprocess.Popen(sys.argv[1:])
    try:
        check_one_spin(heard)
    finally:
        game.kill()
        game.wait()


def check_one_spin(heard):
    machine = find_machine(30)
    before = money(child_named(machine, "^Credits: ").name)
    press(machine, "Bet 1")
    press(machine, "Spin")

    # The sentence comes as the reels stop; the credits once the payout has
    # been counted, which for the top prize takes about a minute.
    end = time.monotonic() + 30
    while time.monotonic() < end and not heard:
        pump(0.1)
    end = time.monotonic() + 120
    if not heard:
        fail("no notification was shown after the spin")
    sentence = heard[0]
    match = SENTENCE.match(sentence)
    if not match:
        fail("the notification said '%s'" % sentence)
    win = int(match.group(4) or 0)
    if win:
        while time.monotonic() < end and len(heard) < 2:
            pump(0.1)
        if len(heard) < 2 or not heard[1].startswith("Credits: "):
            fail("no credits were announced after the payout: %s" % heard)
    pump(1)

    payline = [match.group(1).lower(), match.group(2), match.group(3)]
    for reel in range(3):
        node = child_named(machine, "^Reel %d: " % (reel + 1))
        read = REEL.match(node.name if node else "")
        if not read or read.group(3) != payline[reel]:
            fail("reel %d reads '%s', the sentence '%s'" %
                 (reel + 1, node.name if node else None, sentence))
    after = money(child_named(machine, "^Credits: ").name)
    if after != before - 100 + win * 100:
        fail("credits went from %d to %d cents with a win of %d" % (before, after, win))
    if win and money(heard[1]) != after:
        fail("announced '%s', the meter reads %d cents" % (heard[1], after))
    print("PASS: %s %s" % (sentence, " ".join(heard[1:])))


main()
