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
    // is the enemies' cells, packed, and which of them have stepped.
    struct Partial {
        uint64_t cells;
        uint32_t moved;
    };
    const auto pack = [&](const Node& n) {
        uint64_t cells = 0;
        for (int32_t i = 0; i < n.count; ++i)
            cells |= uint64_t(n.enemies[i]) << (CellBits * i);
        return cells;
    };
    const auto unpack = [&](uint64_t cells) {
        Node n = first;
        for (int32_t i = 0; i < n.count; ++i)
            n.enemies[i] = static_cast<int32_t>(cells >> (CellBits * i) & CellMask);
        return n;
    };
    // No more go on as one than there are orders of the first few.
    struct Layer {
        std::array<Partial, Orders> partials;
        int32_t count;
    };
    std::array<Layer, 2> layers;
    layers[0].partials[0] = {pack(first), 0};
    layers[0].count = 1;
    for (int32_t step = free; step < node.count; ++step) {
        const Layer& from = layers[(step - free) % 2];
        Layer& to = layers[(step - free + 1) % 2];
        to.count = 0;
        for (int32_t p = 0; p < from.count; ++p) {
            for (int32_t i = free; i < node.count; ++i) {
                if (from.partials[p].moved & (1u << i))
                    continue;
                Node stepped = unpack(from.partials[p].cells);
                NodeBoard stepBoard(pattern, stepped);
                Rules::ChaseInOrder(stepBoard, std::span<int32_t>(&stepped.enemies[i], 1));
                const Partial next{pack(stepped), from.partials[p].moved | 1u << i};
                const auto same = [&](const Partial& q) { return q.moved == next.moved && q.cells == next.cells; };
                if (std::none_of(to.partials.begin(), to.partials.begin() + to.count, same))
                    to.partials[to.count++] = next;
            }
        }
    }
    const Layer& last = layers[(node.count - free) % 2];
    for (int32_t p = 0; p < last.count; ++p) {
        Node next = unpack(last.partials[p].cells);
        next.ordered = false;
        std::sort(next.enemies.begin(), next.enemies.begin() + next.count);
        const uint64_t mask = next.EnemyMask();
        if (std::none_of(outcomes.begin(), outcomes.end(), [&](const Node& o) { return o.EnemyMask() == mask; }))
            outcomes.push_back(next);
    }
}

} // namespace Solver
