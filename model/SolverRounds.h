#pragma once

#include "GamePattern.h"
#include "GameRules.h"
#include "SolverMemory.h"
#include "SolverPosition.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace Solver {

// The game a round at a time: the player's moves up to the chase, then the chase. A start
// leads to far fewer rounds than positions, as a round's start is only where the enemies
// stand and where the player does, whatever is left to visit. Over those a position can
// lead to, the map finds the ones from which every cell it has left stays in reach for
// good: the player can enter each of them as often as it likes and is never caught. From
// such a round the position is surely clearable: head round by round for the nearest cell
// left, without ever leaving them. The map tells how many rounds that takes, which bounds
// the moves the way needs; so a position it covers is proved clearable, with its move and
// bound, where a search would have to follow every order of every chase to the clear.
// Where the position the map is made from is not covered, the map may prove it lost
// instead: two of its cells that no way of playing surely enters both.
class Rounds {
public:
    // The map's lists are large and short-lived; their memory goes back to the system
    // with them.
    template <typename T>
    using List = std::vector<T, SystemAllocator<T>>;

    // The map gives no distance: no way that keeps every cell in reach is known.
    static constexpr int32_t Far = 255;

    explicit Rounds(const GamePattern& pattern);

    // Maps the rounds the position can lead to. False, and holding nothing, when the map
    // would need more than the memory given or halt() says to stop; it is asked once a round
    // start, and once in a few dozen as the map is settled.
    bool Map(const Node& root, std::size_t memory, const std::function<bool()>& halt);
    bool mapped() const { return !keys.empty(); }
    // Whether the map shows the position it was made from lost.
    bool Lost(const Node& node) const { return lost && node.Key() == keys[0] && node.toVisit == target; }
    // What the map holds, and the most it held with what it needed while it was made,
    // besides what the solver held then.
    std::size_t bytes() const;
    std::size_t peakBytes() const { return peak; }

    // The move that comes soonest to surely entering a cell left while every cell stays in
    // reach, with the most moves the way it starts needs to the clear; none when the map
    // knows no such way. A way found so is a proof: each of its rounds comes nearer to a
    // cell left, or enters one, and never leaves the rounds from which all stay in reach.
    struct Way {
        int32_t move = -1;
        int32_t moves = -1;
    };
    Way Best(const Node& node);

private:
    // The cells the player may stand on after each move left in the round, from a cell
    // with cycle moves of the round made; and of them, those entered on the way to an end.
    struct Reach {
        std::array<uint64_t, 4> steps{};
        int32_t first = 0;
    };
    Reach Forward(int32_t from, int32_t cycle, uint64_t enemies) const;
    uint64_t Entered(const Reach& reach, int32_t end, uint64_t enemies) const;
    bool Caught(int32_t end, uint64_t enemies) const { return (catchers[end] & enemies) != 0; }

    // How many rounds the position after a move is from surely entering a cell it has left,
    // keeping every cell in reach: 0 when the round it is in can, Far when that is unknown.
    // chase: the move was the round's last, and the enemies are about to move.
    int32_t Distance(const Node& next, bool chase);
    // The most rounds the chase after the player ends its round on a cell can leave it
    // from a cell left, counting the round ending; Far when it may leave the map.
    int32_t After(const Node& next, int32_t end);
    uint32_t Find(uint64_t key) const;
    uint32_t Add(uint64_t key);
    // The most moves a way that is the given rounds from a cell left needs to the clear.
    int32_t Moves(const Node& node, int32_t rounds) const;
    // The fewest rounds to a cell of toVisit from a round start.
    int32_t Nearest(uint32_t id, uint64_t toVisit) const;
    void Clear();

    const GamePattern& pattern;
    const int32_t cells;
    int32_t enemyCount = 0;
    // The cells left to visit where the map was made.
    uint64_t target = 0;
    // The cells each cell's move may end on at each move of the round, with no enemy
    // about; and the cells whose enemies catch a player on each cell at the chase.
    std::array<std::array<uint64_t, MaxCells>, Rules::ChaseMove> moves{};
    std::array<uint64_t, MaxCells> catchers{};

    // The round starts, found by key through slots.
    List<uint64_t> keys;
    List<uint32_t> slots;
    // While the map is made: each round start's ends (its outcomes start where those of
    // the one before end), each end's cell, outcome count and cells entered on the way,
    // and the outcomes.
    struct Graph {
        List<uint32_t> firstEnd;
        List<uint32_t> firstOutcome;
        List<uint8_t> endCells;
        List<uint8_t> endOutcomes;
        // The cells left that the ways to each end may enter.
        List<uint64_t> entered;
        List<uint32_t> outcomes;
        void Reserve(std::size_t memory);
        std::size_t bytes() const;
    };
    // What settling and judging a map of so many round starts and ends need beside it: three
    // lists of cells for each round start, with its rounds to each cell and whether it is
    // kept, or whether each end is safe.
    std::size_t Settling(std::size_t starts, std::size_t ends) const;
    // Finds what every round start keeps in reach; false when halt() says to stop. Where
    // it drops the root, leaves in reached what each round start surely reaches in the
    // pass that dropped it.
    bool Settle(const Graph& graph, const std::function<bool()>& halt, List<uint64_t>& reached);
    // Cells left that any move of the round may enter: a clear counts even where the chase
    // that would follow catches the player.
    uint64_t Passed(const Reach& reach) const;
    // Finds whether the root is lost, where the map does not keep it, starting from cells
    // each round start is known to surely enter (what settling left); false when halt()
    // says to stop.
    bool Judge(const Graph& graph, const std::function<bool()>& halt, List<uint64_t> sure);
    // Whether every cell stays in reach from each round start, and the rounds from each
    // to each cell.
    List<uint8_t> kept;
    List<uint8_t> rounds;
    // The most rounds any kept round start is from any cell.
    int32_t farthest = 0;
    bool lost = false;
    std::size_t peak = 0;
    std::vector<Node> scratch;
};

} // namespace Solver
