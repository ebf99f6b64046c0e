"""A blind player's keyboard game, driven from outside the program.

The player reads the game only through the accessibility bus, as a screen
reader does (whose turn it is, the tiles of "Your tiles", any open message
box), and acts only with keys sent through the window system by xdotool: on
its turn it tries each tile at both ends (Home, then Up, Down and Right), and
with nothing that fits it presses G; Return answers every message box. Used by
the out-of-process client test and by tools/orca_speech.sh.
"""

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


class KeyPlayer:
    """Plays the player's side one key at a time; step() is called by a timer."""

    def __init__(self, hands, on_box=None):
        self.hands_wanted = hands
        self.on_box = on_box
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
            if self.app is None:
                return True
            box = self.open_box()
            if box is not None:
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
    # key_game.py HANDS [PACE_MS]: plays that many hands, a key every PACE_MS
    # (150 unless given), then ends the game with Ctrl+Q.
    import sys

    player = KeyPlayer(int(sys.argv[1]))
    GLib.timeout_add(int(sys.argv[2]) if len(sys.argv) > 2 else 150, player.step)
    GLib.timeout_add_seconds(900, lambda: pyatspi.Registry.stop())
    pyatspi.Registry.start()
    print("%d hands, %d boxes, %d keys" % (player.results, player.boxes, player.keys))
