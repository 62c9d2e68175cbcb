#include "GameAim.h"

#include <algorithm>

namespace Aim {

BoardSquare Centre(const CellRect& cell)
{
    return {(cell.left + cell.right - 1) / 2, (cell.top + cell.bottom - 1) / 2};
}

BoardSquare ClampInto(const CellRect& cell, BoardSquare square)
{
    return {std::clamp(square.column, cell.left, cell.right - 1), std::clamp(square.row, cell.top, cell.bottom - 1)};
}

std::optional<BoardSquare> LookedAt(const CellRect& cell, BoardSquare aim, Heading heading)
{
    BoardSquare square = aim;
    switch (heading) {
    case Heading::InPlace:
        return aim;
    case Heading::Up:
        square.row = cell.top - 1;
        break;
    case Heading::Down:
        square.row = cell.bottom;
        break;
    case Heading::Left:
        square.column = cell.left - 1;
        break;
    case Heading::Right:
        square.column = cell.right;
        break;
    }
    if (square.column < 0 || square.column >= GamePattern::Columns || square.row < 0 || square.row >= GamePattern::Rows)
        return std::nullopt;
    return square;
}

} // namespace Aim
