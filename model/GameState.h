#pragma once

#include <cstdint>

// The game flow's state codes. The player's move result uses the same numbers,
// so a non-zero result can be handed straight to the state change.
namespace GameState {
constexpr int32_t None = 0;
constexpr int32_t Waiting = 1;
constexpr int32_t Started = 2;
constexpr int32_t Retrying = 3;
constexpr int32_t Cleared = 4;
constexpr int32_t Gameover = 5;
constexpr int32_t Quitting = 6;
}
