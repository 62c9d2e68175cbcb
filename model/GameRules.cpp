#include "GameRules.h"

#include "GameAim.h"

#include <algorithm>

namespace Rules {

bool MayEnter(const GamePattern& pattern, int32_t from, int32_t target, int32_t cycleMoves, bool enemyThere)
{
    if (enemyThere || pattern.Obstacle(target))
        return false;
    if (cycleMoves + 1 == ChaseMove && pattern.Trap(target))
        return false;
    return target == from || pattern.IsNeighbour(target, from);
}

bool Catches(const GamePattern& pattern, int32_t playerCell, int32_t enemyCell)
{
    return pattern.IsNeighbour(playerCell, enemyCell);
}

int32_t ChaseAim(const GamePattern& pattern, int32_t playerCell, int32_t enemyCell)
{
    const BoardSquare centre = Aim::Centre(pattern.Rect(playerCell));
    const CellRect& enemy = pattern.Rect(enemyCell);
    return pattern.Grid(std::clamp(centre.column, enemy.left - 1, enemy.right),
                        std::clamp(centre.row, enemy.top - 1, enemy.bottom));
}

} // namespace Rules
