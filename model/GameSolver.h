#pragma once

#include "GamePattern.h"
#include "GamePosition.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

class GameField;

// What a search proved of a position. A position is surely clearable when some way of
// playing clears the pattern whatever order the enemies take at every chase after the
// next one (whose order is the enemy list's, already drawn); it is lost when no way does.
enum class Verdict { Clearable, Lost, Undecided };

struct SolverLimits {
    // Positions a search may visit; it ends undecided beyond them.
    uint64_t positions = 5'000'000;
    // What the solver's table may grow to, from a small start as the search needs it;
    // beyond it, it forgets positions it found lost or unable to clear in few moves. The
    // check of a loss may hold half as much again besides.
    std::size_t memoryBytes = std::size_t{32} << 20;
    // What the map of the rounds a start leads to may hold while it is made, besides the
    // table; it keeps a third of that or so for the pattern. Where a start needs a bigger
    // map, none is made.
    std::size_t roundsBytes = std::size_t{48} << 20;
    // Read every few thousand positions: a search that sees it set ends undecided at once.
    const std::atomic<bool>* cancel = nullptr;
    std::optional<std::chrono::steady_clock::time_point> deadline;
};

struct SolverResult {
    Verdict verdict = Verdict::Undecided;
    // When clearable, the cell to click next; else -1.
    int32_t move = -1;
    // Positions this search visited.
    uint64_t positions = 0;
    // The most memory the solver's tables have held so far.
    std::size_t peakBytes = 0;
    // When clearable, the most moves the way that starts with the move needs to the clear,
    // whatever orders the enemies take: the par of the position once proved, else a bound
    // on it. -1 otherwise.
    int32_t par = -1;
    // Whether no way always clears in fewer moves.
    bool parProved = false;
};

// Proves patterns clearable or lost by searching the positions a pattern can reach, and
// finds the fewest moves that surely clear them. It plays by the game's own rules on a
// copy of the pattern, so the game may go on while it runs on another thread. What it
// proves of a position stays true for the whole pattern, so it remembers it across
// searches: a search from the next position starts warm, and a move it hinted leads to a
// position it already knows to clear in fewer moves.
class GameSolver {
public:
    // Keeps the pattern: cells, neighbours, obstacles and traps.
    explicit GameSolver(std::shared_ptr<const GamePattern> pattern);
    // Keeps the field's pattern as dealt now.
    explicit GameSolver(const GameField& field);
    ~GameSolver();

    GameSolver(const GameSolver&) = delete;
    GameSolver& operator=(const GameSolver&) = delete;

    // Settles whether the position can be cleared; when it can, with the move and bound of
    // the shortest way found on the way. Most positions are decided in a few milliseconds.
    SolverResult Decide(const GamePosition& from, const SolverLimits& limits);
    // Decides, then spends what is left of the limits on the par: proves it, or lowers the
    // bound as far as it can.
    SolverResult Solve(const GamePosition& from, const SolverLimits& limits);

private:
    class Prover;
    SolverResult Run(const GamePosition& from, const SolverLimits& limits, bool par);

    std::shared_ptr<const GamePattern> m_pattern;
    std::unique_ptr<Prover> m_prover;
};
