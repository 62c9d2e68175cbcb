#include "GameSolver.h"

#include "GameAim.h"
#include "GameRules.h"
#include "SolverPosition.h"
#include "SolverTable.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <numeric>
#include <span>
#include <vector>

// How the solver works. A depth-first search tries the player's moves, the most promising
// first, and remembers what it finds of every position. A position it comes back to on
// the line it is following counts as not won there, since going round in a circle clears
// nothing; and every chase after the next one is tried in each order the enemies may take.
//
// Wins found this way are proved: each rests on a clear at the end of every line the
// enemies may choose. A loss, though, may rest on a circle through a position that turns
// out won later on, so losses are only believed once checked: the positions called lost
// that the root's loss rests on must close on themselves, every move from each of them
// leading to a catch or to another of them. Such a set holds no won position, so the root
// is lost. Where the check fails, the search runs again, now knowing more wins.
using namespace Solver;

namespace {

// The budget and the cancel flag are looked at once in this many positions.
constexpr uint64_t CheckEvery = 4096;
// Searches again after a failed check at most this often before giving up undecided.
constexpr int32_t MaxRounds = 4;

} // namespace

class GameSolver::Search {
public:
    Search(const GameField& field, int32_t enemies)
        : enemies(enemies)
        , field(field)
        , cells(field.option().cell)
        , outcomesByDepth(Scratch + 1)
    {
        // How far apart two cells' middles lie, to try first the moves that keep away from
        // the enemies. Only the order of the search depends on it, never a verdict.
        distance.resize(static_cast<size_t>(cells * cells));
        for (int32_t a = 0; a < cells; ++a) {
            for (int32_t b = 0; b < cells; ++b) {
                const BoardSquare p = Aim::Centre(field.Cell(a));
                const BoardSquare q = Aim::Centre(field.Cell(b));
                distance[a * cells + b] = std::abs(p.column - q.column) + std::abs(p.row - q.row);
            }
        }
    }

    SolverResult Run(const Node& root, const SolverLimits& limits)
    {
        this->limits = limits;
        visited = 0;
        stopped = false;
        SolverResult result;
        // A way found against every order the enemies may take serves the order they have
        // as well, and following it from position to position keeps the player on one way.
        Node anyOrder = root;
        anyOrder.ordered = false;
        std::sort(anyOrder.enemies.begin(), anyOrder.enemies.begin() + anyOrder.count);
        if (const Table::Entry* known = table.Find(anyOrder.left, anyOrder.Key()); known && known->Won()) {
            result.verdict = Verdict::Clearable;
            result.move = known->move();
        }
        for (int32_t round = 0; round < MaxRounds && !stopped && result.verdict == Verdict::Undecided; ++round) {
            const Found found = Visit(root, 0);
            if (found.outcome == Outcome::Won) {
                result.verdict = Verdict::Clearable;
                result.move = found.move;
                break;
            }
            if (found.outcome == Outcome::Lost && LossHolds(root)) {
                result.verdict = Verdict::Lost;
                break;
            }
        }
        result.positions = visited;
        result.peakBytes = peakBytes;
        return result;
    }

    const int32_t enemies;

private:
    enum class Outcome { Won, Lost, Stopped };

    struct Found {
        Outcome outcome = Outcome::Lost;
        int32_t move = -1;
        // A win whose moves can be followed in the table down to a clear.
        bool recorded = false;
    };

    Found Visit(const Node& node, int32_t depth)
    {
        if (++visited % CheckEvery == 0 && OutOfTime())
            stopped = true;
        if (stopped)
            return {Outcome::Stopped};

        const uint64_t key = node.Key();
        if (const Table::Entry* known = table.Find(node.left, key)) {
            if (known->Won())
                return {Outcome::Won, known->move(), true};
            if (known->Lost())
                return {Outcome::Lost};
        }
        if (depth >= MaxDepth || line.Holds(node.left, key))
            return {Outcome::Lost};

        const size_t slot = line.Add(node.left, key);
        const uint64_t before = visited;
        Found found = Expand(node, depth);
        line.Remove(slot);
        const auto work = static_cast<int32_t>(std::bit_width(visited - before));
        // A win is written down only once the positions its move leads to are, and wins
        // are never given up for room: so the moves written down always lead to a clear,
        // and never round in a circle through a win found again another way.
        if (found.outcome == Outcome::Won && found.recorded)
            found.recorded = Remember(node.left, key, WonMark, found.move, work);
        else if (found.outcome == Outcome::Lost)
            Remember(node.left, key, LostMark, -1, work);
        return found;
    }

    Found Expand(const Node& node, int32_t depth)
    {
        Found found;
        ForEachMove(node, [&](int32_t cell, Rules::MoveResult result, const Node& next, bool chase) {
            if (result == Rules::MoveResult::Cleared) {
                found = {Outcome::Won, cell, true};
                return true;
            }
            if (result != Rules::MoveResult::Made)
                return false;
            const Found after = chase ? Chase(next, depth + 1) : Visit(next, depth + 1);
            if (after.outcome == Outcome::Lost)
                return false;
            found = {after.outcome, cell, after.recorded};
            if (after.outcome == Outcome::Won)
                ++served[node.player * MaxCells + cell];
            return true;
        });
        return found;
    }

    // After the move the enemies follow: won only if every position the chase can lead to
    // is won.
    Found Chase(const Node& node, int32_t depth)
    {
        bool recorded = true;
        for (const Node& after : ChaseOutcomes(node, depth)) {
            const Found found = Visit(after, depth);
            if (found.outcome != Outcome::Won)
                return found;
            recorded = recorded && found.recorded;
        }
        return {Outcome::Won, -1, recorded};
    }

    // Tries the moves from the position, the most promising first, until the visitor
    // returns true. It gets the cell, what the rules made of the move, the position after
    // it and whether the enemies are due to move.
    template <typename Visitor>
    void ForEachMove(const Node& node, Visitor&& visit)
    {
        struct Candidate {
            int32_t cell;
            int32_t rank;
        };
        std::array<Candidate, MaxCells + 1> candidates;
        int32_t count = 0;
        candidates[count++] = {node.player, Rank(node, node.player)};
        for (const int32_t cell : field.Neighbours(node.player))
            candidates[count++] = {cell, Rank(node, cell)};
        // A handful of moves: sorted in place, ties in the order of the neighbours.
        for (int32_t i = 1; i < count; ++i) {
            for (int32_t j = i; j > 0 && candidates[j].rank < candidates[j - 1].rank; --j)
                std::swap(candidates[j], candidates[j - 1]);
        }
        for (int32_t i = 0; i < count; ++i) {
            Node next = node;
            NodeBoard board(field, next);
            const Rules::MoveResult result = Rules::Move(board, candidates[i].cell);
            // A move the enemies follow goes on as any other; the flag tells it apart.
            const bool chase = result == Rules::MoveResult::Chased;
            if (visit(candidates[i].cell, chase ? Rules::MoveResult::Made : result, next, chase))
                return;
        }
    }

    // The distinct positions a chase can lead to. The next chase's order is known; after
    // it, any order may come, so each order the enemies may take gives one.
    using Outcomes = std::vector<Node>;
    const Outcomes& ChaseOutcomes(const Node& node, int32_t depth)
    {
        Outcomes& outcomes = outcomesByDepth[depth];
        outcomes.clear();
        // The enemies whose order matters go last, and only their order is varied.
        std::array<int32_t, MaxEnemies> order{};
        std::iota(order.begin(), order.begin() + node.count, 0);
        const int32_t free = node.ordered ? node.count : Independent(node, order);
        do {
            Node next = node;
            for (int32_t i = 0; i < node.count; ++i)
                next.enemies[i] = node.enemies[order[i]];
            NodeBoard board(field, next);
            Rules::ChaseInOrder(board, std::span<int32_t>(next.enemies.data(), static_cast<size_t>(next.count)));
            next.ordered = false;
            std::sort(next.enemies.begin(), next.enemies.begin() + next.count);
            if (std::none_of(outcomes.begin(), outcomes.end(),
                             [&](const Node& o) { return o.enemies == next.enemies; }))
                outcomes.push_back(next);
        } while (std::next_permutation(order.begin() + free, order.begin() + node.count));
        return outcomes;
    }

    // Puts first the enemies whose step does not depend on the order, and tells how many
    // they are. An enemy's step depends on another's place in the order when it heads for
    // the cell the other stands on or heads for; two enemies that neither does to the
    // other, or to anyone in between, end where they end in any order.
    int32_t Independent(const Node& node, std::array<int32_t, MaxEnemies>& order) const
    {
        std::array<int32_t, MaxEnemies> aims{};
        for (int32_t i = 0; i < node.count; ++i)
            aims[i] = Rules::ChaseAim(field, node.player, node.enemies[i]);
        const auto depends = [&](int32_t i, int32_t j) {
            return i != j && (aims[i] == aims[j] || aims[i] == node.enemies[j]);
        };
        std::array<bool, MaxEnemies> tied{};
        for (int32_t i = 0; i < node.count; ++i) {
            for (int32_t j = 0; j < node.count; ++j)
                tied[i] = tied[i] || depends(i, j) || depends(j, i);
        }
        const auto split = std::stable_partition(order.begin(), order.begin() + node.count,
                                                 [&](int32_t i) { return !tied[i]; });
        return static_cast<int32_t>(split - order.begin());
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
        if (node.left & Bit(cell)) {
            int32_t ways = 0;
            for (const int32_t next : field.Neighbours(cell))
                ways += (node.left & Bit(next)) != 0;
            return ways * 128 + away;
        }
        const int32_t proven = std::min(served[node.player * MaxCells + cell], 100);
        return (cell == node.player ? 3 : 2) * 128 * 64 + away - proven * 64;
    }

    // Checks the loss found for the root: gathers the positions called lost that it rests
    // on, drops those with a move that leads anywhere else until none is left to drop, and
    // tells whether the root is still among them. Those dropped are doubted, so a search
    // again looks at them afresh.
    bool LossHolds(const Node& root)
    {
        std::vector<Node> proof;
        const auto take = [&](const Node& node) {
            Table::Entry* entry = table.Find(node.left, node.Key());
            if (!entry || !entry->Lost())
                return false;
            if (!(entry->word & CheckedMark)) {
                entry->word |= CheckedMark;
                proof.push_back(node);
            }
            return true;
        };
        take(root);
        for (size_t i = 0; i < proof.size() && !stopped; ++i) {
            const Node node = proof[i]; // the list grows meanwhile
            ForEachMove(node, [&](int32_t, Rules::MoveResult result, const Node& next, bool chase) {
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
            if (i % CheckEvery == 0 && OutOfTime())
                stopped = true;
        }

        const auto held = [&](const Node& node) {
            const Table::Entry* entry = table.Find(node.left, node.Key());
            return entry && entry->Lost() && (entry->word & CheckedMark);
        };
        for (bool dropped = true; dropped && !stopped;) {
            dropped = false;
            for (size_t i = 0; i < proof.size() && !stopped; ++i) {
                if (i % CheckEvery == 0 && OutOfTime())
                    stopped = true;
                if (!held(proof[i]) || Closed(proof[i], held))
                    continue;
                table.Find(proof[i].left, proof[i].Key())->word |= DoubtedMark;
                dropped = true;
            }
        }
        const bool holds = !stopped && held(root);
        for (const Node& node : proof)
            table.Find(node.left, node.Key())->word &= ~CheckedMark;
        return holds;
    }

    // Whether every move from the position ends in a catch or leads to a held position;
    // a move the enemies follow, to at least one.
    template <typename Held>
    bool Closed(const Node& node, Held&& held)
    {
        bool closed = true;
        ForEachMove(node, [&](int32_t, Rules::MoveResult result, const Node& next, bool chase) {
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

    // Whether it was written down.
    bool Remember(uint64_t left, uint64_t key, uint64_t marks, int32_t move, int32_t work)
    {
        const bool stored = table.Store(left, key, marks, move, work, limits.memoryBytes);
        peakBytes = std::max(peakBytes, table.bytes());
        return stored;
    }

    // The outcome list of the check, apart from those of the line.
    static constexpr int32_t Scratch = MaxDepth + 1;

    const GameField& field;
    const int32_t cells;
    // The positions after each distinct chase, one list per depth of the line.
    std::vector<Outcomes> outcomesByDepth;
    std::vector<int32_t> distance;
    // How many wins each move from one cell to another has led to.
    std::vector<int32_t> served = std::vector<int32_t>(MaxCells * MaxCells);
    SolverLimits limits;
    uint64_t visited = 0;
    bool stopped = false;
    Table table;
    Line line;
    std::size_t peakBytes = 0;
};

GameSolver::GameSolver(const GameField& pattern)
{
    m_game.field().CopyPattern(pattern);
}

GameSolver::~GameSolver() = default;

SolverResult GameSolver::Solve(const GamePosition& from, const SolverLimits& limits)
{
    const GameField& field = m_game.field();
    const int32_t cells = field.option().cell;
    if (cells > MaxCells || from.enemies.size() > static_cast<size_t>(MaxEnemies)
        || from.unvisited.size() != static_cast<size_t>(cells))
        return {};
    Node root;
    for (int32_t c = 0; c < cells; ++c) {
        if (from.unvisited[c] >= 0)
            root.left |= Bit(c);
    }
    root.player = from.player;
    root.cycle = from.cycleMoves;
    root.count = static_cast<int32_t>(from.enemies.size());
    std::copy(from.enemies.begin(), from.enemies.end(), root.enemies.begin());
    root.ordered = true;
    if (root.left == 0)
        return {Verdict::Clearable, from.player};
    // What the search knows holds for this pattern with this many enemies.
    if (!m_search || m_search->enemies != root.count)
        m_search = std::make_unique<Search>(field, root.count);
    return m_search->Run(root, limits);
}
