#include "TestGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

// The hand-built board of BuildBlocks: cell = 4 * row + column.
//    0  1  2  3
//    4  5  6  7
//    8  9 10 11
class Pieces : public testing::Test {
protected:
    Pieces() { BuildBlocks(game.field); }

    // A retry with scripted draws: the player's start cell, then each enemy's cell.
    void Start(int32_t player, std::vector<int32_t> enemies)
    {
        game.enemy.SetCount(static_cast<int32_t>(enemies.size()));
        game.random.Script({player});
        game.random.Script(enemies);
        game.SetState(GameState::Retrying);
        ASSERT_EQ(game.random.left(), 0u);
        ASSERT_EQ(game.player.cellIndex(), player);
        ASSERT_EQ(game.enemy.cells(), enemies);
        game.field.ClearChanged();
    }

    void VisitAllBut(std::initializer_list<int32_t> keep)
    {
        for (int32_t c = 0; c < 12; ++c) {
            if (std::find(keep.begin(), keep.end(), c) != keep.end())
                continue;
            FieldCell record = game.field.Cell(c);
            record.unvisited = -1;
            game.field.SetCell(c, record);
        }
        game.field.ClearChanged();
    }

    const FieldCell& Cell(int32_t c) const { return game.field.Cell(c); }
    std::vector<int32_t> Changed() const
    {
        return {game.field.Changed().begin(), game.field.Changed().end()};
    }

    TestGame<ScriptedRandom> game;
};

// --- the player's start and moves ---

TEST_F(Pieces, StartSkipsObstaclesTrapsAndTakenCells)
{
    MarkObstacle(game.field, 1);
    MarkTrap(game.field, 2);
    game.enemy.SetCount(2);
    // Player: obstacle 1, trap 2, then 5. Enemies: 5 (the player's), 1 (an obstacle is
    // fine), 1 again (taken), 6 (next to the player is fine).
    game.random.Script({1, 2, 5, 5, 1, 1, 6});
    game.SetState(GameState::Retrying);
    EXPECT_EQ(game.random.left(), 0u);
    EXPECT_EQ(game.player.cellIndex(), 5);
    EXPECT_EQ(Cell(5).player, 0);
    EXPECT_EQ(Cell(5).unvisited, -1);
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{1, 6}));
    EXPECT_EQ(Cell(1).enemy, 0);
    EXPECT_EQ(Cell(1).obstacle, 0);
    EXPECT_EQ(Cell(6).enemy, 0);
    EXPECT_EQ(Cell(6).unvisited, 0);
    EXPECT_TRUE(game.field.HasUnvisited());

    // A retry after moves zeroes the counters and places everything again.
    game.player.Move(4);
    game.player.Move(4);
    game.random.Script({8, 3, 11});
    game.SetState(GameState::Retrying);
    EXPECT_EQ(game.player.cellIndex(), 8);
    EXPECT_EQ(game.player.cycleMoves(), 0);
    EXPECT_EQ(game.player.totalMoves(), 0);
    EXPECT_EQ(Cell(4).unvisited, 0);
    EXPECT_EQ(Cell(5).player, -1);
    EXPECT_EQ(Cell(6).enemy, -1);
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{3, 11}));
    EXPECT_EQ(game.random.overruns, 0);
}

TEST_F(Pieces, RefusedMovesChangeNothing)
{
    MarkObstacle(game.field, 6);
    ASSERT_NO_FATAL_FAILURE(Start(5, {1}));
    const std::vector<FieldCell> before = [&] {
        std::vector<FieldCell> all;
        for (int32_t c = 0; c < 12; ++c)
            all.push_back(Cell(c));
        return all;
    }();
    // Corner contact, far away, an obstacle, an enemy.
    for (const int32_t target : {0, 10, 11, 6, 1})
        EXPECT_EQ(game.player.Move(target).state(), GameState::None) << target;
    EXPECT_TRUE(Changed().empty());
    EXPECT_EQ(game.player.totalMoves(), 0);
    EXPECT_EQ(game.player.cellIndex(), 5);
    for (int32_t c = 0; c < 12; ++c)
        EXPECT_EQ(Cell(c), before[c]);
}

TEST_F(Pieces, MoveWritesOldCellThenNewAndMayRevisit)
{
    ASSERT_NO_FATAL_FAILURE(Start(5, {}));
    EXPECT_EQ(game.player.Move(4).state(), GameState::None);
    EXPECT_EQ(Changed(), (std::vector<int32_t>{5, 4}));
    EXPECT_EQ(Cell(5).player, -1);
    EXPECT_EQ(Cell(4).player, 0);
    EXPECT_EQ(Cell(4).unvisited, -1);
    EXPECT_EQ(game.player.Move(5).state(), GameState::None);
    EXPECT_EQ(game.player.cellIndex(), 5);
    EXPECT_EQ(game.player.totalMoves(), 2);
    EXPECT_EQ(game.player.cycleMoves(), 2);
}

TEST_F(Pieces, OwnCellClicksCountAndTheThirdLetsEnemiesChase)
{
    ASSERT_NO_FATAL_FAILURE(Start(5, {3}));
    EXPECT_EQ(game.player.Move(5).state(), GameState::None);
    EXPECT_EQ(game.player.Move(5).state(), GameState::None);
    EXPECT_EQ(game.player.cycleMoves(), 2);
    EXPECT_EQ(Cell(5).player, 0);
    // The enemy aims at square (12, 4) of the ring around cell 3: cell 6, diagonally.
    game.random.Script({0});
    EXPECT_EQ(game.player.Move(5).state(), GameState::None);
    EXPECT_EQ(game.player.cycleMoves(), 0);
    EXPECT_EQ(game.player.totalMoves(), 3);
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{6}));
    EXPECT_EQ(game.random.left(), 0u);

    // Now next to it: the third click is caught and nobody moves.
    EXPECT_EQ(game.player.Move(5).state(), GameState::None);
    EXPECT_EQ(game.player.Move(5).state(), GameState::None);
    EXPECT_EQ(game.player.Move(5).state(), GameState::Gameover);
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{6}));
    EXPECT_EQ(Cell(6).enemy, 0);
    EXPECT_EQ(game.player.cycleMoves(), 0);
    EXPECT_EQ(game.random.overruns, 0);
}

TEST_F(Pieces, CatchLooksAtEveryEnemy)
{
    // Only the last enemy is adjacent.
    ASSERT_NO_FATAL_FAILURE(Start(5, {0, 11, 9}));
    game.player.Move(5);
    game.player.Move(5);
    EXPECT_EQ(game.player.Move(5).state(), GameState::Gameover);
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{0, 11, 9}));
}

TEST_F(Pieces, TrapIsNeverTheThirdMove)
{
    MarkTrap(game.field, 6);
    MarkTrap(game.field, 10);
    ASSERT_NO_FATAL_FAILURE(Start(5, {}));
    EXPECT_EQ(game.player.Move(6).state(), GameState::None);
    EXPECT_EQ(game.player.cellIndex(), 6);
    EXPECT_EQ(game.player.Move(6).state(), GameState::None);
    EXPECT_EQ(game.player.totalMoves(), 2);
    EXPECT_EQ(Cell(6).unvisited, -1);
    EXPECT_EQ(Cell(6).trap, 0);
    // Staying on the trap or stepping to the next one would be the third move.
    EXPECT_EQ(game.player.Move(6).state(), GameState::None);
    EXPECT_EQ(game.player.Move(10).state(), GameState::None);
    EXPECT_EQ(game.player.totalMoves(), 2);
    EXPECT_EQ(game.player.Move(2).state(), GameState::None);
    EXPECT_EQ(game.player.cellIndex(), 2);
    EXPECT_EQ(game.player.totalMoves(), 3);
    // A new cycle may enter a trap again.
    EXPECT_EQ(game.player.Move(6).state(), GameState::None);
    EXPECT_EQ(game.player.cellIndex(), 6);
}

TEST_F(Pieces, ClearingWinsOverTheCatch)
{
    ASSERT_NO_FATAL_FAILURE(Start(5, {0}));
    VisitAllBut({4});
    game.player.Move(5);
    game.player.Move(5);
    ASSERT_TRUE(game.field.HasUnvisited());
    // Cell 4 touches the enemy's cell 0, and this is the third move.
    EXPECT_EQ(game.player.Move(4).state(), GameState::Cleared);
    EXPECT_FALSE(game.field.HasUnvisited());
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{0}));

    // The same with one more cell left is a catch.
    ASSERT_NO_FATAL_FAILURE(Start(5, {0}));
    VisitAllBut({4, 11});
    game.player.Move(5);
    game.player.Move(5);
    EXPECT_EQ(game.player.Move(4).state(), GameState::Gameover);
}

TEST_F(Pieces, SingleOrdinaryCellIsClearedByStayingInPlace)
{
    for (int32_t c = 0; c < 12; ++c) {
        if (c != 5)
            c % 2 ? MarkTrap(game.field, c) : MarkObstacle(game.field, c);
    }
    ASSERT_NO_FATAL_FAILURE(Start(5, {}));
    EXPECT_FALSE(game.field.HasUnvisited());
    EXPECT_EQ(game.player.Move(5).state(), GameState::Cleared);
    EXPECT_EQ(game.player.totalMoves(), 1);
}

TEST_F(Pieces, PlayerBlinksAndSpins)
{
    ASSERT_NO_FATAL_FAILURE(Start(5, {}));
    game.random.Script({7, 31, 32});
    for (const int32_t frame : {0, 0, 4, 0}) {
        game.player.Tick(GameState::Started);
        EXPECT_EQ(Cell(5).player, frame);
    }
    EXPECT_EQ(game.random.left(), 0u);

    game.random.Script({0});
    game.player.Tick(GameState::Retrying);
    ASSERT_EQ(Cell(5).player, 4);
    game.field.ClearChanged();
    game.player.Tick(GameState::Waiting);
    game.player.Tick(GameState::Quitting);
    EXPECT_TRUE(Changed().empty());

    // A game over stops the blink at frame 0, then the piece spins on every tick.
    game.player.ChangeState(GameState::Gameover);
    EXPECT_EQ(Cell(5).player, 0);
    for (const int32_t frame : {1, 2, 3, 0, 1}) {
        game.player.Tick(GameState::Gameover);
        EXPECT_EQ(Cell(5).player, frame);
    }
    game.player.ChangeState(GameState::Cleared);
    EXPECT_EQ(Cell(5).player, 0);
    EXPECT_EQ(game.random.overruns, 0);
}

// --- the enemies ---

TEST_F(Pieces, CountOutsideTheBoardIsClampedAndPlacementNeverHangs)
{
    game.enemy.SetCount(-3);
    EXPECT_EQ(game.enemy.count(), 0);
    EXPECT_TRUE(game.enemy.cells().empty());
    game.enemy.SetCount(INT32_MAX);
    EXPECT_EQ(game.enemy.count(), 233);

    // More enemies than free cells: every free cell gets one, and the count stays.
    TestGame<GameRandom> seeded(8u);
    BuildBlocks(seeded.field);
    seeded.enemy.SetCount(50);
    seeded.SetState(GameState::Retrying);
    EXPECT_EQ(seeded.enemy.count(), 50);
    const auto& cells = seeded.enemy.cells();
    EXPECT_EQ(cells.size(), 11u);
    EXPECT_EQ(std::set<int32_t>(cells.begin(), cells.end()).size(), 11u);
    EXPECT_EQ(std::count(cells.begin(), cells.end(), seeded.player.cellIndex()), 0);
    seeded.enemy.Chase();
    EXPECT_EQ(seeded.enemy.cells().size(), 11u);
}

TEST_F(Pieces, NoEnemiesMeansNoCatch)
{
    ASSERT_NO_FATAL_FAILURE(Start(5, {}));
    EXPECT_EQ(game.enemy.count(), 0);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(game.player.Move(i % 2 ? 5 : 4).state(), GameState::None);
    EXPECT_EQ(game.enemy.Chase(), 0);
    game.enemy.Tick(GameState::Started);
    game.enemy.ChangeState(GameState::Cleared);
    EXPECT_EQ(game.random.overruns, 0);
}

TEST_F(Pieces, EnemiesFlashOneMorePerMove)
{
    ASSERT_NO_FATAL_FAILURE(Start(5, {0, 3, 11}));
    const auto frames = [&] {
        std::vector<int32_t> f;
        for (const int32_t c : game.enemy.cells())
            f.push_back(Cell(c).enemy);
        return f;
    };
    game.enemy.Tick(GameState::Started);
    EXPECT_EQ(frames(), (std::vector<int32_t>{0, 0, 0}));
    game.player.Move(5);
    game.enemy.Tick(GameState::Started);
    EXPECT_EQ(frames(), (std::vector<int32_t>{4, 0, 0}));
    game.enemy.Tick(GameState::Retrying);
    EXPECT_EQ(frames(), (std::vector<int32_t>{0, 0, 0}));
    game.player.Move(5);
    game.enemy.Tick(GameState::Started);
    EXPECT_EQ(frames(), (std::vector<int32_t>{4, 4, 0}));
    game.enemy.Tick(GameState::Waiting);
    EXPECT_EQ(frames(), (std::vector<int32_t>{4, 4, 0}));
    // The chase ends the warning: every enemy at rest.
    game.random.Script({0, 1, 2});
    game.player.Move(5);
    EXPECT_EQ(frames(), (std::vector<int32_t>{0, 0, 0}));

    // A single enemy after two moves: n is the smaller of count and moves.
    ASSERT_NO_FATAL_FAILURE(Start(5, {0}));
    game.player.Move(5);
    game.player.Move(5);
    game.enemy.Tick(GameState::Started);
    EXPECT_EQ(frames(), (std::vector<int32_t>{4}));
}

// With the player on cell 11 (centre square (15, 10)): an enemy on 6 aims into the
// player's cell, 5 and 9 both aim at 10, 0 aims at 5.
TEST_F(Pieces, ChaseStaysOutOfThePlayersCellAndFirstComesFirst)
{
    ASSERT_NO_FATAL_FAILURE(Start(11, {5, 9, 6}));
    game.random.Script({0, 1, 2});
    EXPECT_EQ(game.enemy.Chase(), 3);
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{10, 9, 6}));
    EXPECT_EQ(Cell(5).enemy, -1);
    EXPECT_EQ(Cell(10).enemy, 0);
    EXPECT_EQ(Cell(11).enemy, -1);
    EXPECT_EQ(Cell(11).player, 0);

    ASSERT_NO_FATAL_FAILURE(Start(11, {9, 5}));
    game.random.Script({0, 1});
    game.enemy.Chase();
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{10, 5}));
}

TEST_F(Pieces, ChaseFreesALeftCellForLaterEnemies)
{
    ASSERT_NO_FATAL_FAILURE(Start(11, {5, 0}));
    game.random.Script({0, 1});
    game.enemy.Chase();
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{10, 5}));

    ASSERT_NO_FATAL_FAILURE(Start(11, {0, 5}));
    game.random.Script({0, 1});
    game.enemy.Chase();
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{0, 10}));
    EXPECT_EQ(Cell(0).enemy, 0);
}

TEST_F(Pieces, ChaseCrossesObstaclesAndTrapsDiagonally)
{
    MarkObstacle(game.field, 10);
    MarkTrap(game.field, 5);
    ASSERT_NO_FATAL_FAILURE(Start(11, {5, 4}));
    game.random.Script({0, 1});
    game.enemy.Chase();
    // 5 (a trap) to 10 (an obstacle) and 4 to 9: both only touch their old cell at a corner.
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{10, 9}));
    EXPECT_EQ(Cell(10).enemy, 0);
    EXPECT_EQ(Cell(10).obstacle, 0);
    EXPECT_EQ(Cell(5).enemy, -1);
    EXPECT_EQ(Cell(5).trap, 0);
    EXPECT_EQ(Cell(9).unvisited, 0);
}

TEST_F(Pieces, ChaseReshufflesTheOrder)
{
    ASSERT_NO_FATAL_FAILURE(Start(11, {0, 3, 8}));
    // 0 -> 5; 3 -> (15, 4) = 7; 8 -> (5, 10) = 9. Then swaps 0<>2, 1<>0, 2<>1.
    game.random.Script({2, 0, 1});
    game.enemy.Chase();
    EXPECT_EQ(game.enemy.cells(), (std::vector<int32_t>{7, 5, 9}));
    EXPECT_EQ(game.random.left(), 0u);
    EXPECT_EQ(Changed(), (std::vector<int32_t>{0, 5, 3, 7, 8, 9}));
}

// The style a pattern is drawn in from its start promises the celebration its clear gets.
TEST(HatTrick, StyleOfAPatternForetellsTheDanceAfterItsClear)
{
    TestGame<GameRandom> game(5u);
    game.SetState(GameState::Started);
    int32_t hatTricks = 0;
    for (int32_t run = 0; run < 12; ++run) {
        game.status.succeeding = run;
        game.SetState(GameState::Retrying);
        int32_t ordinary = 0;
        while (game.field.Cell(ordinary).unvisited < 0)
            ++ordinary;
        const bool style = game.field.Cell(ordinary).unvisited == 1;
        game.status.succeeding = run + 1;
        game.SetState(GameState::Cleared);
        ASSERT_FALSE(game.enemy.cells().empty());
        const bool dance = game.field.Cell(game.enemy.cells().front()).enemy >= 5;
        EXPECT_EQ(style, dance) << "run " << run;
        hatTricks += dance;
    }
    EXPECT_EQ(hatTricks, 4);
}

TEST_F(Pieces, EnemiesDanceAfterAClearAndRestAfterAGameOver)
{
    for (int32_t run = 1; run <= 9; ++run) {
        ASSERT_NO_FATAL_FAILURE(Start(5, {0, 11}));
        game.status.succeeding = run;
        const int32_t base = run % 3 == 0 ? 5 : 0;
        game.random.Script({3, 1});
        game.SetState(GameState::Cleared);
        EXPECT_EQ(game.random.left(), 0u);
        EXPECT_EQ(Cell(0).enemy, base + 3) << "run " << run;
        EXPECT_EQ(Cell(11).enemy, base + 1);
        game.enemy.Tick(GameState::Cleared);
        EXPECT_EQ(Cell(0).enemy, base + 0);
        EXPECT_EQ(Cell(11).enemy, base + 2);
        game.enemy.Tick(GameState::Cleared);
        EXPECT_EQ(Cell(0).enemy, base + 1);
        game.SetState(GameState::Gameover);
        EXPECT_EQ(Cell(0).enemy, 0);
        EXPECT_EQ(Cell(11).enemy, 0);
        game.enemy.Tick(GameState::Gameover);
        EXPECT_EQ(Cell(0).enemy, 0);
    }
    // Waiting changes nothing and draws nothing.
    game.field.ClearChanged();
    game.SetState(GameState::Waiting);
    game.player.Tick(GameState::Waiting);
    game.enemy.Tick(GameState::Waiting);
    EXPECT_TRUE(Changed().empty());
    EXPECT_EQ(game.random.overruns, 0);
}

// The window's timer sleeps in the states that do not animate, so a tick there must be a
// no-op; in the others it must do something sooner or later.
TEST(Ticks, DoSomethingExactlyInTheStatesThatAnimate)
{
    struct CountingRandom : GameRandom {
        using GameRandom::GameRandom;
        int draws = 0;
        int32_t Next() override { return ++draws, GameRandom::Next(); }
    };
    for (int32_t s = 0; s <= static_cast<int32_t>(GameState::Quitting); ++s) {
        const auto state = static_cast<GameState>(s);
        TestGame<CountingRandom> game(42u);
        game.SetState(GameState::Started);
        game.SetState(state);
        game.field.ClearChanged();
        game.random.draws = 0;
        for (int i = 0; i < 50; ++i)
            game.game.Tick(state);
        const bool acted = !game.field.Changed().empty() || game.random.draws > 0;
        EXPECT_EQ(acted, Game::Animates(state)) << "state " << s;
    }
}
