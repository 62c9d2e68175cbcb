#include "TestGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <queue>
#include <tuple>

namespace {

using Rect = std::tuple<int32_t, int32_t, int32_t, int32_t>;

Rect RectOf(const FieldCell& c)
{
    return {c.left, c.top, c.right, c.bottom};
}

// The cell covering each square, found from the rectangles alone.
std::vector<std::vector<int32_t>> Cover(const GameField& field)
{
    std::vector<std::vector<int32_t>> cover(GameField::Columns, std::vector<int32_t>(GameField::Rows, -1));
    for (int32_t i = 0; i < field.option().cell; ++i) {
        const FieldCell& c = field.Cell(i);
        for (int32_t x = c.left; x < c.right; ++x)
            for (int32_t y = c.top; y < c.bottom; ++y) {
                EXPECT_EQ(cover[x][y], -1) << "cells overlap at " << x << "," << y;
                cover[x][y] = i;
            }
    }
    return cover;
}

// The neighbours of a cell by walking its four sides square by square: above and below
// left to right, then left and right top to bottom, each cell once.
std::vector<int32_t> SideWalk(const GameField& field, const std::vector<std::vector<int32_t>>& cover, int32_t cell)
{
    const FieldCell& c = field.Cell(cell);
    std::vector<int32_t> list;
    const auto add = [&](int32_t x, int32_t y) {
        if (x < 0 || y < 0 || x >= GameField::Columns || y >= GameField::Rows)
            return;
        if (std::find(list.begin(), list.end(), cover[x][y]) == list.end())
            list.push_back(cover[x][y]);
    };
    for (int32_t x = c.left; x < c.right; ++x)
        add(x, c.top - 1);
    for (int32_t x = c.left; x < c.right; ++x)
        add(x, c.bottom);
    for (int32_t y = c.top; y < c.bottom; ++y)
        add(c.left - 1, y);
    for (int32_t y = c.top; y < c.bottom; ++y)
        add(c.right, y);
    return list;
}

void ExpectSoundPartition(const GameField& field)
{
    const int32_t n = field.option().cell;
    const auto cover = Cover(field);
    for (int32_t x = 0; x < GameField::Columns; ++x)
        for (int32_t y = 0; y < GameField::Rows; ++y) {
            ASSERT_NE(cover[x][y], -1) << "gap at " << x << "," << y;
            ASSERT_EQ(field.Grid(x, y), cover[x][y]);
        }
    for (int32_t i = 0; i < n; ++i) {
        const auto list = field.Neighbours(i);
        ASSERT_EQ(std::vector<int32_t>(list.begin(), list.end()), SideWalk(field, cover, i)) << "cell " << i;
        for (const int32_t other : list)
            ASSERT_TRUE(field.IsNeighbour(other, i)) << other << " and " << i;
    }
}

// The partition's draws: four candidates and a cut per pass, then the shuffle.
std::vector<int32_t> Pass(int32_t candidate, int32_t cut)
{
    return {candidate, candidate, candidate, candidate, cut};
}

std::vector<int32_t> Join(std::initializer_list<std::vector<int32_t>> parts)
{
    std::vector<int32_t> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::vector<Rect> Rects(const GameField& field)
{
    std::vector<Rect> rects;
    for (int32_t i = 0; i < field.option().cell; ++i)
        rects.push_back(RectOf(field.Cell(i)));
    return rects;
}

} // namespace

TEST(FieldOption, NewFieldHoldsDefaultsAndNoPattern)
{
    TestGame<ScriptedRandom> game;
    const GameField& field = game.field;
    EXPECT_EQ(field.option(), (FieldOption{32, 3, 2}));
    for (int32_t i = 0; i < 32; ++i) {
        EXPECT_EQ(field.Cell(i), FieldCell{});
        EXPECT_TRUE(field.Neighbours(i).empty());
    }
    EXPECT_TRUE(field.Changed().empty());
    EXPECT_EQ(game.random.overruns, 0);
}

TEST(FieldOption, SetOptionDropsThePatternAndResizes)
{
    TestGame<GameRandom> game(7u);
    game.SetState(GameState::Started);
    game.field.SetCell(3, game.field.Cell(3));
    game.field.SetOption({24, 1, 1});
    EXPECT_EQ(game.field.option(), (FieldOption{24, 1, 1}));
    EXPECT_TRUE(game.field.Changed().empty());
    for (int32_t i = 0; i < 24; ++i) {
        EXPECT_EQ(game.field.Cell(i), FieldCell{});
        EXPECT_TRUE(game.field.Neighbours(i).empty());
    }
    EXPECT_FALSE(game.field.HasUnvisited());
    for (int32_t x = 0; x < GameField::Columns; ++x)
        for (int32_t y = 0; y < GameField::Rows; ++y)
            EXPECT_LT(game.field.Grid(x, y), 24);

    // Writes after the change land in lists of the new size.
    for (int32_t i = 0; i < 24; ++i)
        game.field.SetCell(i, game.field.Cell(i));
    EXPECT_EQ(game.field.Changed().size(), 24u);
}

TEST(FieldOption, ValuesOutsideTheLimitsAreClamped)
{
    const std::pair<FieldOption, FieldOption> cases[] = {
        {{0, 0, 0}, {1, 0, 0}},
        {{-7, -1, -1}, {1, 0, 0}},
        {{1, 5, 5}, {1, 0, 0}},
        {{235, 3, 2}, {234, 3, 2}},
        {{INT32_MAX, INT32_MAX, INT32_MAX}, {234, 233, 0}},
        {{24, -3, 30}, {24, 0, 23}},
        {{24, 20, 10}, {24, 20, 3}},
        {{24, 5, 5}, {24, 5, 5}},
        {{40, 0, 0}, {40, 0, 0}},
    };
    TestGame<GameRandom> game(1u);
    for (const auto& [given, kept] : cases) {
        game.field.SetOption(given);
        EXPECT_EQ(game.field.option(), kept) << given.cell << "/" << given.obstacle << "/" << given.trap;
    }
}

TEST(FieldOption, ExtremeOptionsStillGiveAClearablePattern)
{
    // Far outside the dialog's ranges drawn placements practically never pass; the
    // field must still finish, with exact counts and one connected patch to visit.
    const FieldOption cases[] = {{234, 200, 0}, {234, 100, 100}, {1, 0, 0}, {2, 0, 1}, {234, 0, 0}};
    for (const FieldOption& option : cases) {
        TestGame<GameRandom> game(99u);
        game.field.SetOption(option);
        game.SetState(GameState::Started);
        const GameField& field = game.field;
        ExpectSoundPartition(field);
        int32_t obstacles = 0, traps = 0, ordinary = 0;
        int32_t start = -1;
        for (int32_t i = 0; i < option.cell; ++i) {
            const FieldCell& c = field.Cell(i);
            obstacles += c.obstacle == 0;
            traps += c.trap == 0;
            if (c.obstacle < 0 && c.trap < 0) {
                ++ordinary;
                start = i;
            }
        }
        EXPECT_EQ(obstacles, option.obstacle);
        EXPECT_EQ(traps, option.trap);
        ASSERT_GE(start, 0);
        std::vector<bool> seen(static_cast<size_t>(option.cell), false);
        std::queue<int32_t> open;
        open.push(start);
        seen[start] = true;
        int32_t found = 0;
        while (!open.empty()) {
            const int32_t c = open.front();
            open.pop();
            ++found;
            for (const int32_t n : field.Neighbours(c)) {
                const FieldCell& r = field.Cell(n);
                if (!seen[n] && r.obstacle < 0 && r.trap < 0) {
                    seen[n] = true;
                    open.push(n);
                }
            }
        }
        EXPECT_EQ(found, ordinary) << option.cell << "/" << option.obstacle << "/" << option.trap;
    }
}

TEST(Partition, EveryCellCountGivesASoundPartition)
{
    TestGame<GameRandom> game(2024u);
    for (int32_t n = 1; n <= 234; ++n) {
        game.field.SetOption({n, 0, 0});
        for (int seed = 0; seed < 8; ++seed) {
            game.field.Generate();
            ExpectSoundPartition(game.field);
            if (testing::Test::HasFatalFailure())
                FAIL() << "cell " << n;
        }
    }
}

TEST(Partition, FirstCutIsVertical)
{
    TestGame<GameRandom> game(5u);
    game.field.SetOption({2, 0, 0});
    for (int i = 0; i < 200; ++i) {
        game.field.Generate();
        const FieldCell& a = game.field.Cell(0);
        const FieldCell& b = game.field.Cell(1);
        EXPECT_EQ(a.top, 0);
        EXPECT_EQ(a.bottom, 13);
        EXPECT_EQ(b.top, 0);
        EXPECT_EQ(b.bottom, 13);
        EXPECT_TRUE(a.right == b.left || b.right == a.left);
    }
}

TEST(Partition, PoolKeepsOpenRectanglesInFrontAndSquaresAtTheEnd)
{
    TestGame<ScriptedRandom> game;
    game.field.SetOption({5, 0, 0});
    // x = 3; then the 3 x 13 strip at y = 3; then the 3 x 3 square (a square is cut
    // horizontally) at y = 1; then the wide rest at x = 9; identity shuffle.
    game.random.Script(Join({Pass(0, 2), Pass(0, 2), Pass(1, 0), Pass(0, 5), {0, 1, 2, 3, 4}}));
    game.field.Generate();
    EXPECT_EQ(Rects(game.field), (std::vector<Rect>{
                                     {0, 1, 3, 3}, {0, 3, 3, 13}, {0, 0, 3, 1}, {3, 0, 9, 13}, {9, 0, 18, 13}}));
    EXPECT_EQ(game.random.left(), 0u);

    // The same, but the square cut one row lower: 3 x 2 above, 3 x 1 below.
    game.random.Script(Join({Pass(0, 2), Pass(0, 2), Pass(1, 1), Pass(0, 5), {0, 1, 2, 3, 4}}));
    game.field.Generate();
    EXPECT_EQ(RectOf(game.field.Cell(1)), (Rect{0, 3, 3, 13}));
    EXPECT_EQ(RectOf(game.field.Cell(2)), (Rect{0, 0, 3, 2}));
    EXPECT_EQ(RectOf(game.field.Cell(0)), (Rect{0, 2, 3, 3}));

    // A 1 x 1 part is parked in the last entry and never offered as a candidate.
    game.field.SetOption({4, 0, 0});
    // x = 1; the 1 x 13 strip at y = 1; then candidate draw 3 counts only the two open
    // rectangles (3 below 2 is 1): the 1 x 12 strip, cut at y = 1 + 1 + 5.
    game.random.Script(Join({Pass(0, 0), Pass(0, 0), Pass(3, 5), {0, 1, 2, 3}}));
    game.field.Generate();
    EXPECT_EQ(Rects(game.field), (std::vector<Rect>{{1, 0, 18, 13}, {0, 1, 1, 7}, {0, 7, 1, 13}, {0, 0, 1, 1}}));
    EXPECT_EQ(game.random.left(), 0u);
    EXPECT_EQ(game.random.overruns, 0);
}

TEST(Partition, EqualAreasGoToTheLaterCandidate)
{
    // After the cut at x = 9 both halves measure 9 x 13; the chosen half is cut at y = 1.
    struct Case {
        std::vector<int32_t> candidates;
        bool leftChosen;
    };
    const Case cases[] = {
        {{1, 0, 1, 0}, true},  // the fourth candidate, 0
        {{0, 1, 0, 1}, false}, // the fourth candidate, 1
        {{0, 0, 1, 1}, false}, // pair winners 0 and 1 tie: the second pair's
        {{1, 1, 0, 0}, true},
    };
    for (const Case& c : cases) {
        TestGame<ScriptedRandom> game;
        game.field.SetOption({3, 0, 0});
        game.random.Script(Join({Pass(0, 8), c.candidates, {0}, {0, 1, 2}}));
        game.field.Generate();
        const Rect uncut = c.leftChosen ? Rect{9, 0, 18, 13} : Rect{0, 0, 9, 13};
        EXPECT_EQ(RectOf(game.field.Cell(0)), uncut) << c.candidates[0] << c.candidates[1] << c.candidates[2]
                                                     << c.candidates[3];
        EXPECT_EQ(game.random.left(), 0u);
    }

    // Ties inside each pair, decided before the pairs meet: x = 4, then the 14 x 13 rest
    // at x = 11 leaves 4 x 13, 7 x 13, 7 x 13; the later 7 x 13 is cut at y = 1.
    for (const std::vector<int32_t>& candidates : {std::vector<int32_t>{1, 2, 0, 0}, {0, 0, 1, 2}}) {
        TestGame<ScriptedRandom> game;
        game.field.SetOption({4, 0, 0});
        game.random.Script(Join({Pass(0, 3), Pass(1, 6), candidates, {0}, {0, 1, 2, 3}}));
        game.field.Generate();
        EXPECT_EQ(Rects(game.field),
                  (std::vector<Rect>{{0, 0, 4, 13}, {4, 0, 11, 13}, {11, 0, 18, 1}, {11, 1, 18, 13}}));
        EXPECT_EQ(game.random.left(), 0u);
    }

    // Unequal areas: the larger wins whatever its position.
    TestGame<ScriptedRandom> game;
    game.field.SetOption({4, 0, 0});
    // x = 4: 4 x 13 and 14 x 13; the larger is cut at x = 4 + 1 + 0; then candidates
    // 0 (4 x 13), 1 (1 x 13), 2 (13 x 13), 0: the 13 x 13 square, cut at y = 1.
    game.random.Script(Join({Pass(0, 3), Pass(1, 0), {0, 1, 2, 0, 0}, {0, 1, 2, 3}}));
    game.field.Generate();
    EXPECT_EQ(Rects(game.field), (std::vector<Rect>{{0, 0, 4, 13}, {4, 0, 5, 13}, {5, 0, 18, 1}, {5, 1, 18, 13}}));
    EXPECT_EQ(game.random.left(), 0u);
}

TEST(Neighbours, ListsFollowTheSidesInOrder)
{
    TestGame<ScriptedRandom> game;
    // A wide top cell over three, the middle one split in two rows.
    Build(game.field, {
        {0, 0, 18, 4},  // 0
        {0, 4, 6, 13},  // 1
        {6, 4, 12, 8},  // 2
        {6, 8, 12, 13}, // 3
        {12, 4, 18, 13} // 4
    });
    const auto list = [&](int32_t c) {
        const auto s = game.field.Neighbours(c);
        return std::vector<int32_t>(s.begin(), s.end());
    };
    EXPECT_EQ(list(0), (std::vector<int32_t>{1, 2, 4}));
    EXPECT_EQ(list(1), (std::vector<int32_t>{0, 2, 3}));
    EXPECT_EQ(list(2), (std::vector<int32_t>{0, 3, 1, 4}));
    EXPECT_EQ(list(3), (std::vector<int32_t>{2, 1, 4}));
    EXPECT_EQ(list(4), (std::vector<int32_t>{0, 2, 3}));
    EXPECT_FALSE(game.field.IsNeighbour(2, 2));
    EXPECT_FALSE(game.field.IsNeighbour(1, 4));
    EXPECT_EQ(game.field.Grid(7, 9), 3);
}

TEST(Neighbours, CornerContactIsNoNeighbour)
{
    TestGame<ScriptedRandom> game;
    BuildBlocks(game.field);
    EXPECT_TRUE(game.field.IsNeighbour(5, 1));
    EXPECT_TRUE(game.field.IsNeighbour(5, 4));
    EXPECT_FALSE(game.field.IsNeighbour(5, 0));
    EXPECT_FALSE(game.field.IsNeighbour(5, 10));
    EXPECT_FALSE(game.field.IsNeighbour(5, 5));
    ExpectSoundPartition(game.field);
}

TEST(Placement, CountsAreExactAndPiecesRemoved)
{
    TestGame<GameRandom> game(31u);
    const FieldOption options[] = {{24, 0, 0}, {24, 5, 5}, {32, 3, 2}, {40, 5, 0}, {40, 0, 5}};
    for (const FieldOption& option : options) {
        game.field.SetOption(option);
        for (int i = 0; i < 50; ++i) {
            game.field.Generate();
            EXPECT_TRUE(game.field.CheckReachable());
            EXPECT_TRUE(game.field.Changed().empty());
            int32_t obstacles = 0, traps = 0;
            for (int32_t c = 0; c < option.cell; ++c) {
                const FieldCell& r = game.field.Cell(c);
                EXPECT_EQ(r.player, -1);
                EXPECT_EQ(r.enemy, -1);
                EXPECT_FALSE(r.obstacle == 0 && r.trap == 0);
                EXPECT_EQ(r.unvisited, r.obstacle == 0 || r.trap == 0 ? -1 : 0);
                obstacles += r.obstacle == 0;
                traps += r.trap == 0;
            }
            EXPECT_EQ(obstacles, option.obstacle);
            EXPECT_EQ(traps, option.trap);
        }
    }
}

TEST(Placement, FailedPlacementIsRedrawnOnTheSamePartition)
{
    TestGame<ScriptedRandom> game;
    game.field.SetOption({4, 1, 0});
    // Four strips 1, 1, 1 and 15 wide side by side: a path 0 - 1 - 2 - 3.
    const std::vector<int32_t> partition = Join({Pass(0, 0), Pass(1, 0), Pass(2, 0), {0, 1, 2, 3}});
    // The obstacle first cuts strip 0 off (cell 1), then goes to the end (cell 3).
    game.random.Script(Join({partition, {1}, {3}}));
    game.field.Generate();
    EXPECT_EQ(Rects(game.field), (std::vector<Rect>{{0, 0, 1, 13}, {1, 0, 2, 13}, {2, 0, 3, 13}, {3, 0, 18, 13}}));
    EXPECT_EQ(game.field.Cell(3).obstacle, 0);
    EXPECT_EQ(game.field.Cell(1).obstacle, -1);
    EXPECT_EQ(game.random.left(), 0u);
    EXPECT_EQ(game.random.overruns, 0);

    // Without obstacles and traps the first placement always passes and draws nothing.
    game.field.SetOption({4, 0, 0});
    game.random.Script(partition);
    game.field.Generate();
    EXPECT_EQ(game.random.left(), 0u);
    EXPECT_EQ(game.random.overruns, 0);

    // Obstacles are taken from the front of the swapped list, traps after them.
    game.field.SetOption({4, 1, 2});
    game.random.Script(Join({partition, {3, 3, 2}}));
    game.field.Generate();
    // 0 1 2 3 -> 3 1 2 0 -> 3 0 2 1 -> 3 0 2 1: obstacle 3, traps 0 and 2.
    EXPECT_EQ(game.field.Cell(3).obstacle, 0);
    EXPECT_EQ(game.field.Cell(0).trap, 0);
    EXPECT_EQ(game.field.Cell(2).trap, 0);
    EXPECT_EQ(game.field.Cell(1).unvisited, 0);
    EXPECT_EQ(game.random.left(), 0u);
}

TEST(Reachability, ThirdStepCellStaysUnexpanded)
{
    // S has T1, T2 and X on its right; Z (an obstacle) and Y fill the right edge, so Y
    // is reached only through X. The walk meets X first as S - T1 - T2 - X, the third
    // step, and never expands it, although X touches S.
    TestGame<ScriptedRandom> game;
    Build(game.field, {
        {0, 0, 6, 13},   // 0 S
        {6, 0, 12, 4},   // 1 T1
        {6, 4, 12, 8},   // 2 T2
        {6, 8, 12, 13},  // 3 X
        {12, 0, 18, 8},  // 4 Z
        {12, 8, 18, 13}, // 5 Y
    });
    game.field.ResetCells();
    MarkObstacle(game.field, 4);
    MarkTrap(game.field, 1);
    EXPECT_TRUE(game.field.CheckReachable());
    MarkTrap(game.field, 2);
    EXPECT_FALSE(game.field.CheckReachable());

    // In a row of strips two traps may be crossed, three may not.
    Build(game.field, {{0, 0, 3, 13}, {3, 0, 6, 13}, {6, 0, 9, 13}, {9, 0, 18, 13}});
    game.field.ResetCells();
    MarkTrap(game.field, 1);
    MarkTrap(game.field, 2);
    EXPECT_TRUE(game.field.CheckReachable());
    Build(game.field, {{0, 0, 3, 13}, {3, 0, 6, 13}, {6, 0, 9, 13}, {9, 0, 12, 13}, {12, 0, 18, 13}});
    game.field.ResetCells();
    MarkTrap(game.field, 1);
    MarkTrap(game.field, 2);
    MarkTrap(game.field, 3);
    EXPECT_FALSE(game.field.CheckReachable());
}

TEST(ChangedList, ListsEachCellOnceInOrderOfFirstWrite)
{
    TestGame<ScriptedRandom> game;
    GameField& field = game.field;
    for (const int32_t c : {7, 3, 7, 12, 3, 7})
        field.SetCell(c, field.Cell(c));
    EXPECT_EQ(std::vector<int32_t>(field.Changed().begin(), field.Changed().end()),
              (std::vector<int32_t>{7, 3, 12}));
    FieldCell record = field.Cell(3);
    record.enemy = 2;
    field.SetCell(3, record);
    EXPECT_EQ(field.Cell(3), record);
    field.ClearChanged();
    EXPECT_TRUE(field.Changed().empty());
    field.SetCell(12, field.Cell(12));
    field.SetCell(7, field.Cell(7));
    EXPECT_EQ(std::vector<int32_t>(field.Changed().begin(), field.Changed().end()), (std::vector<int32_t>{12, 7}));
}

TEST(ResetCells, ListsEveryCellAndMarksTheHattrickRun)
{
    TestGame<GameRandom> game(11u);
    game.SetState(GameState::Started);
    const std::pair<int32_t, int32_t> runs[] = {{0, 0}, {1, 0}, {2, 1}, {3, 0}, {4, 0}, {5, 1}, {6, 0}, {8, 1}};
    for (const auto& [run, mark] : runs) {
        // After a retry the pieces stand on the board and the start cell is visited.
        game.status.succeeding = run;
        game.SetState(GameState::Retrying);
        game.field.ResetCells();
        const auto changed = game.field.Changed();
        ASSERT_EQ(changed.size(), 32u);
        for (int32_t i = 0; i < 32; ++i) {
            EXPECT_EQ(changed[i], i);
            const FieldCell& c = game.field.Cell(i);
            EXPECT_EQ(c.player, -1);
            EXPECT_EQ(c.enemy, -1);
            const bool special = c.obstacle == 0 || c.trap == 0;
            EXPECT_EQ(c.unvisited, special ? -1 : mark) << "run " << run;
        }
    }
}

TEST(FieldState, StartMakesANewPatternAndRetryKeepsIt)
{
    TestGame<GameRandom> game(3u);
    game.field.ChangeState(GameState::Started);
    const auto first = Rects(game.field);
    std::vector<FieldCell> marks;
    for (int32_t i = 0; i < 32; ++i)
        marks.push_back(game.field.Cell(i));

    // Visit everything, then retry: every ordinary cell is to be visited again.
    for (int32_t i = 0; i < 32; ++i) {
        FieldCell c = game.field.Cell(i);
        c.unvisited = -1;
        game.field.SetCell(i, c);
    }
    EXPECT_FALSE(game.field.HasUnvisited());
    game.field.ChangeState(GameState::Waiting);
    game.field.ChangeState(GameState::Cleared);
    EXPECT_FALSE(game.field.HasUnvisited());
    game.field.ChangeState(GameState::Retrying);
    EXPECT_EQ(Rects(game.field), first);
    for (int32_t i = 0; i < 32; ++i)
        EXPECT_EQ(game.field.Cell(i), marks[i]);

    game.field.ChangeState(GameState::Started);
    EXPECT_NE(Rects(game.field), first);
    EXPECT_EQ(game.field.Changed().size(), 32u);
}

// Whatever wrote the records last, the pattern read next is theirs; one kept from an
// earlier deal stays as it was dealt, as a search still running on it needs; and the
// pieces' moves leave the pattern as it is.
TEST(Pattern, FollowsTheRecordsAndAKeptOneStaysAsDealt)
{
    TestGame<GameRandom> game(7u);
    game.enemy.SetCount(3);
    const auto records = [&] {
        std::vector<FieldCell> all;
        for (int32_t c = 0; c < game.field.option().cell; ++c)
            all.push_back(game.field.Cell(c));
        return all;
    };
    const auto agrees = [](const GamePattern& pattern, const std::vector<FieldCell>& all) {
        bool same = pattern.cellCount() == static_cast<int32_t>(all.size());
        for (int32_t c = 0; same && c < pattern.cellCount(); ++c) {
            const CellRect& r = pattern.Rect(c);
            same = RectOf(all[c]) == Rect{r.left, r.top, r.right, r.bottom}
                && pattern.Obstacle(c) == (all[c].obstacle >= 0) && pattern.Trap(c) == (all[c].trap >= 0);
        }
        return same;
    };
    for (const FieldOption option : {FieldOption{32, 3, 2}, FieldOption{24, 5, 5}}) {
        game.field.SetOption(option);
        EXPECT_TRUE(agrees(game.field.pattern(), records()));
        game.SetState(GameState::Started);
        const std::shared_ptr<const GamePattern> kept = game.field.sharedPattern();
        const std::vector<FieldCell> dealt = records();
        for (int32_t move = 0; move < 6; ++move)
            game.player.Move(game.field.Neighbours(game.player.cellIndex()).front());
        EXPECT_EQ(&game.field.pattern(), kept.get());

        const auto ordinary = std::ranges::find_if(dealt, [](const FieldCell& c) { return c.obstacle < 0 && c.trap < 0; });
        const auto tree = static_cast<int32_t>(ordinary - dealt.begin());
        MarkObstacle(game.field, tree);
        EXPECT_TRUE(game.field.pattern().Obstacle(tree));
        EXPECT_TRUE(agrees(game.field.pattern(), records()));
        game.SetState(GameState::Started);
        EXPECT_TRUE(agrees(game.field.pattern(), records()));
        EXPECT_TRUE(agrees(*kept, dealt));
    }
}
