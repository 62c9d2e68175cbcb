#pragma once

#include "GameRules.h"
#include "GameSolver.h"

#include <array>
#include <cstdint>
#include <span>

// The solver's own record of a position, small enough to copy at every move, and the view
// of it the rules play on.
namespace Solver {

// A position's key: the player's cell, the move of the cycle, whether the enemies'
// order is known, and the enemies' cells. A position the search keeps has made fewer
// moves of its cycle than the chase move, so two bits hold them only as long as the
// chase comes at the fourth move at the latest.
inline constexpr int32_t CellBits = 6;
inline constexpr uint64_t CellMask = (1u << CellBits) - 1;
inline constexpr int32_t PlayerShift = 0;
inline constexpr int32_t CycleShift = 6;
inline constexpr int32_t OrderedShift = 8;
static_assert(Rules::ChaseMove - 1 < 1 << (OrderedShift - CycleShift), "the cycle's bits cannot hold its moves");
inline constexpr int32_t EnemyShift = 9;
inline constexpr int32_t KeyBits = EnemyShift + CellBits * GameSolver::MaxEnemies;
inline constexpr uint64_t KeyMask = (uint64_t{1} << KeyBits) - 1;
// Above the key, a remembered position holds the move that wins it, how much search it
// took, and its marks.
inline constexpr int32_t MoveShift = KeyBits;
inline constexpr int32_t WorkShift = MoveShift + CellBits;
inline constexpr uint64_t WorkMask = 31;
inline constexpr uint64_t WonMark = uint64_t{1} << 63;
inline constexpr uint64_t LostMark = uint64_t{1} << 62;
// A loss that failed its check: as if never found.
inline constexpr uint64_t DoubtedMark = uint64_t{1} << 61;
// A loss among those a check is looking at.
inline constexpr uint64_t CheckedMark = uint64_t{1} << 60;

inline uint64_t Bit(int32_t cell)
{
    return uint64_t{1} << cell;
}

// A position as the search keeps it.
struct Node {
    // The cells still to visit.
    uint64_t left = 0;
    int32_t player = 0;
    int32_t cycle = 0;
    int32_t count = 0;
    // The enemies are in the order of the next chase while it is known, the list's own;
    // once a chase has drawn a new order nobody can foresee, they are kept sorted.
    bool ordered = false;
    std::array<int32_t, GameSolver::MaxEnemies> enemies{};

    uint64_t EnemyMask() const
    {
        uint64_t mask = 0;
        for (int32_t i = 0; i < count; ++i)
            mask |= Bit(enemies[i]);
        return mask;
    }

    uint64_t Key() const
    {
        uint64_t key = uint64_t(player) << PlayerShift | uint64_t(cycle) << CycleShift
            | uint64_t(ordered) << OrderedShift;
        for (int32_t i = 0; i < count; ++i)
            key |= uint64_t(enemies[i]) << (EnemyShift + CellBits * i);
        return key;
    }
};

// The rules' view of a search position.
class NodeBoard {
public:
    NodeBoard(const GameField& field, Node& node)
        : m_field(field)
        , node(node)
        , enemyMask(node.EnemyMask())
    {
    }

    const GameField& field() const { return m_field; }
    int32_t playerCell() const { return node.player; }
    int32_t cycleMoves() const { return node.cycle; }
    bool EnemyOn(int32_t cell) const { return (enemyMask & Bit(cell)) != 0; }
    bool HasUnvisited() const { return node.left != 0; }
    std::span<const int32_t> enemyCells() const { return {node.enemies.data(), static_cast<size_t>(node.count)}; }

    void PlacePlayer(int32_t cell)
    {
        node.player = cell;
        node.left &= ~Bit(cell);
        ++node.cycle;
    }
    void EndCycle() { node.cycle = 0; }
    // The search plays the chase itself, in each order the enemies may take.
    void Chase() {}
    void MoveEnemy(int32_t from, int32_t to) { enemyMask = (enemyMask & ~Bit(from)) | Bit(to); }

private:
    const GameField& m_field;
    Node& node;
    uint64_t enemyMask;
};

} // namespace Solver
