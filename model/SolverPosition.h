#pragma once

#include "GamePosition.h"
#include "GameRules.h"
#include "Gamefield.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>

// The solver's own record of a position, small enough to copy at every move, and the view
// of it the rules play on.
namespace Solver {

// Patterns larger than this, or with more enemies, are left undecided. The options deal
// at most 40 cells.
inline constexpr int32_t MaxCells = 40;
inline constexpr int32_t MaxEnemies = 5;

// A position's key: the player's cell, the move of the cycle, whether the enemies'
// order is known, and the enemies' cells. A position the search keeps has made fewer
// moves of its cycle than the chase move, so the cycle's bits follow from it.
inline constexpr int32_t CellBits = 6;
static_assert(MaxCells <= 1 << CellBits);
inline constexpr uint64_t CellMask = (1u << CellBits) - 1;
inline constexpr int32_t CycleBits = std::bit_width(static_cast<unsigned>(Rules::ChaseMove - 1));
inline constexpr int32_t PlayerShift = 0;
inline constexpr int32_t CycleShift = PlayerShift + CellBits;
inline constexpr int32_t OrderedShift = CycleShift + CycleBits;
inline constexpr int32_t EnemyShift = OrderedShift + 1;
inline constexpr int32_t KeyBits = EnemyShift + CellBits * MaxEnemies;
inline constexpr uint64_t KeyMask = (uint64_t{1} << KeyBits) - 1;
// Above the key, a remembered position holds its best move, how much search it took, and
// its marks.
inline constexpr int32_t MoveShift = KeyBits;
inline constexpr int32_t WorkShift = MoveShift + CellBits;
inline constexpr uint64_t WorkMask = 31;
static_assert(WorkShift + 5 <= 59);
inline constexpr uint64_t UsedMark = uint64_t{1} << 63;
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
    uint64_t toVisit = 0;
    int32_t player = 0;
    int32_t cycle = 0;
    int32_t count = 0;
    // The enemies are in the order of the next chase while it is known, the list's own;
    // once a chase has drawn a new order nobody can foresee, they are kept sorted.
    bool ordered = false;
    std::array<int32_t, MaxEnemies> enemies{};

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

    // The same position with its next chase in any order: the enemies kept sorted.
    Node AnyOrder() const
    {
        Node node = *this;
        node.ordered = false;
        std::sort(node.enemies.begin(), node.enemies.begin() + node.count);
        return node;
    }

    // A position of the game, the enemies in the order of its next chase. The caller has
    // checked it fits.
    static Node FromPosition(const GamePosition& at)
    {
        Node node;
        for (size_t c = 0; c < at.unvisited.size(); ++c) {
            if (at.unvisited[c] >= 0)
                node.toVisit |= Bit(static_cast<int32_t>(c));
        }
        node.player = at.player;
        node.cycle = at.cycleMoves;
        node.count = static_cast<int32_t>(at.enemies.size());
        std::copy(at.enemies.begin(), at.enemies.end(), node.enemies.begin());
        node.ordered = true;
        return node;
    }

    static Node FromKey(uint64_t toVisit, uint64_t key, int32_t count)
    {
        Node node;
        node.toVisit = toVisit;
        node.player = static_cast<int32_t>(key >> PlayerShift & CellMask);
        node.cycle = static_cast<int32_t>(key >> CycleShift & ((1u << CycleBits) - 1));
        node.ordered = (key >> OrderedShift & 1) != 0;
        node.count = count;
        for (int32_t i = 0; i < count; ++i)
            node.enemies[i] = static_cast<int32_t>(key >> (EnemyShift + CellBits * i) & CellMask);
        return node;
    }
};

// The rules' view of a search position.
class NodeBoard {
public:
    NodeBoard(const GamePattern& pattern, Node& node)
        : m_pattern(pattern)
        , node(node)
        , enemyMask(node.EnemyMask())
    {
    }

    const GamePattern& pattern() const { return m_pattern; }
    int32_t playerCell() const { return node.player; }
    int32_t cycleMoves() const { return node.cycle; }
    bool EnemyOn(int32_t cell) const { return (enemyMask & Bit(cell)) != 0; }
    bool HasUnvisited() const { return node.toVisit != 0; }
    std::span<const int32_t> enemyCells() const { return {node.enemies.data(), static_cast<size_t>(node.count)}; }

    void PlacePlayer(int32_t cell)
    {
        node.player = cell;
        node.toVisit &= ~Bit(cell);
        ++node.cycle;
    }
    void EndCycle() { node.cycle = 0; }
    // The search plays the chase itself, in each order the enemies may take.
    void Chase() {}
    void MoveEnemy(int32_t from, int32_t to) { enemyMask = (enemyMask & ~Bit(from)) | Bit(to); }

private:
    const GamePattern& m_pattern;
    Node& node;
    uint64_t enemyMask;
};

} // namespace Solver
