#pragma once

#include "GameState.h"

namespace Rules {

enum class MoveResult {
    Refused, // nothing changed
    Made,    // the game goes on
    Chased,  // the game goes on, and the enemies took their step after it
    Cleared, // no cell is left to visit
    Caught,  // an enemy stood next to the player at the chase move
};

} // namespace Rules

// What a move did, so that nobody has to work it out from the counters: the rules' result
// and the state the game flow turns to. Undo and redo report one as well; undo reports
// Made, redo what the move made again did.
struct MoveReport {
    Rules::MoveResult result = Rules::MoveResult::Refused;

    // Whether the position changed.
    bool made() const { return result != Rules::MoveResult::Refused; }
    // None while the pattern goes on, else Cleared or Gameover.
    GameState state() const
    {
        switch (result) {
        case Rules::MoveResult::Cleared:
            return GameState::Cleared;
        case Rules::MoveResult::Caught:
            return GameState::Gameover;
        default:
            return GameState::None;
        }
    }
};
