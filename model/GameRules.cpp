#include "GameRules.h"

#include "GameAim.h"

#include <algorithm>

namespace Rules {

bool MayEnter(const GameField& field, int32_t from, int32_t target, int32_t cycleMoves, bool enemyThere)
{
    const FieldCell& cell = field.Cell(target);
    if (enemyThere || cell.obstacle >= 0)
        return false;
    if (cycleMoves + 1 == ChaseMove && cell.trap >= 0)
        return false;
    return target == from || field.IsNeighbour(target, from);
}

bool Catches(const GameField& field, int32_t playerCell, int32_t enemyCell)
{
    return field.IsNeighbour(playerCell, enemyCell);
}

int32_t ChaseAim(const GameField& field, int32_t playerCell, int32_t enemyCell)
{
    const BoardSquare centre = Aim::Centre(field.Cell(playerCell));
    const FieldCell& enemy = field.Cell(enemyCell);
    return field.Grid(std::clamp(centre.column, enemy.left - 1, enemy.right),
                      std::clamp(centre.row, enemy.top - 1, enemy.bottom));
}

} // namespace Rules
