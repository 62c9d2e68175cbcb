#pragma once

#include <cstdint>

// The game flow's states. The player's move result uses the same codes: None when the
// flow has nothing to do, Cleared or Gameover when it must change state.
enum class GameState : int32_t {
    None = 0,
    Waiting = 1,
    Started = 2,
    Retrying = 3,
    Cleared = 4,
    Gameover = 5,
    Quitting = 6,
};

// A pattern is being played: clicks and keys move, and leaving it may ask first.
inline bool InPattern(GameState state)
{
    return state == GameState::Started || state == GameState::Retrying;
}
