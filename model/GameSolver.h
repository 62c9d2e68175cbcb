#pragma once

#include "Game.h"
#include "GamePosition.h"
#include "GameRandom.h"
#include "StatusOption.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

// What a search proved of a position. A position is surely clearable when some way of
// playing clears the pattern whatever order the enemies take at every chase after the
// next one (whose order is the enemy list's, already drawn); it is lost when no way does.
enum class Verdict { Clearable, Lost, Undecided };

struct SolverLimits {
    // Positions a search may visit; it ends undecided beyond them.
    uint64_t positions = 5'000'000;
    // What the solver's table may hold; beyond it, it forgets positions it found lost.
    std::size_t memoryBytes = std::size_t{32} << 20;
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
    // When clearable: the most moves the strategy whose first move is `move` needs to the
    // clear against the worst chase orders; the par when proved.
    int32_t par = -1;
    // No strategy always needs fewer.
    bool parProved = false;
};

// Proves patterns clearable or lost by searching the positions a pattern can reach. It
// plays by the game's own rules on a copy of the pattern, so the game may go on while it
// runs on another thread. What it proves of a position stays true for the whole pattern,
// so it remembers it across searches: a search from the next position starts warm.
class GameSolver {
public:
    // The pattern is copied: cells, neighbours, obstacles and traps.
    explicit GameSolver(const GameField& pattern);
    ~GameSolver();

    GameSolver(const GameSolver&) = delete;
    GameSolver& operator=(const GameSolver&) = delete;

    SolverResult Solve(const GamePosition& from, const SolverLimits& limits);

    // Patterns larger than this, or with more enemies, are left undecided.
    static constexpr int32_t MaxCells = 64;
    static constexpr int32_t MaxEnemies = 5;

private:
    class Search;

    // A game of the solver's own that holds the copy; nothing in it draws.
    GameRandom m_random{0};
    StatusOption m_status;
    Game m_game{m_random, m_status};
    std::unique_ptr<Search> m_search;
};
