#pragma once

#include "GamePattern.h"

#include <cstdint>
#include <optional>

// One of the 18 x 13 board squares, column 0 at the left and row 0 at the top.
struct BoardSquare {
    int32_t column = 0;
    int32_t row = 0;

    bool operator==(const BoardSquare&) const = default;
};

// The ways a key can steer the player; InPlace stays in the own cell.
enum class Heading : int32_t { InPlace, Up, Down, Left, Right };

// How keys pick a square to click. The player keeps an aim square inside its own cell; an
// arrow looks just beyond the cell's edge, on the aim's row or column, so when several
// cells border that side the aim decides between them, and the square looked at always
// belongs to a cell that shares an edge with the player's.
namespace Aim {

// The middle of a cell, rounded toward the top left.
BoardSquare Centre(const CellRect& cell);
// The square of the cell nearest to the given one: the square itself when it lies inside.
BoardSquare ClampInto(const CellRect& cell, BoardSquare square);
// The square a key looks at from the cell with the given aim (assumed inside the cell);
// none when it lies off the board.
std::optional<BoardSquare> LookedAt(const CellRect& cell, BoardSquare aim, Heading heading);

} // namespace Aim
