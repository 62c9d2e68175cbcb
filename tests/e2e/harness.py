"""Runs a copy of the real game under a private Xvfb and drives it with real X input.

Everything is read back from screenshots: the field's cells are the regions between
the dark outlines, and a cell's colour and tile tell what stands on it.
"""
import os
import select
import shutil
import subprocess
import tempfile
import time

CLIENT_W, CLIENT_H = 556, 420
COLUMNS, ROWS = 18, 13
MESSAGE_RECT = (8, 380, 548, 412)

BACKGROUND = (0, 64, 0)
PLAYER = (255, 160, 255)
ENEMY = (255, 255, 128)
OBSTACLE = (0, 128, 0)
GROUND = (0, 160, 0)
WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)
PALE_YELLOW = (255, 255, 128)
ORANGE = (255, 128, 0)
MESSAGE_COLOURS = {WHITE: "white", YELLOW: "yellow", PALE_YELLOW: "pale yellow",
                   ORANGE: "orange"}


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def run(*args, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, timeout=20, **kwargs)


def square_origin(column, row):
    return 8 + 30 * column, 8 + 28 * row


class Shot:
    """A screenshot of the main window, addressed in client coordinates of the board at
    100 %; scale is how many screen pixels one of them takes, either way."""

    def __init__(self, ppm, menu_height, scale=1):
        magic, width, height, maxval, data = parse_ppm(ppm)
        check(magic == b"P6" and maxval == 255, "screenshot is not an 8-bit PPM")
        self.width, self.height, self.data = width, height, data
        self.menu_height, self.scale = menu_height, scale

    def pixel(self, x, y):
        i = ((y * self.scale + self.menu_height) * self.width + x * self.scale) * 3
        return tuple(self.data[i:i + 3])

    def region(self, left, top, right, bottom):
        rows = []
        for y in range(top, bottom):
            i = ((y * self.scale + self.menu_height) * self.width + left * self.scale) * 3
            row = self.data[i:i + (right - left) * self.scale * 3]
            if self.scale > 1:
                row = b"".join(row[j:j + 3] for j in range(0, len(row), 3 * self.scale))
            rows.append(row)
        return b"".join(rows)

    def client(self):
        """The client area's screen pixels, rows of RGB."""
        start = self.menu_height * self.width * 3
        return self.data[start:start + CLIENT_H * self.scale * self.width * 3]

    def count(self, colour, left, top, right, bottom):
        raw = self.region(left, top, right, bottom)
        wanted = bytes(colour)
        return sum(1 for i in range(0, len(raw), 3) if raw[i:i + 3] == wanted)

    def message_colour(self):
        """The colour of the message text: the known text colour with most pixels."""
        counts = {c: self.count(c, *MESSAGE_RECT) for c in MESSAGE_COLOURS}
        colour, n = max(counts.items(), key=lambda item: item[1])
        return MESSAGE_COLOURS[colour] if n >= 30 else None

    def message_pixels(self):
        return self.region(*MESSAGE_RECT)


def enlarged(pixels, width, height, factor):
    """RGB rows enlarged by a whole factor, nearest neighbour: each pixel a square block."""
    rows = []
    for y in range(height):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        rows.append(b"".join(row[i:i + 3] * factor for i in range(0, len(row), 3)) * factor)
    return b"".join(rows)


def parse_ppm(ppm):
    fields, pos = [], 0
    while len(fields) < 4:
        while ppm[pos:pos + 1].isspace():
            pos += 1
        if ppm[pos:pos + 1] == b"#":
            pos = ppm.index(b"\n", pos) + 1
            continue
        end = pos
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[pos:end])
        pos = end
    pos += 1
    return fields[0], int(fields[1]), int(fields[2]), int(fields[3]), ppm[pos:]


class Cell:
    def __init__(self, index, left, top, right, bottom):
        self.index = index
        self.left, self.top, self.right, self.bottom = left, top, right, bottom
        self.neighbours = set()
        self.kind = None

    @property
    def rect(self):
        return (self.left, self.top, self.right, self.bottom)

    def pixels(self):
        x0, y0 = square_origin(self.left, self.top)
        x1, y1 = square_origin(self.right, self.bottom)
        return x0, y0, x1, y1

    def __repr__(self):
        return "Cell(%d %s %s)" % (self.index, self.kind, self.rect)


class Field:
    """The cells on screen, found from the outlines between grid squares."""

    def __init__(self, shot):
        self.shot = shot
        parent = list(range(COLUMNS * ROWS))

        def find(i):
            while parent[i] != i:
                parent[i] = parent[parent[i]]
                i = parent[i]
            return i

        walls = set()
        for row in range(ROWS):
            for column in range(COLUMNS):
                here = row * COLUMNS + column
                if column + 1 < COLUMNS and self._wall_right(column, row):
                    walls.add((here, here + 1))
                elif column + 1 < COLUMNS:
                    parent[find(here)] = find(here + 1)
                if row + 1 < ROWS and self._wall_below(column, row):
                    walls.add((here, here + COLUMNS))
                elif row + 1 < ROWS:
                    parent[find(here)] = find(here + COLUMNS)

        groups = {}
        for square in range(COLUMNS * ROWS):
            groups.setdefault(find(square), []).append(square)
        self.cells = []
        self.cell_at = {}
        for squares in sorted(groups.values()):
            columns = [s % COLUMNS for s in squares]
            rows = [s // COLUMNS for s in squares]
            cell = Cell(len(self.cells), min(columns), min(rows), max(columns) + 1, max(rows) + 1)
            # A half-painted window gives regions that are not rectangles.
            check((cell.right - cell.left) * (cell.bottom - cell.top) == len(squares),
                  "field region %s is not a rectangle" % (cell.rect,))
            self.cells.append(cell)
            for s in squares:
                self.cell_at[(s % COLUMNS, s // COLUMNS)] = cell
        for a, b in walls:
            ca = self.cell_at[(a % COLUMNS, a // COLUMNS)]
            cb = self.cell_at[(b % COLUMNS, b // COLUMNS)]
            check(ca is not cb, "outline inside cell %s" % (ca.rect,))
            ca.neighbours.add(cb.index)
            cb.neighbours.add(ca.index)
        for cell in self.cells:
            cell.kind = self._kind(cell)

    # Joints sit on the middle of an edge or on a grid line; these offsets are clear of both.
    def _wall_right(self, column, row):
        x, y = square_origin(column + 1, row)
        return all(self.shot.pixel(x - 1, y + dy) == BACKGROUND == self.shot.pixel(x, y + dy)
                   for dy in (7, 21))

    def _wall_below(self, column, row):
        x, y = square_origin(column, row + 1)
        return all(self.shot.pixel(x + dx, y - 1) == BACKGROUND == self.shot.pixel(x + dx, y)
                   for dx in (7, 22))

    def _kind(self, cell):
        x0, y0, x1, y1 = cell.pixels()
        samples = {self.shot.pixel(x0 + 1, y0 + 7), self.shot.pixel(x0 + 7, y0 + 1),
                   self.shot.pixel(x1 - 2, y1 - 8), self.shot.pixel(x1 - 8, y1 - 2)}
        check(len(samples) == 1, "cell %s has mixed colours %s" % (cell.rect, samples))
        colour = samples.pop()
        if colour == PLAYER:
            return "player"
        if colour == ENEMY:
            return "enemy"
        if colour == OBSTACLE:
            return "obstacle"
        check(colour == GROUND, "cell %s has unknown colour %s" % (cell.rect, colour))
        tx, ty = x0 + (x1 - x0 - 26) // 2, y0 + (y1 - y0 - 24) // 2
        if self.shot.count(WHITE, tx, ty, tx + 26, ty + 24) >= 10:
            return "unvisited"
        if self.shot.count(GROUND, tx, ty, tx + 26, ty + 24) < 26 * 24:
            return "trap"
        return "visited"

    def of_kind(self, kind):
        return [c for c in self.cells if c.kind == kind]

    def player(self):
        found = self.of_kind("player")
        return found[0] if len(found) == 1 else None

    def signature(self):
        return sorted((c.rect, c.kind) for c in self.cells)

    def layout(self):
        return sorted(c.rect for c in self.cells)

    def square_beside(self, cell, other):
        """A grid square of `other` that shares an edge with `cell`."""
        for column in range(cell.left, cell.right):
            for row in range(cell.top, cell.bottom):
                for dc, dr in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    if self.cell_at.get((column + dc, row + dr)) is other:
                        return column + dc, row + dr
        raise Failure("cells %s and %s do not touch" % (cell.rect, other.rect))


class Game:
    """A copy of the game folder, its own X server and the running program."""

    def __init__(self, build_dir, name):
        self.root = tempfile.mkdtemp(prefix="tarvik-e2e-%s-" % name)
        self.folder = os.path.join(self.root, "game")
        self.cwd = os.path.join(self.root, "elsewhere")
        os.makedirs(self.cwd)
        os.makedirs(self.folder)
        shutil.copy2(os.path.join(build_dir, "tarvik"), self.folder)
        skip = shutil.ignore_patterns("CMakeFiles", "*.cmake")
        for sub in ("sound", "help"):
            shutil.copytree(os.path.join(build_dir, sub), os.path.join(self.folder, sub),
                            ignore=skip)
        self.server = self.program = None
        self.window = None
        self.menu_height = 0
        # Screen pixels per board pixel: the zoom times the desktop's scale.
        self.scale = 1
        self.env = None

    @property
    def settings_path(self):
        return os.path.join(self.folder, "settings.ini")

    def write_settings(self, text):
        with open(self.settings_path, "w") as f:
            f.write(text)

    # --- X server and program -------------------------------------------------------

    def start_x(self, screen="1280x1024"):
        read_end, write_end = os.pipe()
        # -displayfd lets the server pick a free display, so tests can run side by side;
        # -noreset keeps it from restarting (and refusing clients) when xdpyinfo leaves.
        with open(os.path.join(self.root, "xvfb.log"), "w") as log:
            self.server = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen + "x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=log)
        os.close(write_end)
        # The server writes the number and the newline separately, and dies if the pipe
        # is closed in between: read up to the newline.
        number = b""
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], 20)
            chunk = os.read(read_end, 32) if ready else b""
            check(chunk, "Xvfb did not report its display")
            number += chunk
        os.close(read_end)
        number = number.decode().strip()
        check(number.isdigit(), "Xvfb reported no display number")
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        # The game speaks the desktop's language; the scenarios expect English unless
        # they ask for another.
        self.env = dict(os.environ, DISPLAY=":" + number, XDG_RUNTIME_DIR=runtime,
                        SDL_AUDIODRIVER="dummy", LANG="C")
        for name in ("QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            self.env.pop(name, None)
        self.poll(lambda: self.x("xdpyinfo").returncode == 0, 20, "Xvfb to answer")

    def start_weston(self):
        """A headless Wayland compositor instead of the X server; the game runs as its client."""
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(runtime, mode=0o700)
        socket = "tarvik-%d" % os.getpid()
        self.env = dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=socket,
                        QT_QPA_PLATFORM="wayland", SDL_AUDIODRIVER="dummy")
        self.env.pop("DISPLAY", None)
        # --debug lets weston-debug read the scene graph, where a mapped window shows up.
        with open(os.path.join(self.root, "weston.log"), "w") as log:
            self.server = subprocess.Popen(
                ["weston", "--backend=headless-backend.so", "--socket=" + socket,
                 "--width=1280", "--height=1024", "--debug"],
                env=self.env, stdout=log, stderr=subprocess.STDOUT)
        self.poll(lambda: os.path.exists(os.path.join(runtime, socket)), 20, "Weston's socket")

    def x(self, *args):
        return run(*args, env=self.env)

    def start(self):
        """Starts the program, its standard error in its own file; launch() also waits for the window."""
        with open(os.path.join(self.root, "program.log"), "a") as log, \
                open(self.error_path, "w") as error:
            self.program = subprocess.Popen([os.path.join(self.folder, "tarvik")],
                                            cwd=self.cwd, env=self.env, stdout=log, stderr=error)

    @property
    def error_path(self):
        return os.path.join(self.root, "stderr.log")

    def launch(self):
        self.start()
        self.wait_window()

    def wait_window(self):
        self.window = self.poll(self._find_window, 20, "the window 'Tarvik'")
        _, _, width, height = self.geometry()
        self.menu_height = height - CLIENT_H * self.scale

    def rescale(self, scale):
        """Waits for the window to take the size of another scale."""
        self.scale = scale
        self.poll(lambda: self.geometry()[2] == CLIENT_W * scale, 5, "the window at scale %d" % scale)
        self.menu_height = self.geometry()[3] - CLIENT_H * scale

    def _find_window(self):
        if self.program.poll() is not None:
            raise RuntimeError("the program ended early; see program.log and stderr.log")
        found = self.x("xdotool", "search", "--onlyvisible", "--name", "^Tarvik$").stdout.split()
        for wid in found:
            if self.geometry(wid)[2] == CLIENT_W * self.scale:
                return wid
        return None

    def geometry(self, wid=None):
        out = self.x("xdotool", "getwindowgeometry", "--shell", wid or self.window).stdout
        values = dict(line.split("=", 1) for line in out.split())
        return tuple(int(values.get(k, -1)) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def visible(self, name=".*"):
        """Mapped windows whose title matches; menus are only found by the catch-all."""
        return set(self.x("xdotool", "search", "--onlyvisible", "--name", name).stdout.split())

    def wait_exit(self, timeout=10):
        try:
            return self.program.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end within %d s" % timeout)

    def close(self):
        for process in (self.program, self.server):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()

    # --- input and screenshots ------------------------------------------------------

    def shot(self):
        out = subprocess.run(["import", "-window", self.window, "-depth", "8", "ppm:-"],
                             capture_output=True, env=self.env, timeout=20)
        check(out.returncode == 0, "screenshot failed: %s" % out.stderr.decode().strip())
        return Shot(out.stdout, self.menu_height, self.scale)

    def click(self, x, y, button=1):
        middle = self.scale // 2
        self.x("xdotool", "mousemove", "--window", self.window, str(x * self.scale + middle),
               str(y * self.scale + middle + self.menu_height), "click", str(button))

    def click_square(self, column, row, button=1):
        x, y = square_origin(column, row)
        self.click(x + 15, y + 14, button)

    def key(self, *keys, window=None, focus=True):
        """Types keys into a window; menus grab the keyboard and need no focus."""
        if focus:
            self.x("xdotool", "windowfocus", "--sync", window or self.window)
        self.x("xdotool", "key", *keys)

    def poll(self, condition, timeout, what):
        """Calls condition every 50 ms until it gives something true; returns that."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                result = condition()
            except Failure:
                if time.monotonic() > deadline:
                    raise
                result = None
            if result:
                return result
            if time.monotonic() > deadline:
                raise Failure("timed out after %g s waiting for %s" % (timeout, what))
            time.sleep(0.05)

    def wait_shot(self, condition, what, timeout=10):
        """Polls screenshots until condition(shot) holds; returns that screenshot."""
        def probe():
            shot = self.shot()
            return shot if condition(shot) else None
        return self.poll(probe, timeout, what)

    def wait_field(self, condition, what, timeout=10):
        """Polls screenshots until condition(field) holds on two in a row; returns the last.

        A screenshot can catch the window half repainted, so one frame is not trusted.
        """
        def probe():
            field = Field(self.shot())
            if not condition(field):
                return None
            again = Field(self.shot())
            return again if again.signature() == field.signature() else None
        return self.poll(probe, timeout, what)

    def save_failure(self):
        path = os.path.join(self.root, "failure.png")
        out = subprocess.run(["import", "-window", "root", path], capture_output=True,
                             env=self.env, timeout=20)
        return path if out.returncode == 0 else None
