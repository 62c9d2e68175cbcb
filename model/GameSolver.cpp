#include "GameSolver.h"

#include "GameAim.h"
#include "GameRules.h"
#include "Gamefield.h"
#include "SolverChase.h"
#include "SolverPosition.h"
#include "SolverRounds.h"
#include "SolverTable.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <utility>
#include <vector>

// How the solver works. It first settles whether the position can be cleared at all, then
// shortens the way it found.
//
// The verdict: a depth-first search tries the player's moves, the most promising first,
// and remembers what it finds of every position. A position it comes back to on the line
// it is following counts as not won there, since going round in a circle clears nothing;
// and every chase after the next one is tried in each order the enemies may take.
//
// Wins found this way are proved: each rests on a clear at the end of every line the
// enemies may choose, and each is written down with the most moves its way takes. A loss,
// though, may rest on a circle through a position that turns out won later on, so losses
// are only believed once checked: the positions called lost that the root's loss rests on
// must close on themselves, every move from each of them leading to a catch or to another
// of them. Such a set holds no won position, so the root is lost. Where the check fails,
// the search runs again, now knowing more wins.
//
// The par: as solvers of "mate in n" problems do, it asks "clearable within n moves?",
// closing in on the fewest n from a bound no way can beat.
// Such a search has no circles to fear, as every move spends one of the n, so what it
// finds holds wherever the position is met again: each position keeps the fewest moves it
// was shown to need and the fewest it was shown to clear in, with the move that does.
// Every move visits at most one cell, so a position with many cells left is given up at
// once when n is small; that is what makes the search cheap.
//
// The search for any way gives up a position at once where the enemies surely catch the
// player before it can have made the moves its cells left need. Whether they do depends on
// the key alone, not on what is left to visit, so one small search of the chase answers
// for every position with that key. With many enemies on a small board many positions are
// lost this way, and a loss found so holds whatever else is found later: the search for a
// short way reads it from the table too (asking at every position of its own costs it
// more than it saves).
//
// With many enemies a win is hard to find this way: most chases can end in several ways,
// and a win must follow each to the clear. Where the first turn leaves the position
// undecided, the rounds it leads to are mapped (see Rounds): where every cell stays in
// reach for good, the map proves the position clearable without following any chase, and
// the table's ways and the map's serve the hint alike, the one with the lower bound first.
// Elsewhere it may prove the position lost, where a loss found by search would have to
// show every way of playing fail.
using namespace Solver;

namespace {

// Positions the first turn of the search for any way may take before the search for a
// short way takes one.
constexpr uint64_t FirstTry = 100'000;
// Turns end before their length could overflow.
constexpr uint64_t LastTurn = uint64_t{1} << 60;
// The budget and the cancel flag are looked at once in this many positions, and in this
// many of the longer steps of the check of a loss. The map asks seldom enough to look
// every time.
constexpr uint64_t CheckEvery = 4096;
constexpr uint64_t StepCheckEvery = 256;
// Searches again after a failed check at most this often before giving up undecided.
constexpr int32_t MaxRounds = 4;
// Steps between cells that no walk takes.
constexpr int32_t Apart = 1 << 20;
// Cells left that no move visits, to play the chase alone; and the table's cells left for
// what is known of it.
constexpr uint64_t NeverClears = uint64_t{1} << 63;
static_assert(MaxCells < 63);
constexpr uint64_t ChaseAlone = 0;

} // namespace

class GameSolver::Prover {
public:
    Prover(const GamePattern& pattern, int32_t enemies)
        : enemies(enemies)
        , pattern(pattern)
        , cells(pattern.cellCount())
        , rounds(pattern)
        , outcomesByDepth(Scratch + 1)
    {
        // How far apart two cells' middles lie, to try first the moves that keep away from
        // the enemies. Only the order of the search depends on it, never a verdict.
        distance.resize(static_cast<size_t>(cells * cells));
        for (int32_t a = 0; a < cells; ++a) {
            for (int32_t b = 0; b < cells; ++b) {
                const BoardSquare p = Aim::Centre(pattern.Rect(a));
                const BoardSquare q = Aim::Centre(pattern.Rect(b));
                distance[a * cells + b] = std::abs(p.column - q.column) + std::abs(p.row - q.row);
            }
        }
        for (int32_t cell = 0; cell < cells; ++cell) {
            for (const int32_t next : pattern.Neighbours(cell))
                ways[cell] |= Bit(next);
        }
        // The fewest moves from one cell to another around the obstacles.
        steps.assign(static_cast<size_t>(cells * cells), Apart);
        for (int32_t from = 0; from < cells; ++from) {
            std::vector<int32_t> queue{from};
            steps[from * cells + from] = 0;
            for (size_t i = 0; i < queue.size(); ++i) {
                for (const int32_t next : pattern.Neighbours(queue[i])) {
                    int32_t& s = steps[from * cells + next];
                    if (s == Apart && !pattern.Obstacle(next)) {
                        s = steps[from * cells + queue[i]] + 1;
                        queue.push_back(next);
                    }
                }
            }
        }
    }

    // Decides the position and, if par, goes on to its par.
    SolverResult Run(const Node& root, const SolverLimits& limits, bool par)
    {
        this->limits = limits;
        visited = 0;
        stopped = false;
        SolverResult result = Known(root);
        // The search for any way decides most positions quickly. Where it takes longer,
        // a short way is often found sooner than any way, which may wander far before it
        // clears; but some patterns only any way clears soon, and a loss only it proves.
        // So the two take turns, each twice as long as the last, and each goes on where
        // it left off: neither takes more than about twice what it needs alone. Searches
        // again from the same position take their turns on from where the last one ended.
        if (root.toVisit != lastRoot.toVisit || root.Key() != lastRoot.Key())
            earlier = 0;
        lastRoot = root;
        uint64_t end = 0;
        bool shortTurn = false;
        for (uint64_t turn = FirstTry; result.verdict == Verdict::Undecided && !stopped && turn < LastTurn;
             turn *= 2, shortTurn = !shortTurn) {
            end += turn;
            if (end <= earlier)
                continue;
            // The first turn decides most positions. Where it does not, the rounds are
            // mapped, once a pattern: the map proves many of those the turns would not.
            if (!roundsTried && end > FirstTry) {
                roundsTried = true;
                rounds.Map(root, limits.roundsBytes, [&] {
                    ++visited;
                    return stopped = stopped || OutOfTime();
                });
                peakBytes = std::max(peakBytes, table.bytes() + rounds.peakBytes());
                if ((result = Known(root)).verdict != Verdict::Undecided || stopped)
                    break;
            }
            if (shortTurn) {
                Pause(end - earlier);
                Shorten(root, NoBound);
                result = Known(root);
            } else {
                result = FindAnyWay(root, end - earlier);
            }
        }
        earlier = result.verdict == Verdict::Undecided ? earlier + visited : 0;
        Pause(UINT64_MAX);
        if (par && result.verdict == Verdict::Clearable && !result.parProved) {
            Shorten(root, static_cast<uint32_t>(result.par));
            if (const SolverResult shorter = Known(root); shorter.verdict == Verdict::Clearable)
                result = shorter;
        }
        result.positions = visited;
        result.peakBytes = std::max(peakBytes, table.peakBytes() + rounds.bytes());
        return result;
    }

    const int32_t enemies;

private:
    // Searches for any way, and for a loss once one is checked, until the budget is spent
    // or the search has visited until positions.
    SolverResult FindAnyWay(const Node& root, uint64_t until)
    {
        Pause(until);
        SolverResult result = Known(root);
        for (int32_t round = 0; round < MaxRounds && !halted && result.verdict == Verdict::Undecided; ++round) {
            const Found found = Visit(root, 0);
            if (found.outcome == Outcome::Won) {
                result = Known(root);
                if (result.verdict != Verdict::Clearable) {
                    // Proved, but not all of it written down for lack of room.
                    result.verdict = Verdict::Clearable;
                    result.move = found.move;
                    result.par = static_cast<int32_t>(found.moves);
                }
                break;
            }
            if (found.outcome == Outcome::Lost && LossHolds(root)) {
                result.verdict = Verdict::Lost;
                break;
            }
        }
        return result;
    }

    void Pause(uint64_t at)
    {
        pause = at;
        halted = stopped || visited >= pause;
    }

    // Counts a position, and tells whether the search is to end here for now.
    bool Halts()
    {
        if (++visited % CheckEvery == 0) {
            if (OutOfTime())
                stopped = true;
            halted = stopped || visited >= pause;
        }
        return halted;
    }

    enum class Outcome { Won, Lost, Stopped };

    struct Found {
        Outcome outcome = Outcome::Lost;
        int32_t move = -1;
        // When won, the most moves the way found takes to the clear.
        uint32_t moves = 0;
        // A win whose moves can be followed in the table down to a clear.
        bool recorded = false;
    };

    // What the table knows of the root: the better of what it knows with the enemies'
    // order and without it, since a way found against every order serves the one drawn.
    SolverResult Known(const Node& root)
    {
        if (rounds.Lost(root))
            return {.verdict = Verdict::Lost};
        const Node anyOrder = root.AnyOrder();
        SolverResult result;
        uint32_t low = LowerBound(root);
        for (const Node& node : {root, anyOrder}) {
            const Table::Entry* known = table.Find(node.toVisit, node.Key());
            if (!known)
                continue;
            if (node.ordered)
                low = std::max(low, known->low());
            if (known->Won() && (result.par < 0 || known->high() < static_cast<uint32_t>(result.par))) {
                result.verdict = Verdict::Clearable;
                result.move = known->move();
                result.par = static_cast<int32_t>(known->high());
            }
        }
        if (const Rounds::Way way = rounds.Best(root); way.move >= 0 && (result.par < 0 || way.moves < result.par)) {
            result.verdict = Verdict::Clearable;
            result.move = way.move;
            result.par = way.moves;
        }
        result.parProved = result.verdict == Verdict::Clearable && low >= static_cast<uint32_t>(result.par);
        return result;
    }

    // The fewest moves that could clear the position. Every move visits at most one cell,
    // and a walk visits the cells left in runs of new cells one after another, each run a
    // line through them, with a move between runs that visits nothing new. A cell left
    // with no other cell left beside it is a run of its own, and one with a single such
    // neighbour ends a run; so there are at least half as many runs as ends. Before the
    // first run comes the walk to the nearest cell left.
    uint32_t LowerBound(const Node& node) const
    {
        if (node.toVisit == 0)
            return 0;
        int32_t nearest = Apart;
        int32_t ends = 0;
        for (uint64_t rest = node.toVisit; rest != 0; rest &= rest - 1) {
            const int32_t cell = std::countr_zero(rest);
            nearest = std::min(nearest, steps[node.player * cells + cell]);
            // No more than two neighbours left matter, and telling them apart needs no count.
            const uint64_t beside = ways[cell] & node.toVisit;
            ends += beside == 0 ? 2 : (beside & (beside - 1)) == 0 ? 1 : 0;
        }
        const int32_t runs = std::max(1, (ends + 1) / 2);
        return static_cast<uint32_t>(std::popcount(node.toVisit) + runs - 1 + nearest - 1);
    }

    Found Visit(const Node& node, int32_t depth)
    {
        if (Halts())
            return {Outcome::Stopped};

        const uint64_t key = node.Key();
        if (const Table::Entry* known = table.Find(node.toVisit, key)) {
            if (known->Won())
                return {Outcome::Won, known->move(), known->high(), true};
            if (known->Lost())
                return {Outcome::Lost};
        }
        if (depth >= MaxDepth || line.Holds(node.toVisit, key))
            return {Outcome::Lost};
        if (Doomed(node, depth)) {
            if (Table::Entry* e = Hold(node, 0); e && !e->Won())
                e->RaiseLow(Table::Entry::Never);
            return {Outcome::Lost};
        }

        const size_t slot = line.Add(node.toVisit, key);
        const uint64_t before = visited;
        Found found = Expand(node, depth);
        line.Remove(slot);
        const auto work = static_cast<int32_t>(std::bit_width(visited - before));
        // A win is written down only once the positions its move leads to are, and wins
        // are never given up for room: so the moves written down always lead to a clear,
        // and never round in a circle through a win found again another way.
        if (found.outcome == Outcome::Won && found.recorded) {
            found.recorded = RememberWin(node, found.move, found.moves, work);
        } else if (found.outcome == Outcome::Lost) {
            if (Table::Entry* e = Hold(node, work); e && !e->Won())
                e->word = (e->word & ~DoubtedMark) | LostMark;
        }
        return found;
    }

    Found Expand(const Node& node, int32_t depth)
    {
        Found found;
        ForEachMove(node, -1, [&](int32_t cell, Rules::MoveResult result, const Node& next, bool chase) {
            if (result == Rules::MoveResult::Cleared) {
                found = {Outcome::Won, cell, 1, true};
                return true;
            }
            if (result != Rules::MoveResult::Made)
                return false;
            const Found after = chase ? Chase(next, depth + 1) : Visit(next, depth + 1);
            if (after.outcome == Outcome::Lost)
                return false;
            found = {after.outcome, cell, after.moves + 1, after.recorded};
            if (after.outcome == Outcome::Won)
                ++served[node.player * MaxCells + cell];
            return true;
        });
        return found;
    }

    // Whether the enemies surely catch the player before it has made the moves the cells
    // left need. The move that clears may end beside an enemy, so only the chases of the
    // moves before it count.
    bool Doomed(const Node& node, int32_t depth)
    {
        const uint32_t chases = (LowerBound(node) - 1 + static_cast<uint32_t>(node.cycle)) / Rules::ChaseMove;
        if (chases == 0)
            return false;
        Node chaseOnly = node;
        chaseOnly.toVisit = NeverClears;
        return Escapes(chaseOnly, chases, depth) == Escape::No;
    }

    enum class Escape { Yes, No, Unknown };

    // Whether the player can pass the given number of chase moves uncaught, in the game of
    // the chase alone: the node's cells left never clear. Unknown when the budget ended it.
    Escape Escapes(const Node& node, uint32_t chases, int32_t depth)
    {
        if (chases == 0)
            return Escape::Yes;
        if (Halts() || depth >= MaxDepth)
            return Escape::Unknown;
        const uint64_t key = node.Key();
        if (const Table::Entry* known = table.Find(ChaseAlone, key)) {
            if (known->low() >= chases)
                return Escape::Yes;
            if (known->high() <= chases)
                return Escape::No;
        }
        const uint64_t before = visited;
        Escape found = Escape::No;
        ForEachMove(node, -1, [&](int32_t, Rules::MoveResult result, const Node& next, bool chase) {
            if (result != Rules::MoveResult::Made)
                return false;
            Escape after = Escape::Yes;
            if (chase) {
                for (const Node& outcome : ChaseOutcomes(next, depth + 1)) {
                    after = Escapes(outcome, chases - 1, depth + 1);
                    if (after != Escape::Yes)
                        break;
                }
            } else {
                after = Escapes(next, chases, depth + 1);
            }
            if (after != Escape::No)
                found = after;
            return after == Escape::Yes;
        });
        if (found == Escape::Unknown)
            return found;
        const auto work = static_cast<int32_t>(std::bit_width(visited - before));
        if (Table::Entry* e = table.Hold(ChaseAlone, key, work, limits.memoryBytes)) {
            if (found == Escape::Yes)
                e->RaiseLow(chases);
            else
                e->LowerHigh(chases);
        }
        return found;
    }

    // After the move the enemies follow: won only if every position the chase can lead to
    // is won, and then in as many moves as the longest of them takes.
    Found Chase(const Node& node, int32_t depth)
    {
        Found won{Outcome::Won, -1, 0, true};
        for (const Node& after : ChaseOutcomes(node, depth)) {
            const Found found = Visit(after, depth);
            if (found.outcome != Outcome::Won)
                return found;
            won.moves = std::max(won.moves, found.moves);
            won.recorded = won.recorded && found.recorded;
        }
        return won;
    }

    // Asks "clearable within n moves?" for n from the most moves shown needed upward, in
    // steps that double, then halving the gap to the fewest shown enough, until they meet
    // or the budget is spent. Near the bound no way can beat, every move must visit a new
    // cell and few lines are left to try, so a search there is cheap either way; a
    // generous n lets the way found wander up to it.
    void Shorten(const Node& root, uint32_t high)
    {
        const Table::Entry* known = table.Find(root.toVisit, root.Key());
        uint32_t low = std::max(LowerBound(root), known ? known->low() : 0u);
        uint32_t step = 1;
        bool shortened = false;
        while (low < high && low < static_cast<uint32_t>(MaxDepth) && !halted) {
            const uint32_t n = shortened ? low + (high - low) / 2 : std::min(low + step - 1, high - 1);
            const Found found = Within(root, n, 0);
            if (found.outcome == Outcome::Won) {
                high = found.moves;
                shortened = true;
            } else if (found.outcome == Outcome::Lost) {
                low = n + 1;
                step *= 2;
            }
        }
    }

    // Whether some way clears the position within n moves whatever the enemies do; when won,
    // the most moves the way found takes.
    Found Within(const Node& node, uint32_t n, int32_t depth)
    {
        if (Halts())
            return {Outcome::Stopped};
        // Deeper down, the move that led here has been weighed so already.
        if (depth == 0 && LowerBound(node) > n)
            return {Outcome::Lost};
        // A way found before, if too long, still starts well more often than not.
        int32_t first = -1;
        if (const Table::Entry* known = table.Find(node.toVisit, node.Key())) {
            if (known->high() <= n)
                return {Outcome::Won, known->move(), known->high(), true};
            if (known->low() > n)
                return {Outcome::Lost};
            first = known->Won() ? known->move() : -1;
        }

        const uint64_t before = visited;
        Found found;
        ForEachMove(node, first, [&](int32_t cell, Rules::MoveResult result, const Node& next, bool chase) {
            if (result == Rules::MoveResult::Cleared) {
                found = {Outcome::Won, cell, 1, true};
                return true;
            }
            // The chase cannot bring the cells left any nearer: its outcomes share the bound.
            if (result != Rules::MoveResult::Made || LowerBound(next) >= n)
                return false;
            Found after{Outcome::Won, -1, 0, true};
            if (chase) {
                for (const Node& outcome : ChaseOutcomes(next, depth + 1)) {
                    const Found each = Within(outcome, n - 1, depth + 1);
                    if (each.outcome != Outcome::Won) {
                        after = each;
                        break;
                    }
                    after.moves = std::max(after.moves, each.moves);
                    after.recorded = after.recorded && each.recorded;
                }
            } else {
                after = Within(next, n - 1, depth + 1);
            }
            if (after.outcome == Outcome::Lost)
                return false;
            found = {after.outcome, cell, after.moves + 1, after.recorded};
            return true;
        });

        const auto work = static_cast<int32_t>(std::bit_width(visited - before));
        if (found.outcome == Outcome::Won && found.recorded) {
            found.recorded = RememberWin(node, found.move, found.moves, work);
        } else if (found.outcome == Outcome::Lost) {
            if (Table::Entry* e = Hold(node, work))
                e->RaiseLow(n + 1);
        }
        return found;
    }

    // Tries the moves from the position, the given one (if any) and then the most promising
    // first, until the visitor returns true. It gets the cell, what the rules made of the move, the position after
    // it and whether the enemies are due to move.
    template <typename Visitor>
    void ForEachMove(const Node& node, int32_t first, Visitor&& visit)
    {
        struct Candidate {
            int32_t cell;
            int32_t rank;
        };
        std::array<Candidate, MaxCells + 1> candidates;
        int32_t count = 0;
        candidates[count++] = {node.player, Rank(node, node.player)};
        for (const int32_t cell : pattern.Neighbours(node.player))
            candidates[count++] = {cell, Rank(node, cell)};
        for (int32_t i = 0; i < count; ++i) {
            if (candidates[i].cell == first)
                candidates[i].rank = INT32_MIN;
        }
        // A handful of moves: sorted in place, ties in the order of the neighbours.
        for (int32_t i = 1; i < count; ++i) {
            for (int32_t j = i; j > 0 && candidates[j].rank < candidates[j - 1].rank; --j)
                std::swap(candidates[j], candidates[j - 1]);
        }
        for (int32_t i = 0; i < count; ++i) {
            Node next = node;
            NodeBoard board(pattern, next);
            const Rules::MoveResult result = Rules::Move(board, candidates[i].cell);
            // A move the enemies follow goes on as any other; the flag tells it apart.
            const bool chase = result == Rules::MoveResult::Chased;
            if (visit(candidates[i].cell, chase ? Rules::MoveResult::Made : result, next, chase))
                return;
        }
    }

    using Outcomes = std::vector<Node>;
    const Outcomes& ChaseOutcomes(const Node& node, int32_t depth)
    {
        Outcomes& outcomes = outcomesByDepth[depth];
        Solver::ChaseOutcomes(pattern, node, outcomes);
        return outcomes;
    }

    // Lower first: a cell still to visit before one visited, and staying put last. Among
    // cells to visit, the one with fewer ways on first, so none is left stranded, then the
    // one farther from the enemies; among the others, the way back that won most often
    // elsewhere, then the one farther from the enemies.
    int32_t Rank(const Node& node, int32_t cell) const
    {
        int32_t nearest = 64;
        for (int32_t i = 0; i < node.count; ++i)
            nearest = std::min(nearest, distance[cell * cells + node.enemies[i]]);
        const int32_t away = 64 - nearest;
        if (node.toVisit & Bit(cell)) {
            int32_t ways = 0;
            for (const int32_t next : pattern.Neighbours(cell))
                ways += (node.toVisit & Bit(next)) != 0;
            return ways * 128 + away;
        }
        const int32_t proven = std::min(served[node.player * MaxCells + cell], 100);
        return (cell == node.player ? 3 : 2) * 128 * 64 + away - proven * 64;
    }

    // Checks the loss found for the root: gathers the positions called lost that it rests
    // on, drops those with a move that leads anywhere else until none is left to drop, and
    // tells whether the root is still among them. Those dropped are doubted, so a search
    // again looks at them afresh. The positions are kept by their keys, a sixth of a whole
    // position each, and a check that would outgrow the memory given ends undecided.
    bool LossHolds(const Node& root)
    {
        struct Held {
            uint64_t toVisit;
            uint64_t key;
        };
        std::vector<Held> proof;
        const auto take = [&](const Node& node) {
            const uint64_t key = node.Key();
            Table::Entry* entry = table.Find(node.toVisit, key);
            if (!entry || !entry->Lost())
                return false;
            if (!(entry->word & CheckedMark)) {
                entry->word |= CheckedMark;
                proof.push_back({node.toVisit, key});
                if (proof.size() % CheckEvery == 0) {
                    const std::size_t bytes = table.bytes() + proof.capacity() * sizeof(Held);
                    peakBytes = std::max(peakBytes, bytes);
                    if (bytes > limits.memoryBytes + limits.memoryBytes / 2)
                        stopped = true;
                }
            }
            return true;
        };
        take(root);
        for (size_t i = 0; i < proof.size() && !stopped; ++i) {
            const Node node = Node::FromKey(proof[i].toVisit, proof[i].key, enemies);
            // Lost whatever its moves lead to.
            if (table.Find(node.toVisit, proof[i].key)->Unclearable())
                continue;
            ForEachMove(node, -1, [&](int32_t, Rules::MoveResult result, const Node& next, bool chase) {
                if (result == Rules::MoveResult::Made) {
                    if (chase) {
                        for (const Node& after : ChaseOutcomes(next, Scratch)) {
                            if (take(after))
                                break;
                        }
                    } else {
                        take(next);
                    }
                }
                return false;
            });
            if (i % StepCheckEvery == 0 && OutOfTime())
                stopped = true;
        }
        peakBytes = std::max(peakBytes, table.bytes() + proof.capacity() * sizeof(Held));

        const auto held = [&](const Node& node) {
            const Table::Entry* entry = table.Find(node.toVisit, node.Key());
            return entry && entry->Lost() && (entry->word & CheckedMark);
        };
        for (bool dropped = true; dropped && !stopped;) {
            dropped = false;
            for (size_t i = 0; i < proof.size() && !stopped; ++i) {
                if (i % StepCheckEvery == 0 && OutOfTime())
                    stopped = true;
                const Node node = Node::FromKey(proof[i].toVisit, proof[i].key, enemies);
                if (!held(node) || table.Find(node.toVisit, proof[i].key)->Unclearable() || Closed(node, held))
                    continue;
                table.Find(node.toVisit, proof[i].key)->word |= DoubtedMark;
                dropped = true;
            }
        }
        const bool holds = !stopped && held(root);
        for (const Held& node : proof)
            table.Find(node.toVisit, node.key)->word &= ~CheckedMark;
        return holds;
    }

    // Whether every move from the position ends in a catch or leads to a held position;
    // a move the enemies follow, to at least one.
    template <typename Held>
    bool Closed(const Node& node, Held&& held)
    {
        bool closed = true;
        ForEachMove(node, -1, [&](int32_t, Rules::MoveResult result, const Node& next, bool chase) {
            if (result == Rules::MoveResult::Cleared) {
                closed = false;
            } else if (result == Rules::MoveResult::Made) {
                if (chase) {
                    const Outcomes& outcomes = ChaseOutcomes(next, Scratch);
                    closed = std::any_of(outcomes.begin(), outcomes.end(), held);
                } else {
                    closed = held(next);
                }
            }
            return !closed;
        });
        return closed;
    }

    bool OutOfTime() const
    {
        if (visited >= limits.positions)
            return true;
        if (limits.cancel && limits.cancel->load(std::memory_order_relaxed))
            return true;
        return limits.deadline && std::chrono::steady_clock::now() >= *limits.deadline;
    }

    // The position's entry in the table, if there is room for it. Holding one may move the
    // others, so no entry is kept across it.
    Table::Entry* Hold(const Node& node, int32_t work)
    {
        return table.Hold(node.toVisit, node.Key(), work, limits.memoryBytes);
    }

    // Writes down a way to clear the position, if it is shorter than the one known.
    // Whether the position is now written down as won.
    bool RememberWin(const Node& node, int32_t move, uint32_t moves, int32_t work)
    {
        Table::Entry* e = Hold(node, work);
        if (!e)
            return false;
        return moves >= e->high() || e->SetWin(move, moves);
    }

    // The outcome list of the check, apart from those of the line.
    static constexpr int32_t Scratch = MaxDepth + 1;

    const GamePattern& pattern;
    const int32_t cells;
    Rounds rounds;
    bool roundsTried = false;
    // The positions after each distinct chase, one list per depth of the line.
    std::vector<Outcomes> outcomesByDepth;
    std::vector<int32_t> distance;
    std::vector<int32_t> steps;
    // Each cell's neighbours.
    std::array<uint64_t, MaxCells> ways{};
    // How many wins each move from one cell to another has led to.
    std::vector<int32_t> served = std::vector<int32_t>(MaxCells * MaxCells);
    SolverLimits limits;
    uint64_t visited = 0;
    // The budget is spent.
    bool stopped = false;
    // Where the search gives up for now, to go on another way; and whether it has come.
    uint64_t pause = UINT64_MAX;
    bool halted = false;
    // The position the last search started from, and the positions spent on it so far
    // while it stays undecided.
    Node lastRoot;
    uint64_t earlier = 0;
    Table table;
    Line line;
    std::size_t peakBytes = 0;
};

GameSolver::GameSolver(std::shared_ptr<const GamePattern> pattern)
    : m_pattern(std::move(pattern))
{
}

GameSolver::GameSolver(const GameField& field)
    : GameSolver(field.sharedPattern())
{
}

GameSolver::~GameSolver() = default;

SolverResult GameSolver::Decide(const GamePosition& from, const SolverLimits& limits)
{
    return Run(from, limits, false);
}

SolverResult GameSolver::Solve(const GamePosition& from, const SolverLimits& limits)
{
    return Run(from, limits, true);
}

SolverResult GameSolver::Run(const GamePosition& from, const SolverLimits& limits, bool par)
{
    const GamePattern& pattern = *m_pattern;
    const int32_t cells = pattern.cellCount();
    if (cells > MaxCells || from.enemies.size() > static_cast<size_t>(MaxEnemies)
        || from.unvisited.size() != static_cast<size_t>(cells))
        return {};
    const Node root = Node::FromPosition(from);
    if (root.toVisit == 0)
        return {.verdict = Verdict::Clearable, .move = from.player, .par = 0, .parProved = true};
    // What the prover knows holds for this pattern with this many enemies.
    if (!m_prover || m_prover->enemies != root.count)
        m_prover = std::make_unique<Prover>(pattern, root.count);
    return m_prover->Run(root, limits, par);
}
