#include "SolverRounds.h"

#include "GameRules.h"
#include "SolverChase.h"

#include <algorithm>
#include <bit>

namespace Solver {

namespace {

constexpr uint32_t None = UINT32_MAX;
// The map's sweeps ask whether to stop once in this many round starts: a sweep over one
// costs far less than searching a position.
constexpr size_t SweepsAsked = 64;

// The chases the map remembers while it is made, a power of two.
constexpr size_t ChasesKept = size_t{1} << 16;

// Each growing list is given room for all the memory allows at once: room never written
// takes no memory, and no list is copied as it grows. So what they hold is what they take.
template <typename List>
void ReserveAll(List& list, std::size_t memory)
{
    list.reserve(memory / sizeof(typename List::value_type));
}

uint64_t Mix(uint64_t key)
{
    key = (key ^ key >> 31) * 0x9E3779B97F4A7C15u;
    return key ^ key >> 29;
}

} // namespace

Rounds::Rounds(const GamePattern& pattern)
    : pattern(pattern)
    , cells(pattern.cellCount())
{
    // The rules' own word on each move and catch, asked once: an enemy on a cell only ever
    // keeps the player out of it, so the enemies of a round are taken off afterwards.
    for (int32_t cycle = 0; cycle < Rules::ChaseMove; ++cycle) {
        for (int32_t from = 0; from < cells; ++from) {
            if (Rules::MayEnter(pattern, from, from, cycle, false))
                moves[cycle][from] |= Bit(from);
            for (const int32_t to : pattern.Neighbours(from)) {
                if (Rules::MayEnter(pattern, from, to, cycle, false))
                    moves[cycle][from] |= Bit(to);
            }
        }
    }
    for (int32_t cell = 0; cell < cells; ++cell) {
        for (int32_t enemy = 0; enemy < cells; ++enemy) {
            if (Rules::Catches(pattern, cell, enemy))
                catchers[cell] |= Bit(enemy);
        }
    }
}

Rounds::Reach Rounds::Forward(int32_t from, int32_t cycle, uint64_t enemies) const
{
    Reach reach;
    reach.first = cycle;
    reach.steps[cycle] = Bit(from);
    for (int32_t m = cycle; m < Rules::ChaseMove; ++m) {
        uint64_t next = 0;
        for (uint64_t at = reach.steps[m]; at != 0; at &= at - 1)
            next |= moves[m][std::countr_zero(at)];
        reach.steps[m + 1] = next & ~enemies;
    }
    return reach;
}

uint64_t Rounds::Entered(const Reach& reach, int32_t end, uint64_t enemies) const
{
    uint64_t ahead = Bit(end);
    uint64_t entered = ahead;
    for (int32_t m = Rules::ChaseMove - 1; m > reach.first; --m) {
        uint64_t before = 0;
        for (uint64_t at = reach.steps[m]; at != 0; at &= at - 1) {
            const int32_t cell = std::countr_zero(at);
            if (moves[m][cell] & ~enemies & ahead)
                before |= Bit(cell);
        }
        ahead = before;
        entered |= ahead;
    }
    return entered;
}

uint32_t Rounds::Find(uint64_t key) const
{
    if (slots.empty())
        return None;
    const size_t mask = slots.size() - 1;
    for (size_t s = Mix(key) & mask;; s = (s + 1) & mask) {
        if (slots[s] == 0)
            return None;
        if (keys[slots[s] - 1] == key)
            return slots[s] - 1;
    }
}

uint32_t Rounds::Add(uint64_t key)
{
    if (const uint32_t id = Find(key); id != None)
        return id;
    if (2 * (keys.size() + 1) > slots.size()) {
        slots.assign(std::max<size_t>(1024, slots.size() * 2), 0);
        const size_t mask = slots.size() - 1;
        for (uint32_t id = 0; id < keys.size(); ++id) {
            size_t s = Mix(keys[id]) & mask;
            while (slots[s] != 0)
                s = (s + 1) & mask;
            slots[s] = id + 1;
        }
    }
    const size_t mask = slots.size() - 1;
    size_t s = Mix(key) & mask;
    while (slots[s] != 0)
        s = (s + 1) & mask;
    keys.push_back(key);
    slots[s] = static_cast<uint32_t>(keys.size());
    return static_cast<uint32_t>(keys.size() - 1);
}

void Rounds::Graph::Reserve(std::size_t memory)
{
    ReserveAll(firstEnd, memory);
    ReserveAll(firstOutcome, memory);
    ReserveAll(endCells, memory);
    ReserveAll(endOutcomes, memory);
    ReserveAll(entered, memory);
    ReserveAll(outcomes, memory);
}

std::size_t Rounds::Graph::bytes() const
{
    return (firstEnd.size() + firstOutcome.size() + outcomes.size()) * sizeof(uint32_t) + endCells.size()
        + endOutcomes.size() + entered.size() * sizeof(uint64_t);
}

std::size_t Rounds::bytes() const
{
    return keys.size() * sizeof(uint64_t) + slots.size() * sizeof(uint32_t) + kept.size() + rounds.size();
}

void Rounds::Clear()
{
    lost = false;
    List<uint64_t>().swap(keys);
    List<uint32_t>().swap(slots);
    List<uint8_t>().swap(kept);
    List<uint8_t>().swap(rounds);
}

bool Rounds::Map(const Node& root, std::size_t memory, const std::function<bool()>& halt)
{
    Clear();
    enemyCount = root.count;
    target = root.toVisit;
    ReserveAll(keys, memory);
    // The root is the map's first round start, though its round may be under way and the
    // order of its chase known: a key tells both, so its rounds are mapped as any other's.
    Add(root.Key());
    Graph graph;
    graph.Reserve(memory);
    struct Chased {
        uint64_t tag = 0;
        uint32_t first = 0;
        uint8_t count = 0;
    };
    List<Chased> chased(ChasesKept);
    for (size_t id = 0; id < keys.size(); ++id) {
        peak = std::max(peak, bytes() + graph.bytes());
        if (halt() || bytes() + graph.bytes() + Settling(keys.size(), graph.endCells.size()) > memory) {
            Clear();
            return false;
        }
        const Node start = Node::FromKey(0, keys[id], enemyCount);
        const uint64_t enemies = start.EnemyMask();
        graph.firstEnd.push_back(static_cast<uint32_t>(graph.endCells.size()));
        graph.firstOutcome.push_back(static_cast<uint32_t>(graph.outcomes.size()));
        const Reach reach = Forward(start.player, start.cycle, enemies);
        for (uint64_t ends = reach.steps[Rules::ChaseMove]; ends != 0; ends &= ends - 1) {
            const int32_t end = std::countr_zero(ends);
            if (Caught(end, enemies))
                continue;
            graph.endCells.push_back(static_cast<uint8_t>(end));
            graph.entered.push_back(Entered(reach, end, enemies) & target);
            // Round starts that share their enemies' cells, and whether their order is known,
            // share the chases from each end.
            const uint64_t tag = (keys[id] >> OrderedShift) << CellBits | static_cast<uint64_t>(end);
            Chased& known = chased[Mix(tag) & (chased.size() - 1)];
            if (known.tag == tag + 1) {
                graph.endOutcomes.push_back(known.count);
                for (uint32_t o = known.first; o < known.first + known.count; ++o)
                    graph.outcomes.push_back(graph.outcomes[o]);
                continue;
            }
            Node atEnd = start;
            atEnd.player = end;
            atEnd.cycle = 0;
            ChaseOutcomes(pattern, atEnd, scratch);
            known = {tag + 1, static_cast<uint32_t>(graph.outcomes.size()), static_cast<uint8_t>(scratch.size())};
            graph.endOutcomes.push_back(known.count);
            for (const Node& outcome : scratch)
                graph.outcomes.push_back(Add(outcome.Key()));
        }
    }
    graph.firstEnd.push_back(static_cast<uint32_t>(graph.endCells.size()));
    graph.firstOutcome.push_back(static_cast<uint32_t>(graph.outcomes.size()));
    List<uint64_t> reached;
    if (!Settle(graph, halt, reached) || (!kept[0] && !Judge(graph, halt, std::move(reached)))) {
        Clear();
        return false;
    }
    return true;
}

std::size_t Rounds::Settling(std::size_t starts, std::size_t ends) const
{
    return starts * (3 * sizeof(uint64_t) + static_cast<std::size_t>(cells) + 1) + ends;
}

uint64_t Rounds::Passed(const Reach& reach) const
{
    uint64_t passed = 0;
    for (int32_t m = reach.first + 1; m <= Rules::ChaseMove; ++m)
        passed |= reach.steps[m];
    return passed & target;
}

// The root is lost where some two cells left cannot surely both be entered, whatever the
// player does. That is asked of a game kinder to the player than the real one: a round's
// moves are taken to enter every cell any move of the round may enter, so two cells out
// of reach even there are out of reach in the game. First come the cells each round start
// surely enters, one at a time; then, for one cell after another, the cells it surely
// enters along with that one.
bool Rounds::Judge(const Graph& graph, const std::function<bool()>& halt, List<uint64_t> sure)
{
    const size_t count = keys.size();
    peak = std::max(peak, bytes() + graph.bytes() + Settling(count, graph.endCells.size()));
    List<uint64_t> passed(count);
    for (size_t id = 0; id < count; ++id) {
        const Node start = Node::FromKey(0, keys[id], enemyCount);
        passed[id] = Passed(Forward(start.player, start.cycle, start.EnemyMask()));
    }
    List<uint64_t> both(count);
    // What a round start surely enters: alone, or with the cell given along with it. The
    // ways its moves may end by a catch enter all they pass on the way; those to an end
    // the chase follows, what they pass and what every outcome surely enters after.
    const auto enters = [&](size_t id, int32_t with) {
        const uint64_t mark = with < 0 ? target : Bit(with);
        uint64_t cells = (passed[id] & mark) ? passed[id] : 0;
        uint32_t o = graph.firstOutcome[id];
        for (uint32_t e = graph.firstEnd[id]; e < graph.firstEnd[id + 1]; ++e) {
            uint64_t afterSure = ~uint64_t{0};
            uint64_t afterBoth = with < 0 ? 0 : ~uint64_t{0};
            for (const uint32_t last = o + graph.endOutcomes[e]; o < last; ++o) {
                afterSure &= sure[graph.outcomes[o]];
                if (with >= 0)
                    afterBoth &= both[graph.outcomes[o]];
            }
            if (with < 0) {
                cells |= afterSure;
                continue;
            }
            const uint64_t entered = graph.entered[e];
            if (entered & mark)
                cells |= entered | afterSure;
            if (afterSure & mark)
                cells |= entered;
            cells |= afterBoth;
        }
        return cells;
    };
    // Least fixpoints: only a whole one shows a cell out of reach. One along with a cell
    // ends once the root enters every cell along with it.
    const auto settle = [&](List<uint64_t>& cells, int32_t with) {
        for (bool grew = true; grew && (with < 0 || (cells[0] & target) != target);) {
            grew = false;
            for (size_t id = count; id-- > 0;) {
                if (id % SweepsAsked == 0 && halt())
                    return false;
                if ((cells[id] & target) == target)
                    continue;
                const uint64_t now = cells[id] | enters(id, with);
                grew = grew || now != cells[id];
                cells[id] = now;
            }
        }
        return true;
    };
    // What settling found each round start surely reaches holds here too, and is no more
    // than a sweep gives: from there the fixpoint comes out the same, in fewer sweeps.
    if (!settle(sure, -1))
        return false;
    lost = (sure[0] & target) != target;
    // The cells fewest round starts surely enter are tried first: the two out of reach are
    // most often among them.
    std::array<int32_t, MaxCells> entering{};
    for (size_t id = 0; id < count; ++id) {
        for (uint64_t c = sure[id] & target; c != 0; c &= c - 1)
            ++entering[std::countr_zero(c)];
    }
    std::vector<int32_t> order;
    for (uint64_t c = target; c != 0; c &= c - 1)
        order.push_back(std::countr_zero(c));
    std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return entering[a] < entering[b]; });
    for (size_t i = 0; i < order.size() && !lost; ++i) {
        std::fill(both.begin(), both.end(), 0);
        if (!settle(both, order[i]))
            return false;
        lost = (both[0] & target) != target;
    }
    return true;
}

// The rounds from which every cell left stays in reach are found as the largest set of
// rounds from each of which the player can surely enter every cell left, without being
// caught, and come back to a round of the set. Starting from all rounds, those that
// cannot are dropped until none is: a round where only a dropped round would serve the
// player is no longer kept.
bool Rounds::Settle(const Graph& graph, const std::function<bool()>& halt, List<uint64_t>& reached)
{
    const size_t count = keys.size();
    kept.assign(count, 1);
    List<uint8_t> safe(graph.endCells.size());
    peak = std::max(peak, bytes() + graph.bytes() + Settling(count, safe.size()));
    List<uint64_t> within(count);
    reached.resize(count);
    // The cells a round surely reaches, given what each round reaches: those its own moves
    // enter, and those every outcome of one of its safe ends reaches.
    const auto sweep = [&](const List<uint64_t>& from, List<uint64_t>& to, size_t id) {
        uint64_t cellsReached = from[id];
        // One that reaches every cell reaches no more.
        if ((cellsReached & target) == target) {
            to[id] = cellsReached;
            return;
        }
        uint32_t o = graph.firstOutcome[id];
        for (uint32_t e = graph.firstEnd[id]; e < graph.firstEnd[id + 1]; ++e) {
            uint64_t every = ~uint64_t{0};
            for (const uint32_t last = o + graph.endOutcomes[e]; o < last; ++o)
                every &= from[graph.outcomes[o]];
            if (safe[e])
                cellsReached |= every;
        }
        to[id] = cellsReached;
    };
    for (bool dropped = true; dropped;) {
        for (size_t id = 0; id < count; ++id) {
            uint32_t o = graph.firstOutcome[id];
            for (uint32_t e = graph.firstEnd[id]; e < graph.firstEnd[id + 1]; ++e) {
                safe[e] = 1;
                for (const uint32_t last = o + graph.endOutcomes[e]; o < last; ++o)
                    safe[e] &= kept[graph.outcomes[o]];
            }
            within[id] = 0;
            if (id % SweepsAsked == 0 && halt())
                return false;
            if (!kept[id])
                continue;
            for (uint32_t e = graph.firstEnd[id]; e < graph.firstEnd[id + 1]; ++e) {
                if (safe[e])
                    within[id] |= graph.entered[e];
            }
        }
        reached = within;
        for (bool grew = true; grew;) {
            grew = false;
            for (size_t id = count; id-- > 0;) {
                if (id % SweepsAsked == 0 && halt())
                    return false;
                if (!kept[id])
                    continue;
                const uint64_t before = reached[id];
                sweep(reached, reached, id);
                grew = grew || reached[id] != before;
            }
        }
        dropped = false;
        for (size_t id = 0; id < count; ++id) {
            if (kept[id] && (reached[id] & target) != target) {
                kept[id] = 0;
                dropped = true;
            }
        }
        // The map serves the root's pattern: once the root is dropped, what else it would
        // keep is not worth the time, and it keeps nothing. What each round start reaches is
        // left for judging the root.
        if (!kept[0]) {
            std::fill(kept.begin(), kept.end(), 0);
            return true;
        }
    }
    // Then, round after round, the cells each kept round reaches surely for the first time.
    rounds.assign(count * static_cast<size_t>(cells), Far);
    List<uint64_t> next = within;
    reached.assign(count, 0);
    farthest = 0;
    for (int32_t r = 0; r < Far; ++r) {
        bool grew = false;
        for (size_t id = 0; id < count; ++id) {
            if (id % SweepsAsked == 0 && halt())
                return false;
            if (!kept[id])
                continue;
            if (r > 0)
                sweep(reached, next, id);
            for (uint64_t fresh = next[id] & ~reached[id]; fresh != 0; fresh &= fresh - 1) {
                rounds[id * cells + std::countr_zero(fresh)] = static_cast<uint8_t>(r);
                farthest = r;
                grew = true;
            }
        }
        reached.swap(next);
        if (!grew)
            break;
    }
    return true;
}

int32_t Rounds::Nearest(uint32_t id, uint64_t toVisit) const
{
    if (!kept[id])
        return Far;
    int32_t nearest = Far;
    for (uint64_t left = toVisit; left != 0; left &= left - 1)
        nearest = std::min<int32_t>(nearest, rounds[id * cells + std::countr_zero(left)]);
    return nearest;
}

int32_t Rounds::After(const Node& next, int32_t end)
{
    Node atEnd = next;
    atEnd.player = end;
    atEnd.cycle = 0;
    ChaseOutcomes(pattern, atEnd, scratch);
    int32_t worst = 0;
    for (const Node& outcome : scratch) {
        const uint32_t id = Find(outcome.Key());
        worst = std::max(worst, id == None ? Far : Nearest(id, next.toVisit));
    }
    return worst >= Far ? Far : worst + 1;
}

int32_t Rounds::Distance(const Node& next, bool chase)
{
    if (chase)
        return After(next, next.player);
    const uint64_t enemies = next.EnemyMask();
    const Reach reach = Forward(next.player, next.cycle, enemies);
    int32_t best = Far;
    for (uint64_t ends = reach.steps[Rules::ChaseMove]; ends != 0; ends &= ends - 1) {
        const int32_t end = std::countr_zero(ends);
        if (Caught(end, enemies))
            continue;
        const int32_t rounds = After(next, end);
        if (rounds < Far && (Entered(reach, end, enemies) & next.toVisit))
            return 0;
        best = std::min(best, rounds);
    }
    return best;
}

int32_t Rounds::Moves(const Node& node, int32_t rounds) const
{
    const int32_t left = std::popcount(node.toVisit);
    return Rules::ChaseMove - node.cycle + Rules::ChaseMove * (rounds + (left - 1) * (farthest + 1));
}

// The way's bound holds because it falls by at least one with every move: it counts the
// moves left in the round, three for each round to the nearest cell left, and as many as
// the farthest cell may take, and one round more, for each other cell left. A move of the
// round keeps the rounds to go; the chase brings the nearest cell a round nearer; and
// entering a cell trades the farthest rounds one more cell could take for the rounds to
// the nearest of the rest.
Rounds::Way Rounds::Best(const Node& node)
{
    Way way;
    // Only the cells the map was made for are known to stay in reach: a position undone to
    // before it may have more left.
    if (!mapped() || (node.toVisit & ~target) != 0)
        return way;
    int32_t best = Far;
    const auto consider = [&](int32_t cell) {
        Node next = node;
        NodeBoard board(pattern, next);
        const Rules::MoveResult result = Rules::Move(board, cell);
        int32_t rounds = Far;
        if (result == Rules::MoveResult::Cleared)
            rounds = 0;
        else if (result == Rules::MoveResult::Made || result == Rules::MoveResult::Chased)
            rounds = Distance(next, result == Rules::MoveResult::Chased);
        if (rounds < Far && (node.toVisit & Bit(cell)))
            rounds = 0;
        if (rounds < best) {
            best = rounds;
            way.move = cell;
        }
    };
    consider(node.player);
    for (const int32_t cell : pattern.Neighbours(node.player))
        consider(cell);
    if (way.move >= 0)
        way.moves = Moves(node, best);
    return way;
}

} // namespace Solver
