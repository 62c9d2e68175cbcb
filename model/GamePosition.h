#pragma once

#include "GameAim.h"

#include <cstdint>
#include <vector>

// Everything of a pattern in play that a move can change: where the player stands, the
// enemies' cells in the order of the next chase, each cell's mark still to visit (-1 once
// visited or where there is none to visit), the move counters, and the square keys aim from.
struct GamePosition {
    int32_t player = 0;
    std::vector<int32_t> enemies;
    std::vector<int32_t> unvisited;
    int32_t cycleMoves = 0;
    int32_t totalMoves = 0;
    BoardSquare aim;

    bool operator==(const GamePosition&) const = default;
};
