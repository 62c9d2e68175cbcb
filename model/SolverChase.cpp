#include "SolverChase.h"

#include "GameRules.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <span>

namespace Solver {

namespace {

// The orders five enemies may take.
constexpr int32_t Orders = 120;
static_assert(MaxEnemies <= 5);

// Puts first the enemies whose step does not depend on the order, and tells how many
// they are.
int32_t Independent(const GamePattern& pattern, const Node& node, std::array<int32_t, MaxEnemies>& order)
{
    std::array<int32_t, MaxEnemies> aims{};
    for (int32_t i = 0; i < node.count; ++i)
        aims[i] = Rules::ChaseAim(pattern, node.player, node.enemies[i]);
    std::array<bool, MaxEnemies> tied{};
    for (int32_t i = 0; i < node.count; ++i) {
        for (int32_t j = 0; j < node.count; ++j) {
            if (i != j && (Rules::Contends(aims[i], node.enemies[j], aims[j])
                           || Rules::Contends(aims[j], node.enemies[i], aims[i])))
                tied[i] = true;
        }
    }
    // In their own order either way, without the buffer a stable partition may take.
    std::array<int32_t, MaxEnemies> sorted{};
    int32_t placed = 0;
    for (int32_t i = 0; i < node.count; ++i) {
        if (!tied[order[i]])
            sorted[placed++] = order[i];
    }
    const int32_t free = placed;
    for (int32_t i = 0; i < node.count; ++i) {
        if (tied[order[i]])
            sorted[placed++] = order[i];
    }
    order = sorted;
    return free;
}

} // namespace

void ChaseOutcomes(const GamePattern& pattern, const Node& node, std::vector<Node>& outcomes)
{
    outcomes.clear();
    // The enemies whose order matters go last. The others step first, all at once.
    std::array<int32_t, MaxEnemies> order{};
    std::iota(order.begin(), order.begin() + node.count, 0);
    const int32_t free = node.ordered ? node.count : Independent(pattern, node, order);
    Node first = node;
    for (int32_t i = 0; i < node.count; ++i)
        first.enemies[i] = node.enemies[order[i]];
    NodeBoard board(pattern, first);
    Rules::ChaseInOrder(board, std::span<int32_t>(first.enemies.data(), static_cast<size_t>(free)));
    // Then each of the others in turn, in every order: one step at a time, orders that
    // have brought the same enemies to the same cells so far go on as one. A partial chase
    // is the enemies' cells, packed, the cells they stand on, and which of them have stepped.
    struct Partial {
        uint64_t cells;
        uint64_t taken;
        uint32_t moved;
    };
    // The rules' view of one enemy's step in a partial chase.
    struct StepBoard {
        const GamePattern& board;
        int32_t player;
        uint64_t taken;
        const GamePattern& pattern() const { return board; }
        int32_t playerCell() const { return player; }
        bool EnemyOn(int32_t cell) const { return (taken & Bit(cell)) != 0; }
        void MoveEnemy(int32_t from, int32_t to) { taken = (taken & ~Bit(from)) | Bit(to); }
    };
    // No more go on as one than there are orders of the first few.
    struct Layer {
        std::array<Partial, Orders> partials;
        int32_t count;
    };
    std::array<Layer, 2> layers;
    uint64_t packed = 0;
    for (int32_t i = 0; i < node.count; ++i)
        packed |= uint64_t(first.enemies[i]) << (CellBits * i);
    layers[0].partials[0] = {packed, first.EnemyMask(), 0};
    layers[0].count = 1;
    for (int32_t step = free; step < node.count; ++step) {
        const Layer& from = layers[(step - free) % 2];
        Layer& to = layers[(step - free + 1) % 2];
        to.count = 0;
        for (int32_t p = 0; p < from.count; ++p) {
            const Partial& at = from.partials[p];
            for (int32_t i = free; i < node.count; ++i) {
                if (at.moved & (1u << i))
                    continue;
                const int32_t shift = CellBits * i;
                int32_t cell = static_cast<int32_t>(at.cells >> shift & CellMask);
                StepBoard stepBoard{pattern, node.player, at.taken};
                Rules::ChaseInOrder(stepBoard, std::span<int32_t>(&cell, 1));
                const Partial next{(at.cells & ~(CellMask << shift)) | uint64_t(cell) << shift, stepBoard.taken,
                                   at.moved | 1u << i};
                const auto same = [&](const Partial& q) { return q.moved == next.moved && q.cells == next.cells; };
                if (std::none_of(to.partials.begin(), to.partials.begin() + to.count, same))
                    to.partials[to.count++] = next;
            }
        }
    }
    const Layer& last = layers[(node.count - free) % 2];
    for (int32_t p = 0; p < last.count; ++p) {
        const uint64_t taken = last.partials[p].taken;
        if (std::any_of(outcomes.begin(), outcomes.end(), [&](const Node& o) { return o.EnemyMask() == taken; }))
            continue;
        Node next = first;
        for (int32_t i = 0; i < next.count; ++i)
            next.enemies[i] = static_cast<int32_t>(last.partials[p].cells >> (CellBits * i) & CellMask);
        outcomes.push_back(next.AnyOrder());
    }
}

} // namespace Solver
