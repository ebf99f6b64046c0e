"""A blind player's keyboard game, driven from outside the program.

The player reads the game only through the accessibility bus, as a screen
reader does (whose turn it is, the tiles of "Your tiles", any open message
box), and acts only with keys sent through the window system by xdotool: on
its turn it tries each tile at both ends (Home, then Up, Down and Right), and
with nothing that fits it presses G; Return answers every message box. Used by
the out-of-process client test and by tools/orca_speech.sh, with Listener,
which writes down every line the game tells a screen reader as it comes.
"""

import os
import subprocess
import time

import pyatspi
from gi.repository import GLib

APP_NAME = "pipstone"
RESULTS = ("Win That Game", "Game Is Draw")


def key(*keys):
    """Sends keys to the window that has the keyboard, as a keyboard does."""
    subprocess.run(["xdotool", "key", "--delay", "30", *keys], check=False)


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower() == APP_NAME:
            return app
    return None


def showing(obj):
    try:
        return obj.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def texts_below(obj, depth=3):
    found = []
    try:
        if obj.name:
            found.append(obj.name)
        if depth > 0:
            for child in obj:
                if child is not None:
                    found.extend(texts_below(child, depth - 1))
    except Exception:
        pass
    return found


class Listener:
    """Hears the game as a screen reader does, at event time: every line it
    tells (the text inside a description change) and every focus change, in
    the order they come, each also written to the file LOG as it comes."""

    def __init__(self, log):
        self.log = open(log, "w")
        self.heard = []  # (kind, text, role): kind "line" or "focus"
        self.problems = []

    def listen(self):
        # As a screen reader does, the listener asks for focus events too; Qt
        # sends none of the focus changes without such a listener.
        pyatspi.Registry.registerEventListener(self.on_event, "object:property-change:accessible-description",
                                               "object:state-changed:focused", "focus:")
        # The first line of the file says the listener is listening: the
        # game may start, and its first deal is heard.
        self.log.write("%.3f listening\n" % time.monotonic())
        self.log.flush()

    def note(self, kind, text, role=""):
        self.heard.append((kind, text, role))
        self.log.write("%.3f %s %s %s\n" % (time.monotonic(), kind, role, text))
        self.log.flush()

    def on_event(self, event):
        try:
            if event.host_application is None or event.host_application.name.lower() != APP_NAME:
                return
        except Exception:
            return  # an object of a message box that is gone already
        if event.type.startswith("object:property-change:accessible-description"):
            # The line must come inside the event: read later, it may be gone.
            if not isinstance(event.any_data, str):
                self.problems.append("a line came without its text: %r" % (event.any_data,))
            elif event.any_data and self.heard[-1:] != [("line", event.any_data, "")]:
                # A line goes to each object a reader may be following; a
                # reader speaks it for the one it follows.
                self.note("line", event.any_data)
        elif event.type.startswith("object:state-changed:focused") and event.detail1:
            try:
                self.note("focus", event.source.name, event.source.getRoleName())
            except Exception:
                self.note("focus", "(gone)")

    def lines(self):
        return [text for kind, text, _ in self.heard if kind == "line"]


class ReaderLog:
    """A player who listens before acting: the screen reader is still busy
    while its log grows (it works through what happened before, and a blind
    player waits to hear it); busy() says so for at most about 5 s in a row."""

    def __init__(self, path, most_waits=12):
        self.path = path
        self.size = -1
        self.waits = 0
        self.most_waits = most_waits

    def busy(self):
        try:
            size = os.path.getsize(self.path)
        except OSError:
            size = 0
        grew, self.size = size != self.size, size
        self.waits = self.waits + 1 if grew and self.waits < self.most_waits else 0
        return self.waits > 0


class KeyPlayer:
    """Plays the player's side one key at a time; step() is called by a timer.
    With a reader (ReaderLog), it presses a key only once the reader is quiet."""

    def __init__(self, hands, on_box=None, reader=None):
        self.hands_wanted = hands
        self.on_box = on_box
        self.reader = reader
        self.box_heard = False  # with a reader: the open box had a step to be heard
        self.results = 0
        self.boxes = 0
        self.keys = 0
        self.tries = []
        self.seen = None  # (turn, tiles) when the tries were planned
        self.done = False
        self.app = None

    def board(self):
        frame = next((w for w in self.app if w is not None and w.getRole() == pyatspi.ROLE_FRAME), None)
        if frame is None:
            return None
        for child in frame:
            if child is not None and child.name == "Board":
                return child
        return None

    def open_box(self):
        for window in self.app:
            if window is not None and window.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG) \
                    and showing(window):
                return window
        return None

    def step(self):
        if self.done:
            return False
        try:
            self.app = self.app or find_app()
            if self.app is None or (self.reader and self.reader.busy()):
                return True
            box = self.open_box()
            if box is not None:
                # A box is answered once the reader has had a step to start
                # on it and has fallen quiet again.
                if self.reader and not self.box_heard:
                    self.box_heard = True
                    return True
                self.box_heard = False
                text = " ".join(texts_below(box))
                if any(r in text for r in RESULTS):
                    self.results += 1
                self.boxes += 1
                if self.on_box:
                    self.on_box(text)
                key("Return")
                time.sleep(0.3)  # the box closes before the next look
                if self.results >= self.hands_wanted:
                    self.finish()
                return True
            board = self.board()
            if board is None:
                return True
            turn = board[1].name
            tiles = [t.name for t in board[7]]
            if turn != "Status: Your Turn":
                self.tries = []
                return True
            if self.seen != (turn, tiles) or not self.tries:
                self.seen = (turn, tiles)
                self.tries = ["Home"] + ["Up", "Down", "Right"] * len(tiles) + ["g"]
            key(self.tries.pop(0))
            self.keys += 1
        except Exception as error:  # an object went away under us: look again
            print("look failed:", error, flush=True)
        return True

    def finish(self):
        self.done = True
        GLib.timeout_add(1500, self.quit)

    def quit(self):
        key("ctrl+q")
        GLib.timeout_add(1000, lambda: pyatspi.Registry.stop() and False)
        return False


if __name__ == "__main__":
    # key_game.py HANDS [PACE_MS [LOG [READER_LOG]]]: plays that many hands,
    # a key every PACE_MS (150 unless given), then ends the game with Ctrl+Q;
    # with LOG, writes there every line the game told (Listener); with
    # READER_LOG, the screen reader's log, presses keys only while it is quiet.
    import sys

    player = KeyPlayer(int(sys.argv[1]), reader=ReaderLog(sys.argv[4]) if len(sys.argv) > 4 else None)
    if len(sys.argv) > 3:
        Listener(sys.argv[3]).listen()
    GLib.timeout_add(int(sys.argv[2]) if len(sys.argv) > 2 else 150, player.step)
    GLib.timeout_add_seconds(900, lambda: pyatspi.Registry.stop())
    pyatspi.Registry.start()
    print("%d hands, %d boxes, %d keys" % (player.results, player.boxes, player.keys))
