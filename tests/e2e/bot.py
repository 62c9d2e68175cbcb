"""A player that reads the field from the screen and clicks its way through patterns."""
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


def choose_move(field, cycle, careful, rng):
    """The neighbour to click: plans the moves left until the enemies' turn.

    cycle counts the moves made since the enemies last moved (0, 1 or 2). A careful
    player never ends the third move beside an enemy; every player keeps off enemies,
    obstacles, and traps on the third move, since those clicks would be refused.
    """
    player = field.player()
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

    def search(cell, step, visited, first):
        nonlocal best
        for n in cell.neighbours:
            target = field.cells[n]
            if not allowed(target, step):
                continue
            now = visited | ({n} & todo)
            first_move = first or target
            if now == todo:
                score = (1, 0, 0)
            elif step < 2:
                search(target, step + 1, now, first_move)
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

    search(player, cycle, set(), None)
    if best is None:
        # Every way ends beside an enemy: take any move that is not refused, if any.
        options = [field.cells[n] for n in player.neighbours
                   if allowed(field.cells[n], cycle)]
        return rng.choice(options) if options else None
    return best[1]


def restart(game):
    """Space starts a new pattern; returns it once it is on screen."""
    before = game.wait_field(lambda f: True, "the field").layout()
    game.key("space")
    return game.wait_field(lambda f: f.player() and f.layout() != before
                           and f.shot.message_colour() == "white", "a new pattern after Space")


def play(game, want, careful, seconds, max_moves, seed=1):
    """Plays patterns until the message line shows the colour `want`; returns the counts."""
    rng = random.Random(seed)
    deadline = time.monotonic() + seconds
    seen = {}
    moves = 0
    field = restart(game)
    cycle = 0
    while True:
        check(time.monotonic() < deadline and moves < max_moves,
              "no %s message after %d moves; seen %s" % (want, moves, seen))
        target = choose_move(field, cycle, careful, rng)
        if target is None:
            # Hemmed in: give the pattern up rather than guess at moves in place.
            field = restart(game)
            cycle = 0
            continue
        column, row = field.square_beside(field.player(), target)
        game.click_square(column, row)
        moves += 1
        field = game.wait_field(
            lambda f: f.shot.message_colour() in ENDINGS
            or (f.player() and f.player().rect == target.rect),
            "the player to move to %s" % (target.rect,))
        cycle = (cycle + 1) % 3
        ending = field.shot.message_colour()
        if ending in ENDINGS:
            seen[ending] = seen.get(ending, 0) + 1
            if ending == want:
                return seen, moves
            field = restart(game)
            cycle = 0

