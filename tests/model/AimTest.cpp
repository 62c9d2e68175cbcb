#include "TestGame.h"

#include <gtest/gtest.h>

namespace {

// A tall cell on the left whose right side borders three cells, and a wide cell in the
// middle of the right half:
//    0 111111111
//    0 22 333333
//    0 444444444
void BuildSides(GameField& field)
{
    Build(field, {{0, 0, 4, 13}, {4, 0, 18, 4}, {4, 4, 9, 9}, {9, 4, 18, 9}, {4, 9, 18, 13}});
}

constexpr int32_t OffBoard = -1;

} // namespace

// Several cells border one side: the aim's row or column picks one.
TEST(Aim, TheAimPicksAmongTheCellsOnOneSide)
{
    TestGame<ScriptedRandom> game;
    BuildSides(game.field);
    const struct {
        int32_t cell;
        BoardSquare aim;
        Heading heading;
        int32_t reached;
    } cases[] = {
        {0, {1, 0}, Heading::Right, 1}, {0, {1, 6}, Heading::Right, 2}, {0, {3, 12}, Heading::Right, 4},
        {1, {5, 2}, Heading::Down, 2},  {1, {12, 2}, Heading::Down, 3}, {3, {17, 8}, Heading::Up, 1},
        {0, {0, 0}, Heading::Left, OffBoard}, {3, {12, 6}, Heading::InPlace, 3},
    };
    for (const auto& c : cases) {
        const auto square = Aim::LookedAt(game.field.pattern().Rect(c.cell), c.aim, c.heading);
        EXPECT_EQ(square ? game.field.Grid(square->column, square->row) : OffBoard, c.reached)
            << "cell " << c.cell << " aim " << c.aim.column << "," << c.aim.row;
    }
}

// Whatever the pattern and the aim, an arrow looks at the square one step past the
// cell's edge, in line with the aim, and that square belongs to a neighbour: a key never
// reaches a cell a click could not move to. It looks at nothing only at the board's edge.
TEST(Aim, ArrowsReachOnlyNeighbours)
{
    const struct {
        Heading heading;
        int32_t dx, dy;
    } steps[] = {{Heading::Up, 0, -1}, {Heading::Down, 0, 1}, {Heading::Left, -1, 0}, {Heading::Right, 1, 0}};
    const auto inside = [](const CellRect& c, int32_t x, int32_t y) {
        return x >= c.left && x < c.right && y >= c.top && y < c.bottom;
    };
    for (const uint32_t seed : {1u, 2u, 3u}) {
        TestGame<GameRandom> game(seed);
        game.field.SetOption({20 + 30 * static_cast<int32_t>(seed), 0, 0});
        game.SetState(GameState::Started);
        for (int32_t cell = 0; cell < game.field.option().cell; ++cell) {
            const CellRect& c = game.field.pattern().Rect(cell);
            for (int32_t x = c.left; x < c.right; ++x)
                for (int32_t y = c.top; y < c.bottom; ++y)
                    for (const auto& s : steps) {
                        const auto square = Aim::LookedAt(c, {x, y}, s.heading);
                        int32_t px = x, py = y;
                        while (inside(c, px + s.dx, py + s.dy)) {
                            px += s.dx;
                            py += s.dy;
                        }
                        const BoardSquare past{px + s.dx, py + s.dy};
                        const bool onBoard = past.column >= 0 && past.column < GameField::Columns && past.row >= 0
                            && past.row < GameField::Rows;
                        ASSERT_EQ(square.has_value(), onBoard) << "cell " << cell << " aim " << x << "," << y;
                        if (!square)
                            continue;
                        EXPECT_EQ(*square, past);
                        EXPECT_TRUE(game.field.IsNeighbour(cell, game.field.Grid(square->column, square->row)))
                            << "seed " << seed << " cell " << cell << " aim " << x << "," << y;
                    }
        }
    }
}

TEST(Aim, StartsInTheMiddleFollowsMovesAndStaysInTheCell)
{
    TestGame<ScriptedRandom> game;
    BuildSides(game.field);
    MarkObstacle(game.field, 3);
    game.enemy.SetCount(0);
    GamePlayer& player = game.player;
    // Cell 0 is 4 x 13 squares: its middle rounds toward the top left.
    game.random.Script({0});
    game.SetState(GameState::Retrying);
    EXPECT_EQ(player.aim(), (BoardSquare{1, 6}));

    // A key move aims from the square it looked at; a move in place keeps the aim.
    ASSERT_EQ(player.LookAt(Heading::Right), (BoardSquare{4, 6}));
    player.MoveTo(*player.LookAt(Heading::Right));
    EXPECT_EQ(player.cellIndex(), 2);
    EXPECT_EQ(player.aim(), (BoardSquare{4, 6}));
    player.MoveTo(*player.LookAt(Heading::InPlace));
    EXPECT_EQ(player.totalMoves(), 2);
    EXPECT_EQ(player.aim(), (BoardSquare{4, 6}));

    // A click aims from the clicked square; a refused one changes nothing.
    player.MoveTo({16, 12});
    EXPECT_EQ(player.cellIndex(), 4);
    EXPECT_EQ(player.aim(), (BoardSquare{16, 12}));
    player.MoveTo({16, 8});
    EXPECT_EQ(player.cellIndex(), 4);
    EXPECT_EQ(player.aim(), (BoardSquare{16, 12}));
    EXPECT_EQ(player.totalMoves(), 3);

    // A move that bypasses the aim leaves it clamped into the new cell, where keys go on
    // from it: down from cell 1 on column 16 is the obstacle, so nothing moves.
    player.Move(0);
    player.Move(1);
    EXPECT_EQ(player.aim(), (BoardSquare{16, 3}));
    EXPECT_EQ(player.LookAt(Heading::Down), (BoardSquare{16, 4}));
    EXPECT_EQ(player.MoveTo(*player.LookAt(Heading::Down)).state(), GameState::None);
    EXPECT_EQ(player.cellIndex(), 1);

    // A retry aims from the middle again: cell 1 is 14 x 4 squares.
    game.random.Script({1});
    game.SetState(GameState::Retrying);
    EXPECT_EQ(player.aim(), (BoardSquare{10, 1}));
    EXPECT_EQ(game.random.overruns, 0);
}
