#pragma once

#include "GameSolver.h"
#include "PatternNumber.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class BoardView;
class Game;
class QTimer;
class SolverWorker;

// The hints, and the fair patterns a start deals: a search on a thread of its own follows
// the play, from every new position, so a hint is usually ready when asked for. A hint
// marks the next move of a sure way on the board for a moment, or, when the search found
// none, lets the window say so.
class HintDesk {
public:
    // paused tells whether the game is paused (a dialog, another window); noSureWay says
    // that the search found no sure way, or none in time. game, board and both outlive the
    // desk.
    HintDesk(Game& game, BoardView& board, std::function<bool()> paused, std::function<void(Verdict)> noSureWay);
    ~HintDesk();

    // Deals the pattern of a typed number, or one of the options from a seed the clock
    // gives; with fairOnly, more of them until the search proves one clearable from its
    // start, for a few seconds at most.
    void Deal(const std::optional<PatternNumber>& typed, const FieldOption& field, int32_t enemyCount,
              bool fairOnly);
    // The play stands in a new position or has entered a state: the hint shown and the
    // search go, and in a pattern the search starts from here.
    void Follow(bool inPattern);
    // The play leaves its position: the hint shown and the search from it go.
    void Leave();
    // The player asks for a hint in a pattern: shown now, or as soon as the search decides.
    void Ask();

    // What the searches from the pattern's start found, kept past its end: none before any.
    std::optional<SolverResult> startVerdict() const;
    // None before the first pattern.
    const SolverWorker* solver() const { return m_solver.get(); }

private:
    SolverWorker& Solver();
    void Decided();
    void Show(const SolverResult& result);
    void Hide();

    Game& game;
    BoardView& board;
    const std::function<bool()> paused;
    const std::function<void(Verdict)> noSureWay;
    std::unique_ptr<SolverWorker> m_solver;
    std::unique_ptr<QTimer> m_timer;
    // A hint asked for before the search from the position has ended is wanted until then.
    bool m_wanted = false;
};
