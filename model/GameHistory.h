#pragma once

#include "GamePosition.h"

#include <cstdint>
#include <vector>

// The positions a pattern in play has passed through, so that moves can be taken back and
// made again, as far back as its start.
class GameHistory {
public:
    // A start or a retry begins anew; a clear or a catch leaves nothing to take back.
    void Clear();
    // A move was made from this position; what could be made again is gone.
    void Made(GamePosition before);

    bool CanUndo() const { return !made.empty(); }
    bool CanRedo() const { return !undone.empty(); }
    // The position to go back to; the current one is kept to be made again.
    GamePosition Undo(GamePosition current);
    // The position the last move taken back led to; the current one is kept to go back to.
    GamePosition Redo(GamePosition current);

    // Moves made since the start or retry, those taken back too: a pattern that had one is
    // a game played.
    int32_t movesMade() const { return m_movesMade; }

private:
    std::vector<GamePosition> made;
    std::vector<GamePosition> undone;
    int32_t m_movesMade = 0;
};
