"""A player that reads the field from the screen and clicks or keys its way through patterns."""
import random
import time

from harness import check

ENDINGS = ("orange", "yellow", "pale yellow")


def distances(field, start, passable):
    """Steps from start to every cell reachable through passable cells."""
    seen = {start.index: 0}
    frontier = [start.index]
    while frontier:
        following = []
        for i in frontier:
            for n in field.cells[i].neighbours:
                if n not in seen and passable(field.cells[n]):
                    seen[n] = seen[i] + 1
                    following.append(n)
        frontier = following
    return seen


def choose_move(field, cycle, careful, rng, way):
    """The next move: plans the moves left until the enemies' turn.

    cycle counts the moves made since the enemies last moved (0, 1 or 2). A careful
    player never ends the third move beside an enemy; every player keeps off enemies,
    obstacles, and traps on the third move, since those moves would be refused. way
    (Mouse or Keys) tells where the moves from a place lead; the move returned is the
    first of the best plan.
    """
    enemies = {c.index for c in field.of_kind("enemy")}
    beside_enemy = set()
    for e in enemies:
        beside_enemy |= field.cells[e].neighbours
    todo = {c.index for c in field.of_kind("unvisited")}

    def allowed(cell, step):
        if cell.index in enemies or cell.kind == "obstacle":
            return False
        return not (cell.kind == "trap" and step == 2)

    def walkable(cell):
        return cell.index not in enemies and cell.kind != "obstacle"

    best = None

    def search(place, step, visited, first):
        nonlocal best
        for move, target, after in way.moves(field, place):
            n = target.index
            if not allowed(target, step):
                continue
            now = visited | ({n} & todo)
            first_move = first or move
            if now == todo:
                score = (1, 0, 0)
            elif step < 2:
                search(after, step + 1, now, first_move)
                continue
            elif careful and n in beside_enemy:
                continue
            else:
                far = distances(field, target, walkable)
                gap = min((far[t] for t in todo - now if t in far), default=99)
                score = (0, len(now), -gap)
            score += (rng.random(),)
            if best is None or score > best[0]:
                best = (score, first_move)

    search(way.place(field), cycle, set(), None)
    if best is None:
        # Every way ends beside an enemy: take any move that is not refused, if any.
        options = [move for move, target, _ in way.moves(field, way.place(field))
                   if allowed(target, cycle)]
        return rng.choice(options) if options else None
    return best[1]


class Mouse:
    """Moves by clicking a neighbour: a place is a cell, a move the cell clicked."""

    def place(self, field):
        return field.player()

    def moves(self, field, cell):
        for n in cell.neighbours:
            yield field.cells[n], field.cells[n], field.cells[n]

    def start(self, field):
        pass

    def make(self, game, field, target):
        game.click_square(*field.square_beside(field.player(), target))
        return target

    def done(self, target):
        pass


HEADINGS = {"up": (0, -1), "down": (0, 1), "left": (-1, 0), "right": (1, 0)}
# Each direction's keys: the arrow, and the keypad's with Num Lock off and on.
KEYS = {"up": ("Up", "KP_Up", "KP_8"), "down": ("Down", "KP_Down", "KP_2"),
        "left": ("Left", "KP_Left", "KP_4"), "right": ("Right", "KP_Right", "KP_6")}


class Keys:
    """Moves by arrow keys alone, keeping the aim square the way the game does: the
    middle of the cell at a start, then the square each move looked at. A place is a
    cell with an aim, a move a direction."""

    def __init__(self, rng):
        self.rng = rng
        self.aim = None

    def place(self, field):
        return field.player(), self.aim

    def moves(self, field, place):
        cell, (column, row) = place
        for heading, (dx, dy) in HEADINGS.items():
            square = (cell.right if dx > 0 else cell.left - 1 if dx < 0 else column,
                      cell.bottom if dy > 0 else cell.top - 1 if dy < 0 else row)
            target = field.cell_at.get(square)
            if target is not None:
                yield (heading, square), target, (target, square)

    def start(self, field):
        cell = field.player()
        self.aim = ((cell.left + cell.right - 1) // 2, (cell.top + cell.bottom - 1) // 2)

    def make(self, game, field, move):
        heading, square = move
        game.key(self.rng.choice(KEYS[heading]))
        return field.cell_at[square]

    def done(self, move):
        self.aim = move[1]


def restart(game):
    """Space starts a new pattern; returns it once it is on screen."""
    before = game.wait_field(lambda f: True, "the field").layout()
    game.key("space")
    return game.wait_field(lambda f: f.player() and f.layout() != before
                           and f.shot.message_colour() == "white", "a new pattern after Space")


def play(game, want, careful, seconds, max_moves, seed=1, keys=False):
    """Plays patterns until the message line shows the colour `want`; returns the counts.

    With keys, every move is an arrow key and no pointer event is sent."""
    rng = random.Random(seed)
    way = Keys(rng) if keys else Mouse()
    deadline = time.monotonic() + seconds
    seen = {}
    moves = 0
    field = restart(game)
    way.start(field)
    cycle = 0
    while True:
        check(time.monotonic() < deadline and moves < max_moves,
              "no %s message after %d moves; seen %s" % (want, moves, seen))
        move = choose_move(field, cycle, careful, rng, way)
        if move is None:
            # Hemmed in: give the pattern up rather than guess at moves in place.
            field = restart(game)
            way.start(field)
            cycle = 0
            continue
        target = way.make(game, field, move)
        moves += 1
        field = game.wait_field(
            lambda f: f.shot.message_colour() in ENDINGS
            or (f.player() and f.player().rect == target.rect),
            "the player to move to %s" % (target.rect,))
        way.done(move)
        cycle = (cycle + 1) % 3
        ending = field.shot.message_colour()
        if ending in ENDINGS:
            seen[ending] = seen.get(ending, 0) + 1
            if ending == want:
                return seen, moves
            field = restart(game)
            way.start(field)
            cycle = 0

