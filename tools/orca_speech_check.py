"""Did Orca speak everything the game told, once and in order?

Compares the lines the game told a screen reader during a key game, as a
listener on the accessibility bus wrote them down at event time (LINES, from
key_game.py's Listener), with what Orca spoke (ORCA_LOG, its debug log's
SPEECH OUTPUT lines): the longest run of told lines that Orca spoke in the
same order, then, kind by kind, how many sentences of the game were spoken
of those told, the lines that were not, and the lines spoken more than once.
Exits 1 when a computer move, a draw, a turn change, a pass, a hand's result
or a deal was not spoken.

Usage: orca_speech_check.py LINES ORCA_LOG   (run by tools/orca_speech.sh)
"""

import re
import sys

import told_lines

# The kinds a blind player must hear, and those told besides (the player's
# refused tries, the tile under the frame after a move).
MUST = ["deal", "opening", "computer play", "your play", "computer draw", "your draw", "turn", "pass",
        "hand", "addition", "totals", "winner", "match"]
BESIDES = ["refusal", "now on"]


def told(path):
    """The lines in the listener's file, in order."""
    lines = []
    with open(path) as f:
        for row in f:
            parts = row.rstrip("\n").split(" ", 3)
            if len(parts) == 4 and parts[1] == "line":
                lines.append(parts[3])
    return lines


def spoken(path):
    """What Orca spoke, utterance by utterance, in order."""
    said = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(?:\{[^{}]*\})?\s*$")
    with open(path, errors="replace") as f:
        return [m.group(1) for m in map(said.search, f) if m]


def kind(sentence):
    """A sentence's kind, with whose move or draw it is."""
    name, m = told_lines.kind_of(sentence)
    if name == "play":
        return ("computer " if m.group(1) == "Computer" else "your ") + "play"
    if name == "draw":
        return ("computer " if m.group(4) else "your ") + "draw"
    return name or "unknown"


def matched_in_order(expected, said):
    """Which of the expected lines the longest common subsequence of the two
    lists keeps, and which utterances it pairs them with."""
    n, m = len(expected), len(said)
    best = [[0] * (m + 1) for _ in range(n + 1)]
    for i in range(n - 1, -1, -1):
        for j in range(m - 1, -1, -1):
            best[i][j] = best[i + 1][j + 1] + 1 if expected[i] == said[j] else max(best[i + 1][j], best[i][j + 1])
    pairs, i, j = {}, 0, 0
    while i < n and j < m:
        if expected[i] == said[j]:
            pairs[i] = j
            i, j = i + 1, j + 1
        elif best[i + 1][j] >= best[i][j + 1]:
            i += 1
        else:
            j += 1
    return pairs


def main(lines_path, orca_path):
    expected = told(lines_path)
    said = spoken(orca_path)
    pairs = matched_in_order(expected, said)
    count = {}
    for i, line in enumerate(expected):
        for sentence in told_lines.sentences(line):
            tally = count.setdefault(kind(sentence), [0, 0])
            tally[0] += i in pairs
            tally[1] += 1
    print("%d lines told, %d spoken in order, %d utterances in Orca's log" % (len(expected), len(pairs), len(said)))
    for name in MUST + BESIDES + ["unknown"]:
        if name in count or name in MUST:
            done, of = count.get(name, [0, 0])
            print("  %-14s %4d/%-4d spoken%s" % (name, done, of, "" if done == of else "  <- MISSING %d" % (of - done)))
    missing = [i for i in range(len(expected)) if i not in pairs]
    for i in missing:
        print("not spoken (line %d): %s" % (i + 1, expected[i]))
    told_set = set(expected)
    twice = [text for j, text in enumerate(said) if text in told_set and said[:j].count(text) >= expected.count(text)]
    for text in twice:
        print("spoken once more than told: %s" % text)
    lost = any(kind(s) in MUST for i in missing for s in told_lines.sentences(expected[i]))
    return 1 if lost or not expected else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
