"""The lines the game tells a screen reader, sentence by sentence, each with
its kind: what the out-of-process client test checks and what
tools/orca_speech_check.py looks for in Orca's speech."""

import re

# A line is told as sentences; open ends and a new hand's opener stay with
# the sentence they belong to.
SENTENCE = re.compile(r"(?:New hand\. )?[^.]*\.(?: Left end \d, right end \d\.)?")

PATTERNS = [
    ("deal", re.compile(r"New hand\. (You|Computer) opens?\.$")),
    ("opening", re.compile(r"(You|Computer) opens? with (\d) and (\d)\. Left end (\d), right end (\d)\.$")),
    ("play", re.compile(r"(You|Computer) plays? (\d) and (\d) on the (left|right) end\. Left end (\d), right end (\d)\.$")),
    ("draw", re.compile(r"(?:(You) take (\d) and (\d)|(Computer) takes a tile) from the stock, (\d+) left\.$")),
    ("turn", re.compile(r"(Your|Computer's) turn\.$")),
    ("pass", re.compile(r"(You|Computer) cannot move and pass(?:es)?\.$")),
    ("hand", re.compile(r"Hand over\.")),
    ("addition", re.compile(r"Computer adds (\d+), you add (\d+)\.$")),
    ("totals", re.compile(r"Computer (\d+), you (\d+)\.$")),
    ("winner", re.compile(r"(Computer wins the hand|You win the hand|The hand is a draw)\.$")),
    ("refusal", re.compile(r"\d and \d does not go there\.$")),
    ("now on", re.compile(r"Now on \d and \d\.$")),
    ("match", re.compile(r"Match over\.|.* wins the match\.|The match is a draw\.")),
]


def sentences(line):
    """The sentences of one line, in order."""
    return [s.strip() for s in SENTENCE.findall(line) if s.strip()]


def kind_of(sentence):
    """The kind of a sentence and its match, or (None, None) for one nobody
    can follow."""
    for name, pattern in PATTERNS:
        m = pattern.match(sentence)
        if m:
            return name, m
    return None, None
