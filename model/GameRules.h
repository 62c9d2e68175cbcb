#pragma once

#include "GameState.h"
#include "GamePattern.h"
#include "MoveReport.h"

#include <cstdint>
#include <span>

// The rules of a move and of a chase, stated once. The pieces apply them to the field's
// records; the solver applies them to positions of its own. A board hands the rules what
// they ask and carries out what they decide; the pattern is the board's to lend.
//
// A board for Move offers:
//   const GamePattern& pattern() const;  the pattern's cells, neighbours and grid
//   int32_t playerCell() const;          where the player stands
//   int32_t cycleMoves() const;          moves made since the enemies last moved
//   bool EnemyOn(int32_t cell) const;
//   bool HasUnvisited() const;           some cell is still to visit
//   std::span<const int32_t> enemyCells() const;
//   void PlacePlayer(int32_t cell);      the player stands there, visited, one more move made
//   void EndCycle();                     the cycle of moves starts again
//   void Chase();                        the enemies are due to move (a board that plays
//                                        the chase itself may leave it to later)
// A board for ChaseInOrder offers pattern(), playerCell(), EnemyOn(cell) and
//   void MoveEnemy(int32_t from, int32_t to);
namespace Rules {

// The move of a cycle after which the enemies move.
inline constexpr int32_t ChaseMove = 3;

// The run of clears that makes a hat trick; the statistics count a run's first one.
inline constexpr int32_t HatTrickRun = 3;

// Whether a run of clears, counting the latest, is celebrated as a hat trick: every
// multiple of the hat trick's run. A pattern whose clear would make one is drawn in the
// hat trick's style from its start.
constexpr bool HatTrick(int32_t run)
{
    return run > 0 && run % HatTrickRun == 0;
}

// Whether the player's next move may end on the target: its own cell or an edge-sharing
// neighbour, no obstacle, no enemy, and no trap for the move the enemies follow.
bool MayEnter(const GamePattern& pattern, int32_t from, int32_t target, int32_t cycleMoves, bool enemyThere);

// Whether an enemy on a cell that shares an edge with the player's catches it.
bool Catches(const GamePattern& pattern, int32_t playerCell, int32_t enemyCell);

// The cell an enemy heads for: the one covering the square nearest to the centre of the
// player's cell in the ring of squares just around the enemy's own cell.
int32_t ChaseAim(const GamePattern& pattern, int32_t playerCell, int32_t enemyCell);

// A click on a cell. Clearing wins even when the same move ends next to an enemy; at the
// chase move an enemy next to the player catches it before anything moves.
template <typename Board>
MoveResult Move(Board& board, int32_t cell)
{
    const GamePattern& pattern = board.pattern();
    if (!MayEnter(pattern, board.playerCell(), cell, board.cycleMoves(), board.EnemyOn(cell)))
        return MoveResult::Refused;
    board.PlacePlayer(cell);
    if (!board.HasUnvisited())
        return MoveResult::Cleared;
    if (board.cycleMoves() != ChaseMove)
        return MoveResult::Made;
    board.EndCycle();
    for (const int32_t enemyCell : board.enemyCells()) {
        if (Catches(pattern, board.playerCell(), enemyCell))
            return MoveResult::Caught;
    }
    board.Chase();
    return MoveResult::Chased;
}

// One step of every enemy, in the order given, whose entries follow the enemies. Those
// earlier in the order have moved when a later one looks, so a cell just entered holds it
// back and a cell just left is free; an enemy never enters the player's cell.
template <typename Board>
void ChaseInOrder(Board& board, std::span<int32_t> order)
{
    const GamePattern& pattern = board.pattern();
    for (int32_t& own : order) {
        int32_t aim = ChaseAim(pattern, board.playerCell(), own);
        if (aim == board.playerCell() || board.EnemyOn(aim))
            aim = own;
        board.MoveEnemy(own, aim);
        own = aim;
    }
}

// Whether an enemy heading for aim may step differently as another enemy, on otherCell and
// heading for otherAim, goes before or after it in a chase: the other's cell is free once
// it has left, and of two heading for one cell the first takes it. Enemies that contend
// with none end where they end in any order.
inline bool Contends(int32_t aim, int32_t otherCell, int32_t otherAim)
{
    return aim == otherCell || aim == otherAim;
}

} // namespace Rules
