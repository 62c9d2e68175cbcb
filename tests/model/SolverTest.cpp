#include "GameRules.h"
#include "GameSolver.h"
#include "SolverChase.h"
#include "SolverMemory.h"
#include "SolverRounds.h"
#include "SolverTable.h"
#include "TestGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <span>
#include <string>
#include <utility>

namespace {

// Deals the pattern from one seed and draws the enemies' orders from another, so one
// pattern can be played against many orders.
class PlayRandom : public GameRandom {
public:
    PlayRandom(uint32_t pattern, uint32_t play)
        : GameRandom(pattern)
        , play(play)
    {
    }
    bool playing = false;

protected:
    int32_t Next() override { return playing ? static_cast<int32_t>(play() >> 1) : GameRandom::Next(); }

private:
    std::mt19937 play;
};

SolverLimits Budget(uint64_t positions)
{
    SolverLimits limits;
    limits.positions = positions;
    return limits;
}

// Every position a pattern can reach from a start, and which of them a player can clear
// whatever the enemies do, found the slow way: all of them listed, then the won ones
// grown from the clears until nothing more is won. Small patterns only.
class Exhaustive {
public:
    Exhaustive(const GameField& field, const GamePosition& start)
        : field(field)
    {
        State root{start.player, start.cycleMoves, true, start.enemies, 0};
        for (int32_t c = 0; c < field.option().cell; ++c)
            root.left |= start.unvisited[c] >= 0 ? 1u << c : 0;
        Index(root);
        for (size_t i = 0; i < states.size(); ++i)
            moves.push_back(MovesOf(states[i]));
        won.assign(states.size(), false);
        for (bool grew = true; grew;) {
            grew = false;
            for (size_t i = 0; i < states.size(); ++i) {
                if (won[i])
                    continue;
                won[i] = std::any_of(moves[i].begin(), moves[i].end(), [&](const std::vector<int32_t>& outcomes) {
                    return std::all_of(outcomes.begin(), outcomes.end(), [&](int32_t o) { return o < 0 || won[o]; });
                });
                grew = grew || won[i];
            }
        }
        // The fewest moves to a clear against the worst orders, grown the same way.
        par.assign(states.size(), Never);
        for (bool shorter = true; shorter;) {
            shorter = false;
            for (size_t i = 0; i < states.size(); ++i) {
                for (const std::vector<int32_t>& outcomes : moves[i]) {
                    int32_t worst = 0;
                    for (const int32_t o : outcomes)
                        worst = std::max(worst, o < 0 ? 0 : par[o]);
                    if (worst != Never && worst + 1 < par[i]) {
                        par[i] = worst + 1;
                        shorter = true;
                    }
                }
            }
        }
    }

    static constexpr int32_t Never = INT32_MAX;

    size_t size() const { return states.size(); }
    bool Won(size_t i) const { return won[i]; }
    int32_t Par(size_t i) const { return par[i]; }
    GamePosition Position(size_t i) const
    {
        GamePosition p;
        p.player = states[i].player;
        p.cycleMoves = states[i].cycle;
        p.enemies = states[i].enemies;
        for (int32_t c = 0; c < field.option().cell; ++c)
            p.unvisited.push_back(states[i].left >> c & 1 ? 0 : -1);
        return p;
    }
    // Only a start knows the next chase's order: the solver keeps it for the first chase only.
    bool Ordered(size_t i) const { return states[i].ordered; }

private:
    struct State {
        int32_t player;
        int32_t cycle;
        bool ordered;
        std::vector<int32_t> enemies;
        uint32_t left;

        auto operator<=>(const State&) const = default;
    };

    struct Board {
        const GameField& f;
        State& s;
        const GamePattern& pattern() const { return f.pattern(); }
        int32_t playerCell() const { return s.player; }
        int32_t cycleMoves() const { return s.cycle; }
        bool EnemyOn(int32_t c) const { return std::find(s.enemies.begin(), s.enemies.end(), c) != s.enemies.end(); }
        bool HasUnvisited() const { return s.left != 0; }
        std::span<const int32_t> enemyCells() const { return s.enemies; }
        void PlacePlayer(int32_t c)
        {
            s.player = c;
            s.left &= ~(1u << c);
            ++s.cycle;
        }
        void EndCycle() { s.cycle = 0; }
        void Chase() {}
        void MoveEnemy(int32_t, int32_t) {}
    };

    int32_t Index(const State& s)
    {
        const auto [it, added] = index.try_emplace(s, static_cast<int32_t>(states.size()));
        if (added)
            states.push_back(s);
        return it->second;
    }

    // Each move: the states it may lead to, all of which must be won; -1 stands for a clear.
    std::vector<std::vector<int32_t>> MovesOf(State s)
    {
        std::vector<std::vector<int32_t>> result;
        std::vector<int32_t> targets{s.player};
        for (const int32_t n : field.Neighbours(s.player))
            targets.push_back(n);
        for (const int32_t target : targets) {
            State next = s;
            Board board{field, next};
            const Rules::MoveResult r = Rules::Move(board, target);
            if (r == Rules::MoveResult::Cleared)
                result.push_back({-1});
            if (r != Rules::MoveResult::Made && r != Rules::MoveResult::Chased)
                continue;
            if (r == Rules::MoveResult::Made) {
                result.push_back({Index(next)});
                continue;
            }
            std::vector<int32_t> outcomes;
            std::vector<int32_t> order(next.enemies.size());
            std::iota(order.begin(), order.end(), 0);
            do {
                State after = next;
                for (size_t i = 0; i < order.size(); ++i)
                    after.enemies[i] = next.enemies[order[i]];
                // The board's enemy question must see the moves made so far.
                struct Chaser : Board {
                    void MoveEnemy(int32_t from, int32_t to) { *std::find(s.enemies.begin(), s.enemies.end(), from) = to; }
                };
                State moving = after;
                Chaser chaser{{field, moving}};
                std::vector<int32_t> cells = after.enemies;
                Rules::ChaseInOrder(chaser, std::span<int32_t>(cells));
                after.enemies = cells;
                after.ordered = false;
                std::sort(after.enemies.begin(), after.enemies.end());
                outcomes.push_back(Index(after));
            } while (!next.ordered && std::next_permutation(order.begin(), order.end()));
            result.push_back(outcomes);
        }
        return result;
    }

    const GameField& field;
    std::vector<State> states;
    std::map<State, int32_t> index;
    std::vector<std::vector<std::vector<int32_t>>> moves;
    std::vector<bool> won;
    std::vector<int32_t> par;
};

// Starts one of the patterns small enough for the exhaustive search: 10 or 12 cells, one
// of each obstacle, two enemies.
void StartSmall(TestGame<GameRandom>& game, uint32_t seed)
{
    game.game.SetOptions({seed % 2 ? 10 : 12, 1, 1}, 2);
    game.SetState(GameState::Started);
}

} // namespace

// Following a clearable verdict's moves clears the pattern against whatever orders the
// enemies draw, within the par the start was given: every position on the way is still
// proved clearable, in fewer moves than the one before, even by searches too small to
// prove anything anew.
TEST(Solver, ProvedRoutesClearWhateverOrderTheEnemiesTake)
{
    int routes = 0;
    for (uint32_t pattern = 1; pattern <= 12; ++pattern) {
        for (uint32_t play = 1; play <= 3; ++play) {
            TestGame<PlayRandom> game(pattern, play);
            game.SetState(GameState::Started);
            game.random.playing = true;
            GameSolver solver(game.field);
            GameState state = GameState::None;
            int32_t par = -1;
            for (int moves = 0; state == GameState::None; ++moves) {
                const SolverResult result = solver.Solve(game.game.Position(), Budget(moves == 0 ? 400'000 : 2'000));
                if (moves == 0 && result.verdict != Verdict::Clearable)
                    break;
                ASSERT_EQ(result.verdict, Verdict::Clearable) << "pattern " << pattern << " play " << play;
                if (moves > 0) {
                    ASSERT_LT(result.par, par) << "pattern " << pattern << " play " << play;
                }
                par = result.par;
                const int32_t before = game.player.totalMoves();
                const FieldCell& target = game.field.Cell(result.move);
                state = game.game.MoveTo({target.left, target.top}).state();
                ASSERT_EQ(game.player.totalMoves(), before + 1) << "the solver's move was refused";
            }
            if (state != GameState::None) {
                EXPECT_EQ(state, GameState::Cleared) << "pattern " << pattern << " play " << play;
                EXPECT_EQ(par, 1) << "pattern " << pattern << " play " << play;
                ++routes;
            }
        }
    }
    EXPECT_GE(routes, 30);
}

// The table holds what a search needs, not its whole allowance, and never more than the
// allowance with the room it grows into; what a search that ran out learned carries it on
// the next time, so searches too small to decide alone decide one after another.
TEST(Solver, SearchesHoldWhatTheyNeedAndCarryOnWhereTheyStopped)
{
    int decided = 0;
    for (uint32_t pattern = 1; pattern <= 6; ++pattern) {
        TestGame<GameRandom> game(pattern);
        game.SetState(GameState::Started);
        GameSolver solver(game.field);
        SolverLimits limits = Budget(3'000);
        limits.memoryBytes = std::size_t{1} << 20;
        limits.roundsBytes = std::size_t{1} << 20;
        SolverResult result;
        for (int search = 0; search < 300 && result.verdict == Verdict::Undecided; ++search) {
            result = solver.Solve(game.game.Position(), limits);
            ASSERT_LE(result.peakBytes, limits.memoryBytes * 3 / 2 + limits.roundsBytes) << "pattern " << pattern;
        }
        decided += result.verdict != Verdict::Undecided;
        EXPECT_LT(GameSolver(game.field).Solve(game.game.Position(), Budget(3'000)).peakBytes, std::size_t{1} << 20);
    }
    EXPECT_GE(decided, 5);
}

// With five ducks on forty cells the ducks often surely catch the cat before it can have
// visited its cells, whatever it does: such a pattern is proved lost at once, not after
// every way of playing it has been tried.
TEST(Solver, PatternsWhoseEnemiesCatchTooSoonAreProvedLostAtOnce)
{
    for (const uint32_t seed : {7u, 24u, 70u, 111u, 183u, 193u}) {
        GameRandom random;
        const StatusOption status;
        Game game(random, status);
        game.Deal(PatternNumber{{40, 5, 5}, 5, seed});
        EXPECT_EQ(GameSolver(game.field()).Decide(game.Position(), Budget(10'000)).verdict, Verdict::Lost)
            << "pattern 40-5-5-5-" << seed;
    }
}

// The table's memory keeps what it holds, the rest zeroed, as it grows within its room and
// past it, and past the size from which it is mapped in large pages.
TEST(SolverMemory, GrowingKeepsWhatItHolds)
{
    SolverMemory memory;
    std::size_t held = 0;
    for (const auto& [bytes, room] : {std::pair{std::size_t{64} << 10, std::size_t{1} << 20},
                                     std::pair{std::size_t{1} << 20, std::size_t{1} << 20},
                                     std::pair{std::size_t{6} << 20, std::size_t{12} << 20}}) {
        ASSERT_TRUE(memory.Grow(bytes, room));
        auto* data = static_cast<unsigned char*>(memory.data());
        for (std::size_t i = 0; i < bytes; i += 4093) {
            ASSERT_EQ(data[i], i < held ? static_cast<unsigned char>(i % 251 + 1) : 0) << i << " of " << bytes;
            data[i] = static_cast<unsigned char>(i % 251 + 1);
        }
        held = bytes;
    }
}

// A way written down stays found as the table doubles its room under it, with its move
// and its bound, while positions of little worth give way when the room is spent.
TEST(SolverTable, WaysWrittenDownOutliveEveryGrowth)
{
    Solver::Table table;
    std::mt19937_64 random(5);
    struct Way {
        uint64_t toVisit, key;
        int32_t move;
        uint32_t moves;
    };
    std::vector<Way> won;
    constexpr std::size_t Room = std::size_t{1} << 20;
    for (int i = 0; i < 40'000; ++i) {
        const uint64_t toVisit = random() & Solver::Table::Entry::CellsMask;
        const uint64_t key = random() & Solver::KeyMask;
        Solver::Table::Entry* e = table.Hold(toVisit, key, i % 20, Room);
        const Way way{toVisit, key, i % 40, 1 + static_cast<uint32_t>(i % 100)};
        if (e && i % 3 == 0 && e->SetWin(way.move, way.moves))
            won.push_back(way);
    }
    EXPECT_EQ(table.bytes(), Room);
    for (size_t i = 0; i < won.size(); ++i) {
        const Solver::Table::Entry* e = table.Find(won[i].toVisit, won[i].key);
        ASSERT_TRUE(e) << "way " << i << " of " << won.size();
        EXPECT_EQ(e->move(), won[i].move);
        EXPECT_EQ(e->high(), won[i].moves);
    }
}

// On patterns small enough to list every position they can reach, the solver's verdicts
// and pars agree with the exhaustive search: neither is ever one it did not prove.
TEST(Solver, VerdictsAndParsAgreeWithAnExhaustiveSearch)
{
    int verdicts[3] = {};
    int pars = 0;
    for (uint32_t seed = 1; seed <= 16; ++seed) {
        TestGame<GameRandom> game(seed);
        StartSmall(game, seed);
        const Exhaustive exact(game.field, game.game.Position());
        GameSolver solver(game.field);
        for (size_t i = 0; i < exact.size(); i += 1 + exact.size() / 40) {
            const SolverResult result = solver.Solve(exact.Position(i), Budget(2'000'000));
            const std::string where = "seed " + std::to_string(seed) + " position " + std::to_string(i);
            // After a chase the exhaustive search lets the enemies take any order at the next
            // one; the solver is told an order and knows it, so there it may know more.
            if (exact.Won(i)) {
                EXPECT_NE(result.verdict, Verdict::Lost) << where;
            } else if (exact.Ordered(i)) {
                EXPECT_NE(result.verdict, Verdict::Clearable) << where;
            }
            if (result.verdict == Verdict::Clearable && exact.Ordered(i)) {
                EXPECT_GE(result.par, exact.Par(i)) << where;
                if (result.parProved) {
                    EXPECT_EQ(result.par, exact.Par(i)) << where;
                }
            } else if (result.parProved) {
                EXPECT_LE(result.par, exact.Par(i)) << where;
            }
            pars += result.parProved;
            ++verdicts[static_cast<int>(result.verdict)];
        }
    }
    EXPECT_GT(verdicts[static_cast<int>(Verdict::Clearable)], 20);
    EXPECT_GT(verdicts[static_cast<int>(Verdict::Lost)], 20);
    EXPECT_GT(pars, verdicts[static_cast<int>(Verdict::Clearable)] * 9 / 10);
}

// The chase's outcomes, found a step at a time with orders that meet merged, are those of
// every order of the enemies played through whole.
TEST(SolverChase, OutcomesAreThoseOfEveryOrder)
{
    std::mt19937 random(3);
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        TestGame<GameRandom> game(seed);
        game.game.Deal(PatternNumber{{40, 5, 5}, 5, seed});
        const GamePattern& pattern = game.field.pattern();
        for (int trial = 0; trial < 50; ++trial) {
            Solver::Node node;
            node.count = 5;
            node.ordered = trial % 5 == 0;
            std::vector<int32_t> cells(static_cast<size_t>(pattern.cellCount()));
            std::iota(cells.begin(), cells.end(), 0);
            std::shuffle(cells.begin(), cells.end(), random);
            node.player = cells[0];
            std::copy(cells.begin() + 1, cells.begin() + 6, node.enemies.begin());
            std::set<uint64_t> every;
            std::array<int32_t, 5> order{0, 1, 2, 3, 4};
            do {
                Solver::Node next = node;
                for (int32_t i = 0; i < 5; ++i)
                    next.enemies[i] = node.enemies[order[i]];
                Solver::NodeBoard board(pattern, next);
                Rules::ChaseInOrder(board, std::span<int32_t>(next.enemies.data(), 5));
                every.insert(next.EnemyMask());
            } while (!node.ordered && std::next_permutation(order.begin(), order.end()));
            std::vector<Solver::Node> outcomes;
            Solver::ChaseOutcomes(pattern, node, outcomes);
            std::set<uint64_t> found;
            for (const Solver::Node& outcome : outcomes)
                found.insert(outcome.EnemyMask());
            EXPECT_EQ(found, every) << "pattern " << seed << " trial " << trial;
            EXPECT_EQ(found.size(), outcomes.size()) << "pattern " << seed << " trial " << trial;
        }
    }
}

// The map of rounds claims a way only where the exhaustive search finds the position won,
// and never a bound below its par; and a loss only where it finds it lost: its proofs need
// no search to back them.
TEST(SolverRounds, WaysAndLossesAgreeWithAnExhaustiveSearch)
{
    int ways = 0;
    int losses = 0;
    for (uint32_t seed = 1; seed <= 16; ++seed) {
        TestGame<GameRandom> game(seed);
        StartSmall(game, seed);
        const Exhaustive exact(game.field, game.game.Position());
        const auto node = [](const GamePosition& at, bool ordered) {
            const Solver::Node n = Solver::Node::FromPosition(at);
            return ordered ? n : n.AnyOrder();
        };
        Solver::Rounds rounds(game.field.pattern());
        ASSERT_TRUE(rounds.Map(node(game.game.Position(), true), std::size_t{1} << 24, [] { return false; }));
        for (size_t i = 0; i < exact.size(); ++i) {
            const Solver::Rounds::Way way = rounds.Best(node(exact.Position(i), exact.Ordered(i)));
            if (way.move < 0)
                continue;
            ASSERT_TRUE(exact.Won(i)) << "seed " << seed << " position " << i;
            EXPECT_GE(way.moves, exact.Par(i)) << "seed " << seed << " position " << i;
            ++ways;
        }
        for (size_t i = 0; i < exact.size(); i += 1 + exact.size() / 60) {
            const Solver::Node at = node(exact.Position(i), exact.Ordered(i));
            Solver::Rounds from(game.field.pattern());
            ASSERT_TRUE(from.Map(at, std::size_t{1} << 24, [] { return false; }));
            if (from.Lost(at)) {
                ASSERT_FALSE(exact.Won(i)) << "seed " << seed << " position " << i;
                ++losses;
            }
        }
    }
    EXPECT_GT(ways, 1000);
    EXPECT_GT(losses, 100);
}

// Where five ducks leave the cat every cell in reach for good, following the map's moves
// clears the pattern whatever orders the ducks draw, within the bound of every position
// on the way, each below the one before.
TEST(SolverRounds, ProvedWaysClearWhereTheSearchAloneDoesNot)
{
    TestGame<PlayRandom> game(1, 1);
    game.game.Deal(PatternNumber{{40, 5, 5}, 5, 36});
    // One solver for every play: the pattern dealt again is the same.
    GameSolver solver(game.field);
    for (uint32_t play = 1; play <= 2; ++play) {
        game.random.playing = false;
        game.game.Deal(PatternNumber{{40, 5, 5}, 5, 36});
        game.random.playing = true;
        int32_t bound = INT32_MAX;
        GameState state = GameState::None;
        while (state == GameState::None) {
            const SolverResult result = solver.Decide(game.game.Position(), Budget(bound == INT32_MAX ? 2'000'000 : 0));
            ASSERT_EQ(result.verdict, Verdict::Clearable) << "play " << play;
            ASSERT_LT(result.par, bound) << "play " << play;
            bound = result.par;
            const FieldCell& target = game.field.Cell(result.move);
            state = game.game.MoveTo({target.left, target.top}).state();
        }
        EXPECT_EQ(state, GameState::Cleared) << "play " << play;
    }
}

// A map keeps within the memory it is given, what settling it needs counted: where it would
// need more it is not made and holds nothing.
TEST(SolverRounds, KeepsWithinItsMemory)
{
    TestGame<GameRandom> game(1);
    game.game.Deal(PatternNumber{{40, 5, 5}, 5, 36});
    const Solver::Node root = Solver::Node::FromPosition(game.game.Position());
    for (const std::size_t memory : {std::size_t{16} << 20, std::size_t{48} << 20}) {
        Solver::Rounds rounds(game.field.pattern());
        const bool made = rounds.Map(root, memory, [] { return false; });
        EXPECT_EQ(made, memory > (std::size_t{16} << 20)) << memory;
        EXPECT_EQ(rounds.mapped(), made) << memory;
        EXPECT_LE(rounds.peakBytes(), memory) << memory;
        EXPECT_LE(rounds.bytes(), memory / 2) << memory;
    }
}

// A map stopped at any point, as it is built, settled or judged, holds and proves nothing,
// and the same map made again in full comes to the same as before.
TEST(SolverRounds, AMapStoppedAnywhereHoldsNothing)
{
    for (const uint32_t seed : {1u, 171u}) {
        TestGame<GameRandom> game(1);
        game.game.Deal(PatternNumber{{32, 3, 2}, 3, seed});
        const Solver::Node root = Solver::Node::FromPosition(game.game.Position());
        Solver::Rounds rounds(game.field.pattern());
        int64_t asks = 0;
        ASSERT_TRUE(rounds.Map(root, std::size_t{48} << 20, [&] {
            ++asks;
            return false;
        }));
        const bool lost = rounds.Lost(root);
        const int32_t move = rounds.Best(root).move;
        EXPECT_NE(lost, move >= 0) << seed;
        for (int64_t stop = 1; stop <= asks; stop += asks / 12) {
            int64_t asked = 0;
            EXPECT_FALSE(rounds.Map(root, std::size_t{48} << 20, [&] { return ++asked == stop; })) << seed;
            EXPECT_FALSE(rounds.mapped() || rounds.Lost(root) || rounds.Best(root).move >= 0) << seed << " " << stop;
            EXPECT_EQ(rounds.bytes(), 0u) << seed << " " << stop;
        }
        ASSERT_TRUE(rounds.Map(root, std::size_t{48} << 20, [] { return false; }));
        EXPECT_EQ(rounds.Lost(root), lost) << seed;
        EXPECT_EQ(rounds.Best(root).move, move) << seed;
    }
}

// Where two of its cells cannot both be reached, the map proves a start lost that no search
// of millions of positions does.
TEST(SolverRounds, ProvesLostWhereTheSearchAloneDoesNot)
{
    TestGame<GameRandom> game(1);
    game.game.Deal(PatternNumber{{40, 5, 5}, 5, 1});
    EXPECT_EQ(GameSolver(game.field).Decide(game.game.Position(), Budget(2'000'000)).verdict, Verdict::Lost);
}

// The hand-built board of BuildBlocks: cell = 4 * row + column.
//    0  1  2  3
//    4  5  6  7
//    8  9 10 11
class SolverBlocks : public testing::Test {
protected:
    SolverBlocks() { BuildBlocks(game.field); }

    // A retry that puts the player and the enemies on the given cells, then moves in place.
    void Start(int32_t player, std::vector<int32_t> enemies, int32_t waits)
    {
        game.enemy.SetCount(static_cast<int32_t>(enemies.size()));
        game.random.Script({player});
        game.random.Script(enemies);
        game.SetState(GameState::Retrying);
        for (int32_t i = 0; i < waits; ++i)
            ASSERT_EQ(game.player.Move(player).state(), GameState::None);
    }

    TestGame<ScriptedRandom> game;
};

TEST_F(SolverBlocks, CornerMenacedAtTheChaseMoveIsLost)
{
    // The chase move comes next, and enemies on 1 and 5 border every way out of 0.
    Start(0, {1, 5}, 2);
    EXPECT_EQ(GameSolver(game.field).Solve(game.game.Position(), Budget(100'000)).verdict, Verdict::Lost);
}

TEST_F(SolverBlocks, PondOnTheWayNeedsADetour)
{
    // Wood along the middle row, a pond on 2, and only 3 left to visit. With two moves to
    // go before a chase, the straight way from 0 would enter the pond with the chase move.
    for (const int32_t tree : {4, 5, 6, 7})
        MarkObstacle(game.field, tree);
    MarkTrap(game.field, 2);
    Start(0, {}, 1);
    for (const int32_t visited : {1, 8, 9, 10, 11}) {
        FieldCell record = game.field.Cell(visited);
        record.unvisited = -1;
        game.field.SetCell(visited, record);
    }
    GameSolver solver(game.field);
    GameState state = GameState::None;
    int32_t moves = 0;
    while (state == GameState::None && moves < 10) {
        const SolverResult result = solver.Solve(game.game.Position(), Budget(100'000));
        ASSERT_EQ(result.verdict, Verdict::Clearable);
        state = game.player.Move(result.move).state();
        ++moves;
    }
    EXPECT_EQ(state, GameState::Cleared);
    EXPECT_GT(moves, 3);
}
