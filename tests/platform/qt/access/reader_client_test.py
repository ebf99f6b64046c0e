"""What a screen reader receives from the running game, read at event time by
an AT-SPI client in a process of its own.

Plays a key-only game of HANDS hands (key_game.py) while it listens on the
accessibility bus, writes every line and focus it heard to LOG, and checks
that the lines tell a whole game in order: each hand dealt, each opening and
play with its tile and end and the open ends after it that follow from the
ones before, each draw counting the stock down, each turn change, each pass,
each hand's result matching the result boxes; that every line arrived inside
its event (nothing to ask for later, when a newer line may stand there); and
that after each of the player's plays a new tile took the focus under the
frame.

Usage: reader_client_test.py HANDS LOG   (the game must be starting)
"""

import sys

import pyatspi
from gi.repository import GLib

import key_game
import told_lines

hands = int(sys.argv[1])
listener = key_game.Listener(sys.argv[2])
heard = listener.heard  # (kind, text, role) in the order the events came
problems = listener.problems

boxes = []
player = key_game.KeyPlayer(hands, on_box=boxes.append)
listener.listen()
GLib.timeout_add(150, player.step)
GLib.timeout_add_seconds(600, lambda: (problems.append("the game took too long"), pyatspi.Registry.stop()))
pyatspi.Registry.start()

sentences = [s for line in listener.lines() for s in told_lines.sentences(line)]

count = {name: 0 for name, _ in told_lines.PATTERNS}
side = None  # whose turn the lines say it is
ends = None
stock = 14
computer_plays = 0
for s in sentences:
    kind, m = told_lines.kind_of(s)
    if kind is None:
        problems.append("a line nobody can follow: %r" % s)
        continue
    count[kind] += 1
    if kind == "deal":
        side, ends, stock = ("You" if m.group(1) == "You" else "Computer"), None, 14
    elif kind == "opening":
        who, a, b, left, right = m.group(1), *map(int, m.groups()[1:])
        side = side or who  # the first hand may be dealt before the client listens
        if who != side or ends is not None or (left, right) != (a, b):
            problems.append("an opening out of turn or place: %r" % s)
        ends = [left, right]
    elif kind == "play":
        who, a, b, end, left, right = m.group(1), int(m.group(2)), int(m.group(3)), m.group(4), int(m.group(5)), int(m.group(6))
        computer_plays += who == "Computer"
        if who != side or ends is None:
            problems.append("a play out of turn: %r" % s)
        else:
            i = 0 if end == "left" else 1
            if ends[i] not in (a, b):
                problems.append("%r does not follow the open ends %s: a line was lost" % (s, ends))
            ends[i] = b if ends[i] == a else a
            if ends != [left, right]:
                problems.append("%r does not tell the ends that follow, %s" % (s, ends))
            ends = [left, right]
    elif kind == "draw":
        who = m.group(1) or m.group(4)
        left = int(m.group(5))
        if who != side or left != stock - 1:
            problems.append("a draw out of turn or order (%d in stock before): %r" % (stock, s))
        stock = left
    elif kind == "turn":
        now = "You" if m.group(1) == "Your" else "Computer"
        if now == side:
            problems.append("a turn change that changes nothing: %r" % s)
        side = now
    elif kind == "pass":
        if m.group(1) != side or stock != 0:
            problems.append("a pass out of turn or with tiles in the stock: %r" % s)

results = [b for b in boxes if any(r in b for r in key_game.RESULTS)]
if count["hand"] != len(results) or count["hand"] < hands:
    problems.append("%d hand results heard, %d result boxes closed, %d hands wanted"
                    % (count["hand"], len(results), hands))
if count["deal"] < hands:
    problems.append("only %d hands dealt were heard" % count["deal"])
if computer_plays < hands:
    problems.append("only %d computer plays were heard" % computer_plays)
if count["turn"] < 2 * hands:
    problems.append("only %d turn changes were heard" % count["turn"])

# After each of the player's plays by key, a tile took the focus before the
# line came, unless the row was empty; a message box that opened at once
# took it after the tile, and the line is told there.
for i, (kind, text, _) in enumerate(heard):
    if kind == "line" and text.startswith("You play") and "Hand over" not in "".join(t for _, t, _ in heard[i:i + 3]):
        before = [h for h in heard[max(0, i - 3):i] if h[0] == "focus" and h[2] != "push button"]
        if not before or before[-1][2] != "list item":
            problems.append("no new tile took the focus before %r" % text)

print("%d lines, %d sentences, %d keys, %d boxes, %s" % (
    sum(1 for h in heard if h[0] == "line"), len(sentences), player.keys, len(boxes),
    ", ".join("%s %d" % kv for kv in count.items())))
for p in problems:
    print("FAIL:", p)
sys.exit(1 if problems else 0)
