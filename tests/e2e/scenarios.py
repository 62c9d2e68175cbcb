"""End-to-end scenarios of the real game: scenarios.py NAME BUILD_DIR"""
import configparser
import os
import shutil
import signal
import sys
import time
import traceback
import urllib.parse

import bot
import reader
from harness import (BACKGROUND, CLIENT_H, CLIENT_W, MESSAGE_RECT, OBSTACLE, Field, Game, check,
                     enlarged)

PICTURE = (265, 178)
# Where the board fits at 200 % on a desktop of double scale.
ZOOM_SCREEN = (2400, 1800)
# A small pattern with one duck and no trees or ponds, which a bot clears quickly.
ONE_DUCK = "[fieldOption]\ncell=24\nobstacle=0\ntrap=0\n[others]\nenemyCount=1\n"


def waiting(game):
    """Waits for the waiting picture: the tree on an empty field."""
    def ready(shot):
        x, y = PICTURE
        return (shot.message_colour() == "white" and shot.pixel(x - 1, y) == OBSTACLE
                and shot.count(OBSTACLE, x, y, x + 26, y + 24) < 26 * 24
                and shot.count(OBSTACLE, 8, 8, 548, 372) > 540 * 364 - 26 * 24)
    return game.wait_shot(ready, "the waiting picture")


def start_by_picture(game):
    game.click(278, 190)
    return game.wait_field(lambda f: f.player() is not None and len(f.cells) > 1,
                           "a pattern after clicking the waiting picture")


def free_neighbours(field):
    return [field.cells[n] for n in sorted(field.player().neighbours)
            if field.cells[n].kind not in ("enemy", "obstacle")]


def free_neighbour(field):
    """A cell beside the player's that a click can move to."""
    targets = free_neighbours(field)
    check(targets, "the player at %s has no free neighbour" % (field.player().rect,))
    return targets[0]


def movable(game, field, confirm=False):
    """Deals new patterns until the player can move: a dealt player may be walled in by
    trees and ducks. Returns the field and how many patterns were dealt again."""
    dealt = 0
    while not free_neighbours(field):
        before = field.layout()
        game.key("F2")
        if confirm:
            question = game.poll(lambda: game.visible("^Confirmation$"), 5, "the question")
            game.key("Return", window=question.pop())
        field = game.wait_field(lambda f: f.player() and f.layout() != before, "a pattern dealt again")
        dealt += 1
    return field, dealt


def move_to_neighbour(game, field):
    target = free_neighbour(field)
    game.click_square(*field.square_beside(field.player(), target))
    return game.wait_field(lambda f: f.player() and f.player().rect == target.rect,
                           "the player to move to %s" % (target.rect,))


def read_settings(game):
    parser = configparser.ConfigParser(interpolation=None)
    check(parser.read(game.settings_path), "no settings.ini after exit")
    return parser


def choose(game, menu, item):
    """Opens a menu of the menu bar by its key and chooses an item by its accelerator."""
    before = game.visible()
    game.key(menu)
    game.poll(lambda: game.visible() - before, 5, "the menu of %s" % menu)
    game.key(item, focus=False)


def exit_by_menu(game, menu="alt+g", item="x"):
    choose(game, menu, item)
    check(game.wait_exit() == 0, "exit status %s" % game.program.returncode)
    return read_settings(game)


def scenario_window(game):
    game.launch()
    _, _, width, height = game.geometry()
    # The menu bar sits above the client area; whatever its height, the client stays 556 x 420.
    check(width == CLIENT_W and CLIENT_H + 10 <= height <= CLIENT_H + 60,
          "window %d x %d" % (width, height))
    check(game.x("xdotool", "getwindowname", game.window).stdout.strip() == "Tarvik",
          "caption is not Tarvik")
    shot = waiting(game)
    x, y = PICTURE
    # The tree's own pixels lie inside its tile; all around it is field green.
    for dx, dy in ((-1, 0), (26, 0), (0, -1), (0, 24), (25, 23), (-1, 23)):
        check(shot.pixel(x + dx, y + dy) == OBSTACLE, "around the picture at %+d %+d" % (dx, dy))
    for px, py in ((0, 0), (555, 0), (0, 419), (555, 419), (7, 200), (548, 200),
                   (278, 7), (278, 372), (278, 379), (4, 413), (278, 415)):
        check(shot.pixel(px, py) == BACKGROUND, "margin at %d,%d" % (px, py))
    # The client area starts right under the menu bar and the field right inside the margin.
    check(shot.pixel(278, -1) != BACKGROUND, "the menu bar is not %d pixels high"
          % game.menu_height)
    for px, py in ((8, 8), (547, 8), (8, 371), (547, 371)):
        check(shot.pixel(px, py) == OBSTACLE, "field corner at %d,%d" % (px, py))
    check(shot.count(OBSTACLE, 8, 8, 548, 372) > 540 * 364 - 26 * 24,
          "the field area is not an empty green")


def scenario_play(game):
    game.launch()
    waiting(game)
    field = start_by_picture(game)
    check(field.shot.message_colour() == "white", "no white message after the start")
    field, dealt = movable(game, field)
    player = field.player()
    field = move_to_neighbour(game, field)
    check(field.cell_at[(player.left, player.top)].kind == "visited",
          "the start cell is not shown visited")

    for key in ("F2", "space"):
        before = field.layout()
        game.key(key)
        field = game.wait_field(lambda f: f.player() and f.layout() != before,
                                "a new pattern after %s" % key)

    # Retry: same cells, every one of them to visit again, and a different message.
    field, again = movable(game, field)
    field = move_to_neighbour(game, field)
    layout, started = field.layout(), field.shot.message_pixels()
    game.key("Return")
    field = game.wait_field(
        lambda f: f.player() and not f.of_kind("visited")
        and f.shot.message_pixels() != started, "the retry")
    check(field.layout() == layout, "retry changed the pattern")
    check(field.shot.message_colour() == "white", "retry message is not white")

    # A right click on a neighbour opens the popup menu and leaves the piece alone.
    player = field.player()
    before = game.visible()
    game.click_square(*field.square_beside(player, free_neighbour(field)), button=3)
    game.poll(lambda: game.visible() - before, 5, "the popup menu")
    game.key("Escape", focus=False)
    game.poll(lambda: game.visible() == before, 5, "the popup to close")
    # The popup hid part of the field; what it uncovers must show the piece unmoved.
    field = game.wait_field(lambda f: f.player(), "the field after the popup")
    check(field.player().rect == player.rect, "a right click moved the piece")

    settings = exit_by_menu(game)
    check(settings.has_section("statusOption"), "settings.ini has no statistics")
    check(settings.getint("statusOption", "start") == 3 + dealt + again, "start count %s"
          % settings.get("statusOption", "start"))


def scenario_bot(game):
    game.launch()
    waiting(game)
    seen, moves = bot.play(game, "orange", careful=False, seconds=40, max_moves=600)
    print("game over after %d moves, seen %s" % (moves, seen))
    check(exit_by_menu(game).getint("statusOption", "gameover") >= 1, "no game over counted")

    game.write_settings(ONE_DUCK)
    game.launch()
    waiting(game)
    seen, moves = bot.play(game, "yellow", careful=True, seconds=40, max_moves=600)
    print("cleared after %d moves, seen %s" % (moves, seen))
    field = game.wait_field(lambda f: True, "the cleared field")
    check(len(field.cells) == 24 and len(field.of_kind("enemy")) == 1
          and not field.of_kind("obstacle") and not field.of_kind("trap"),
          "the prepared options were not used")
    settings = exit_by_menu(game)
    check(settings.getint("statusOption", "clear") >= 1, "no clear counted")


def keys_only(game):
    """From here on, a pointer event fails the scenario."""
    def no_pointer(*args, **kwargs):
        raise AssertionError("a pointer event where only keys may be used")
    game.click = no_pointer


def scenario_keys(game):
    """A whole game from the keyboard: no pointer event is sent."""
    keys_only(game)
    game.write_settings(ONE_DUCK)
    game.launch()
    waiting(game)
    seen, moves = bot.play(game, "yellow", careful=True, seconds=60, max_moves=600, keys=True)
    print("cleared by keys after %d moves, seen %s" % (moves, seen))

    # The desktop's menu keys: F10 opens the menu bar, Shift+F10 and the Menu key the
    # popup menu; Escape closes each, and the keys then reach the field again.
    for key in ("F10", "shift+F10", "Menu"):
        before = game.visible()
        game.key(key)
        game.poll(lambda: game.visible() - before, 5, "a menu after %s" % key)
        game.key("Escape", focus=False)
        game.poll(lambda: game.visible() == before, 5, "the menu to close after %s" % key)
    layout = game.wait_field(lambda f: True, "the cleared field").layout()
    game.key("Return")
    field = game.wait_field(lambda f: f.player() and not f.of_kind("visited"), "the retry")
    check(field.layout() == layout, "retry changed the pattern")
    check(exit_by_menu(game).getint("statusOption", "clear") >= 1, "no clear counted")


def scenario_screenreader(game):
    """Played by ear: only what a screen reader gets, and only the keyboard."""
    keys_only(game)
    game.write_settings(ONE_DUCK)
    ear = reader.Reader(game)
    try:
        game.launch()
        ear.connect(game)
        check(ear.message() == "Waiting to be started.", "the message line reads %r" % ear.message())
        check(ear.board().childCount == 0, "the waiting board has cells")
        moves = reader.play(game, ear, seconds=90)
        print("cleared by ear after %d moves" % moves)

        # A new pattern is told anew: other cells, every one to visit but the player's and
        # the duck's.
        layout = reader.SpokenField(ear).layout()
        field = reader.new_pattern(game, ear)
        check(field.layout() != layout, "the board tells the old pattern")
        kinds = sorted(c.kind for c in field.cells)
        check(kinds == ["enemy", "player"] + ["unvisited"] * 22, "a new pattern told as %s" % kinds)
        # Ended by a signal, which saves as a close does: with a listener on the bus, Qt
        # hands every key to the registry with a short time-out, and under load a menu's
        # accelerator now and then goes astray.
        game.program.send_signal(signal.SIGTERM)
        check(game.wait_exit() == 0, "exit status %s" % game.program.returncode)
        check(read_settings(game).getint("statusOption", "clear") >= 1, "no clear counted")
    finally:
        ear.close()


def scenario_settings(game):
    game.launch()
    waiting(game)
    field, dealt = movable(game, start_by_picture(game))
    move_to_neighbour(game, field)
    game.x("xdotool", "windowmove", game.window, "100", "60")
    game.poll(lambda: game.geometry()[:2] == (100, 60), 5, "the window to move")
    first = exit_by_menu(game)
    for key, value in (("start", 1 + dealt), ("gameover", 1)):
        check(first.getint("statusOption", key) == value,
              "%s is %s after run 1" % (key, first.get("statusOption", key)))

    game.launch()
    check(game.geometry()[:2] == (100, 60), "run 2 opened at %s" % (game.geometry()[:2],))
    waiting(game)
    start_by_picture(game)
    second = exit_by_menu(game)
    for key, value in (("start", 2 + dealt), ("gameover", 1)):
        check(second.getint("statusOption", key) == value,
              "%s is %s after run 2" % (key, second.get("statusOption", key)))
    check((second.getint("others", "left"), second.getint("others", "top")) == (100, 60),
          "position not kept")


def still_client(game, what):
    """The client area's pixels once two screenshots in a row agree."""
    def probe():
        first = game.shot().client()
        return first if game.shot().client() == first else None
    return game.poll(probe, 10, what)


def shows_enlarged(game, pixels, factor, what):
    """Waits for the client area to show pixels of the board at 100 % enlarged by factor;
    the pieces' animation may need a few screenshots to come round to the same frame."""
    wanted = enlarged(pixels, CLIENT_W, CLIENT_H, factor)
    game.wait_shot(lambda shot: shot.client() == wanted, what)


def zoom(game, key, scale):
    game.key(key)
    game.rescale(scale)


def scenario_zoom(game):
    width, _ = ZOOM_SCREEN
    home = (width - 700, 100)
    game.write_settings("[others]\nleft=%d\ntop=%d\n" % home)
    game.launch()
    check(game.geometry()[:2] == home, "opened at %s" % (game.geometry()[:2],))
    waiting_pixels = waiting(game).client()
    game.key("F2")
    movable(game, game.wait_field(lambda f: f.player() and len(f.cells) > 1, "a pattern"))
    pattern = still_client(game, "the pattern to hold still")

    # A larger step moves the window just far enough to show it whole.
    zoom(game, "ctrl+plus", 2)
    check(game.geometry()[:2] == (width - 2 * CLIENT_W, home[1]),
          "at 200 %% the window stands at %s" % (game.geometry()[:2],))
    shows_enlarged(game, pattern, 2, "the pattern at 200 %")
    # Clicks at 200 % move the cat; drawn at 200 %, the moves look as at 100 %.
    after = move_to_neighbour(game, Field(game.shot())).signature()
    zoom(game, "ctrl+0", 1)
    check(game.geometry()[:2] == home, "back at 100 %% at %s" % (game.geometry()[:2],))
    # Until the game repaints, the smaller window may still show a corner of the larger.
    game.wait_field(lambda f: f.signature() == after, "the moved pattern at 100 %")
    moved = still_client(game, "the moved pattern to hold still")
    zoom(game, "ctrl+equal", 2)
    shows_enlarged(game, moved, 2, "the moved pattern at 200 %")
    zoom(game, "ctrl+minus", 1)
    zoom(game, "ctrl+KP_Add", 2)
    settings = exit_by_menu(game)
    check(settings.getint("others", "zoom") == 2, "zoom %s saved" % settings.get("others", "zoom"))
    position = (settings.getint("others", "left"), settings.getint("others", "top"))
    check(position == home, "the place at 100 %% became %s" % (position,))

    game.launch()
    check(game.geometry()[:2] == (width - 2 * CLIENT_W, home[1]),
          "run 2 opened at %s" % (game.geometry()[:2],))
    waiting(game)
    exit_by_menu(game)

    # A desktop of double scale: every board pixel is a block of 4 x 4 screen pixels, and
    # the board is the one at 100 %. Only the message's letters may differ: the font
    # engine hints them otherwise on such a desktop.
    game.env["QT_SCALE_FACTOR"] = "2"
    game.scale = 4
    game.launch()
    shot = waiting(game)
    board = shot.region(0, 0, CLIENT_W, CLIENT_H)
    check(shot.client() == enlarged(board, CLIENT_W, CLIENT_H, 4),
          "at 200 % on a double-scale desktop the board pixels are not blocks of 4 x 4")
    above_message = MESSAGE_RECT[1] * CLIENT_W * 3
    check(board[:above_message] == waiting_pixels[:above_message],
          "at 200 % on a double-scale desktop the board is not the one at 100 %")
    exit_by_menu(game)


def end_by_signals(game, *signals):
    """Sends the signals; held up while the program is stopped, they arrive together."""
    game.program.send_signal(signal.SIGSTOP)
    for number in signals:
        game.program.send_signal(number)
    game.program.send_signal(signal.SIGCONT)
    return game.wait_exit()


def scenario_signals(game):
    # A question open after a move: the signal ends the game and counts the abandoned
    # pattern as lost, as a close without a question does. A session's end sends SIGTERM
    # and SIGHUP together, one request.
    game.write_settings("[systemOption]\nconfirm=1\n")
    game.launch()
    waiting(game)
    field, dealt = movable(game, start_by_picture(game), confirm=True)
    move_to_neighbour(game, field)
    game.key("F2")
    game.poll(lambda: game.visible("^Confirmation$"), 5, "the question")
    check(end_by_signals(game, signal.SIGTERM, signal.SIGHUP) == 0, "exit status %s" % game.program.returncode)
    settings = read_settings(game)
    for key, value in (("start", 1 + dealt), ("gameover", 1)):
        check(settings.getint("statusOption", key) == value,
              "%s is %s" % (key, settings.get("statusOption", key)))

    # The settings can be neither read nor saved. A signal while the first box is open
    # ends the game; the failed save goes to standard error, with nobody to answer a box.
    # The same signal again a moment later, as timeout(1) sends it to the process and then
    # to its group, is still that one request.
    os.remove(game.settings_path)
    os.mkdir(game.settings_path)
    game.start()
    game.poll(lambda: game.visible("^Error$"), 20, "the box about the settings")
    game.program.send_signal(signal.SIGTERM)
    time.sleep(0.05)
    game.program.send_signal(signal.SIGTERM)
    check(game.wait_exit() == 0, "exit status %s" % game.program.returncode)
    with open(game.error_path) as error:
        check("Failed to save settings." in error.read(), "no report of the failed save")

    # After an exit from the menu the box about the failed save waits for an answer; a
    # second signal ends the program at once, by its default action.
    game.start()
    box = game.poll(lambda: game.visible("^Error$"), 20, "the box about the settings").pop()
    game.key("Return", window=box)
    game.wait_window()
    waiting(game)
    choose(game, "alt+g", "x")
    game.poll(lambda: game.visible("^Error$"), 20, "the box about the failed save")
    status = end_by_signals(game, signal.SIGTERM, signal.SIGINT)
    check(status in (-signal.SIGTERM, -signal.SIGINT), "exit status %s" % status)
    check(os.path.isdir(game.settings_path), "the folder in the way was replaced")


def scenario_wayland(game):
    # Wayland neither tells a client where its window is nor lets it place one: the
    # stored position must come through a run unchanged.
    game.write_settings("[others]\nleft=100\ntop=80\n")
    game.start()

    def mapped():
        check(game.program.poll() is None, "the program ended early")
        return "top-level window 'Tarvik' of org.tarvik.Tarvik" in game.x(
            "weston-debug", "scene-graph").stdout
    game.poll(mapped, 20, "the window on Weston")
    game.program.send_signal(signal.SIGTERM)
    check(game.wait_exit() == 0, "exit status %s" % game.program.returncode)
    with open(game.error_path) as error:
        complaints = [line for line in error if "fail" in line.lower() or "error" in line.lower()]
    check(not complaints, "the game complained: %s" % complaints)
    settings = read_settings(game)
    check(settings.has_section("statusOption"), "the settings were not saved")
    position = (settings.getint("others", "left"), settings.getint("others", "top"))
    check(position == (100, 80), "the stored position became %s" % (position,))


def dialog(game, key, title):
    game.key(key)
    return game.poll(lambda: game.visible("^%s$" % title), 5, "a window titled %s" % title).pop()


def closed(game, title):
    game.poll(lambda: not game.visible("^%s$" % title), 5, "the %s window to close" % title)


def owner(game, wid):
    """The window that a dialog or box is transient for, as the window manager reads it."""
    out = game.x("xprop", "-id", wid, "WM_TRANSIENT_FOR").stdout
    check("#" in out, "window %s is transient for none: %s" % (wid, out.strip()))
    return int(out.split("#")[1], 16)


def belongs_to_window(game, wid, title, centred=True):
    """The dialog is the main window's own and, unless a box, in the middle of the screen."""
    check(owner(game, wid) == int(game.window), "%s is not transient for the main window" % title)
    x, y, width, height = game.geometry(wid)
    check(not centred or (abs(2 * x + width - 1280) <= 2 and abs(2 * y + height - 1024) <= 2),
          "%s is not centred on the screen: %s" % (title, (x, y, width, height)))


def scenario_dialogs(game):
    game.launch()
    waiting(game)
    status = dialog(game, "F4", "Status")
    belongs_to_window(game, status, "Status")
    game.key("Return", window=status)
    closed(game, "Status")

    option = dialog(game, "F5", "Option")
    belongs_to_window(game, option, "Option")
    game.key("alt+1", "End", "Return", window=option)
    closed(game, "Option")
    field = game.wait_field(lambda f: len(f.cells) == 40 and f.player(),
                            "a pattern of 40 cells")
    check(field.shot.message_colour() == "white", "the new pattern shows no white message")

    help_box = dialog(game, "F1", "Help")
    belongs_to_window(game, help_box, "the Help question", centred=False)
    game.key("Escape", window=help_box)
    closed(game, "Help")
    choose(game, "alt+h", "a")
    about = game.poll(lambda: game.visible("^About$"), 5, "a window titled About").pop()
    belongs_to_window(game, about, "About")
    game.key("Return", window=about)
    closed(game, "About")
    check(game.program.poll() is None, "the program ended")
    check(exit_by_menu(game).getint("fieldOption", "cell") == 40, "cell count not saved")

    # The boxes of a start that finds a sound file broken and the settings unreadable come
    # before the main window is shown, and still belong to it.
    os.remove(os.path.join(game.folder, "sound", "start.wav"))
    os.mkdir(os.path.join(game.folder, "sound", "start.wav"))
    os.remove(game.settings_path)
    os.mkdir(game.settings_path)
    game.start()
    owners = set()
    for what in ("sound", "settings"):
        box = game.poll(lambda: game.visible("^Error$"), 20, "the box about the %s" % what).pop()
        owners.add(owner(game, box))
        game.key("Return", window=box)
        game.poll(lambda: box not in game.visible("^Error$"), 5, "the box about the %s to close" % what)
    game.wait_window()
    check(owners == {int(game.window)}, "the start-up boxes are transient for %s, not for the main window %s"
          % (sorted(owners), game.window))


# A pattern with trees and ponds that differs from the default options.
NUMBER = "24-2-1-1-4242"


def play_number(game, number):
    """Types a number into the Pattern number dialog and waits for the pattern it names."""
    choose(game, "alt+g", "p")
    box = game.poll(lambda: game.visible("^Pattern number$"), 5, "the Pattern number dialog").pop()
    belongs_to_window(game, box, "Pattern number")
    game.key(*[c if c.isdigit() else "minus" for c in number], "Return", window=box)
    closed(game, "Pattern number")
    return game.wait_field(lambda f: f.player() and len(f.cells) == 24, "the pattern of %s" % number)


def scenario_numbers(game):
    """A typed number deals the same pattern in another run; undo takes a move back."""
    pictures = []
    for run in range(2):
        game.launch()
        waiting(game)
        field = play_number(game, NUMBER)
        check(len(field.of_kind("obstacle")) == 2, "%s shows other trees: %s" % (NUMBER, field.signature()))
        pictures.append(field.signature())
        move_to_neighbour(game, field)
        game.key("BackSpace")
        game.wait_field(lambda f: f.signature() == field.signature(), "the move to be taken back")
        # The number's options were the pattern's alone.
        check(exit_by_menu(game).getint("fieldOption", "cell") == 32, "the typed options were saved")
    check(pictures[0] == pictures[1], "the same number dealt two patterns:\n%s\n%s" % tuple(pictures))


def scenario_german(game):
    """A German desktop: German captions, board message and help page."""
    game.launch()
    english = waiting(game).message_pixels()
    exit_by_menu(game)

    # Stands in for the desktop's opener and notes what it was asked to open.
    opened = os.path.join(game.root, "opened")
    tools = os.path.join(game.root, "bin")
    os.makedirs(tools)
    opener = os.path.join(tools, "xdg-open")
    with open(opener, "w") as f:
        f.write('#!/bin/sh\nprintf "%%s" "$1" > "%s"\n' % opened)
    os.chmod(opener, 0o755)
    game.env.update(LANG="de_DE.UTF-8", PATH=tools + os.pathsep + game.env["PATH"])

    game.launch()
    check(waiting(game).message_pixels() != english, "the waiting message is the English one")
    option = dialog(game, "F5", "Optionen")
    game.key("Escape", window=option)
    closed(game, "Optionen")

    help_box = dialog(game, "F1", "Hilfe")
    game.key("Return", window=help_box)
    url = game.poll(lambda: os.path.exists(opened) and open(opened).read(), 10, "the help page to open")
    page = urllib.parse.unquote(urllib.parse.urlparse(url).path)
    check(page == os.path.join(game.folder, "help", "de", "index.html"), "opened %s" % url)
    exit_by_menu(game, "alt+s", "b")


# Every font with Japanese letters left out, as on a desktop without any: Qt then draws
# the game font's missing-glyph box for each of them.
NO_JAPANESE_FONTS = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
<include ignore_missing="yes">/etc/fonts/fonts.conf</include>
<selectfont><rejectfont><pattern><patelt name="lang"><string>ja</string></patelt></pattern></rejectfont></selectfont>
</fontconfig>
"""


def message_letters(game):
    """Starts a pattern and returns the message line's letters, each the pixels of a run of
    columns with ink, after checking that the ink keeps off the line's edges."""
    game.launch()
    waiting(game)
    game.key("space")
    shot = game.wait_field(lambda f: f.player() is not None, "a pattern after Space").shot
    left, top, right, bottom = MESSAGE_RECT
    rows = [shot.region(left, y, right, y + 1) for y in range(top, bottom)]
    ink = [any(row[3 * x:3 * x + 3] != bytes(BACKGROUND) for row in rows) for x in range(right - left)]
    check(rows[0] == rows[-1] == bytes(BACKGROUND) * (right - left) and not ink[0] and not ink[-1],
          "the message runs into the edge of its line")
    letters, start = [], None
    for x, inked in enumerate(ink + [False]):
        if inked and start is None:
            start = x
        elif not inked and start is not None:
            letters.append(b"".join(row[3 * start:3 * x] for row in rows))
            start = None
    exit_by_menu(game)
    return letters


def scenario_japanese(game):
    """A Japanese desktop: the menus and the message line in Japanese letters, not boxes."""
    ear = reader.Reader(game)
    try:
        game.env.update(LANG="ja_JP.UTF-8")
        game.launch()
        menus = reader.menu_bar(game)
        check(menus and menus[0].startswith("ゲーム"), "the menu bar reads %s" % menus)
        game.program.send_signal(signal.SIGTERM)
        check(game.wait_exit() == 0, "exit status %s" % game.program.returncode)
    finally:
        ear.close()
    game.env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")
    letters = message_letters(game)
    fonts = os.path.join(game.root, "fonts.conf")
    with open(fonts, "w") as f:
        f.write(NO_JAPANESE_FONTS)
    game.env.update(FONTCONFIG_FILE=fonts)
    boxes = set(message_letters(game))
    # ス タ ー ト ！
    check(len(letters) >= 5, "the message line holds %d letters" % len(letters))
    check(boxes and not boxes & set(letters), "the message line shows missing-glyph boxes")


def main():
    name, build_dir = sys.argv[1], sys.argv[2]
    game = Game(build_dir, name)
    try:
        if name == "wayland":
            game.start_weston()
        else:
            game.start_x("%dx%d" % ZOOM_SCREEN if name == "zoom" else "1280x1024")
        globals()["scenario_" + name](game)
    except Exception:
        traceback.print_exc()
        path = game.save_failure()
        print("FAILED; files in %s%s" % (game.root, "; screenshot %s" % path if path else ""))
        return 1
    finally:
        game.close()
    shutil.rmtree(game.root, ignore_errors=True)
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
