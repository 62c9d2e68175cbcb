#pragma once

#include "GamePosition.h"
#include "MoveReport.h"

#include <cstdint>
#include <vector>

// The positions a pattern in play has passed through, so that moves can be taken back and
// made again, as far back as its start.
class GameHistory {
public:
    // One end of a move and what the move did.
    struct Step {
        GamePosition position;
        Rules::MoveResult result = Rules::MoveResult::Made;
    };

    // A start or a retry begins anew; a clear or a catch leaves nothing to take back.
    void Clear();
    // A move was made from this position; what could be made again is gone.
    void Made(GamePosition before, Rules::MoveResult result);

    bool CanUndo() const { return !made.empty(); }
    bool CanRedo() const { return !undone.empty(); }
    // The position to go back to; the current one is kept to be made again.
    GamePosition Undo(GamePosition current);
    // The position the last move taken back led to, and what that move did; the current
    // one is kept to go back to.
    Step Redo(GamePosition current);

    // Moves made since the start or retry, those taken back too: a pattern that had one is
    // a game played.
    int32_t movesMade() const { return m_movesMade; }

private:
    // Before each move made, and after each move taken back.
    std::vector<Step> made;
    std::vector<Step> undone;
    int32_t m_movesMade = 0;
};
