"""Reads the running game as a screen reader does, over AT-SPI, and plays it by ear.

Needs a private D-Bus session (run under dbus-run-session), at-spi2-core and Debian's
python3-pyatspi, which only /usr/bin/python3 imports. Nothing here looks at the screen:
the board is what the table's children say, the player is the focused cell, and a move
is done when the game has said so with a focus or name-change event.
"""
import os
import random
import re
import subprocess
import time

import bot
from harness import Cell, Field, check

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
PLACE = re.compile(r"columns? (\d+)(?: to (\d+))?, rows? (\d+)(?: to (\d+))?, size (\d+) by (\d+)$")
KINDS = {"to visit": "unvisited", "visited": "visited", "tree": "obstacle", "pond": "trap",
         "duck": "enemy"}
SIDES = ("Up", "Down", "Left", "Right")
# What the report says a key would reach, for each kind of cell the bot knows.
AHEAD = {"unvisited": "to visit", "visited": "visited", "enemy": "duck", "obstacle": "tree",
         "trap": "pond"}


class Reader:
    """The accessibility bus of the session, and the game's accessible client area."""

    def __init__(self, game):
        check("DBUS_SESSION_BUS_ADDRESS" in os.environ, "no D-Bus session: run under dbus-run-session")
        self.launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], env=game.env,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        game.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.events = []
        self.client = None

    def connect(self, game):
        """Finds the game's frame on the bus once the program is up."""
        # Imported only now: it reaches the accessibility bus when first used.
        import pyatspi
        from gi.repository import GLib
        self.pyatspi, self.context = pyatspi, GLib.MainContext.default()
        pyatspi.Registry.registerEventListener(self.events.append, "focus:",
                                               "object:property-change:accessible-name")

        def find():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.name == "Tarvik":
                    for child in app[0]:
                        if child.getRoleName() == "filler" and child.childCount == 2:
                            return child
            return None
        self.client = game.poll(find, 20, "the game's client area on the accessibility bus")
        check(self.board().name == "Board" and self.board().getRoleName() == "table",
              "the board is %s %r" % (self.board().getRoleName(), self.board().name))

    def close(self):
        if self.launcher.poll() is None:
            self.launcher.terminate()
            self.launcher.wait(5)

    def board(self):
        return self.client[0]

    def message(self):
        return self.client[1].name

    def focused(self):
        """The focused cell's name and description."""
        focused = self.pyatspi.STATE_FOCUSED
        for cell in self.board():
            if cell.getState().contains(focused):
                return cell.name, cell.description
        return None

    def pump(self):
        while self.context.iteration(False):
            pass

    def listen(self):
        """Forgets what was said so far; call before the key whose answer is awaited."""
        self.pump()
        self.events.clear()

    def wait_report(self, game, before, what):
        """Waits for a focus or name-change event of a cell, until the focused cell's
        name differs from before; returns it."""
        heard = []

        def spoken():
            self.pump()
            heard.extend(e for e in self.events if e.source.getRoleName() == "table cell")
            self.events.clear()
            now = self.focused()
            return now[0] if heard and now and now[0] != before else None
        return game.poll(spoken, 10, what)


def menu_bar(game):
    """The names of the menu bar's menus, as the game's frame tells them on the bus."""
    import pyatspi

    def find():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Tarvik":
                for child in app[0]:
                    if child.getRoleName() == "menu bar" and child.childCount:
                        return [item.name for item in child]
        return None
    return game.poll(find, 20, "the game's menu bar on the accessibility bus")


def place(description):
    """A cell's squares as left, top, right, bottom, right and bottom exclusive."""
    found = PLACE.match(description)
    check(found, "a cell described as %r" % description)
    left, right, top, bottom, width, height = (int(g) if g else None for g in found.groups())
    right, bottom = right or left, bottom or top
    check((right - left + 1, bottom - top + 1) == (width, height), "size of %r" % description)
    return left - 1, top - 1, right, bottom


class SpokenField(Field):
    """The board as its table's children tell it, in the shape the screenshot bot reads."""

    # Reads the table instead of a screenshot, so the screenshot's reading is not called.
    def __init__(self, reader):
        self.cells, self.cell_at = [], {}
        self.report = None
        focused = reader.pyatspi.STATE_FOCUSED
        for child in reader.board():
            cell = Cell(len(self.cells), *place(child.description))
            if child.getState().contains(focused):
                cell.kind, self.report = "player", child.name
            else:
                check(child.name in KINDS, "a cell named %r" % child.name)
                cell.kind = KINDS[child.name]
            self.cells.append(cell)
            for column in range(cell.left, cell.right):
                for row in range(cell.top, cell.bottom):
                    check((column, row) not in self.cell_at, "two cells cover %d,%d" % (column, row))
                    self.cell_at[(column, row)] = cell
        check(len(self.cell_at) == 18 * 13, "the cells cover %d squares" % len(self.cell_at))
        for a in self.cells:
            for b in self.cells:
                if a is not b and touch(a, b):
                    a.neighbours.add(b.index)
        check(self.report is not None, "no cell has the focus")

    def next_move(self):
        found = re.search(r"Move (\d) of 3 next\.", self.report)
        check(found, "the report tells no next move: %r" % self.report)
        return int(found.group(1)) - 1

    def ahead(self):
        """What the report says each key would reach, by side."""
        return dict(re.findall(r"\b(Up|Down|Left|Right): ([a-z, ]+)\.", self.report))


def touch(a, b):
    """Whether two cells share part of an edge."""
    across = min(a.bottom, b.bottom) > max(a.top, b.top)
    along = min(a.right, b.right) > max(a.left, b.left)
    return (across and (a.right == b.left or b.right == a.left)) or \
        (along and (a.bottom == b.top or b.bottom == a.top))


def check_ahead(field, way):
    """The report's four sides are what the keys' aim rule reaches on the told board."""
    reached = {heading.capitalize(): AHEAD[target.kind]
               for (heading, _), target, _ in way.moves(field, way.place(field))}
    for side in SIDES:
        check(field.ahead().get(side) == reached.get(side, "edge"),
              "%s: the report says %r, the board %r (%r)"
              % (side, field.ahead().get(side), reached.get(side, "edge"), field.report))


def new_pattern(game, reader):
    before = reader.focused()
    reader.listen()
    game.key("space")
    reader.wait_report(game, before and before[0], "the report of a new pattern")
    field = SpokenField(reader)
    check(field.report.startswith("Started. You."), "a new pattern reports %r" % field.report)
    check(reader.message() == "Started.", "the message line reads %r" % reader.message())
    return field


def play(game, reader, seconds, seed=3):
    """Plays by ear, with the keys alone, until a pattern is cleared; returns the moves.

    Every report is checked against the board the table tells: the sides against the aim
    rule, the ducks against the last chase."""
    rng = random.Random(seed)
    way = bot.Keys(rng)
    deadline = time.monotonic() + seconds
    moves = 0
    field = new_pattern(game, reader)
    way.start(field)
    while True:
        check(time.monotonic() < deadline, "no clear within %g s, %d moves" % (seconds, moves))
        check_ahead(field, way)
        move = bot.choose_move(field, field.next_move(), True, rng, way)
        if move is None:
            field = new_pattern(game, reader)
            way.start(field)
            continue
        ducks = sorted(c.rect for c in field.of_kind("enemy"))
        left = field.player().rect
        reader.listen()
        target = way.make(game, field, move)
        moves += 1
        reader.wait_report(game, field.report, "the report after a move")
        field = SpokenField(reader)
        way.done(move)
        check(field.player().rect == target.rect, "the focus is on %s, not %s"
              % (field.player().rect, target.rect))
        # The cell left is visited, unless a duck took it in the chase.
        behind = field.cell_at[left[:2]].kind
        check(target.rect == left or behind == "visited" or (behind == "enemy" and field.next_move() == 0),
              "the cell left behind is told as %s" % behind)
        if field.report.startswith("Cleared!"):
            check(reader.message() == "Cleared!", "the message line reads %r" % reader.message())
            return moves
        if field.report.startswith("Gameover."):
            field = new_pattern(game, reader)
            way.start(field)
            continue
        # The ducks' cells as the board names them follow what the report says of the chase.
        now = sorted(c.rect for c in field.of_kind("enemy"))
        if "No duck moved." in field.report:
            check(now == ducks, "no duck moved, yet the board shows ducks at %s" % now)
        elif "moved" in field.report:
            check(now != ducks, "the ducks moved, yet the board shows them where they were")
        else:
            check(now == ducks, "the ducks moved between chases")
