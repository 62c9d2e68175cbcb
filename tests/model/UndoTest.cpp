#include "TestGame.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// After the start, each draw depends only on the position it is taken in, so a game that
// reaches a position by any road draws what a replay to it draws.
class PositionalRandom : public GameRandom {
public:
    explicit PositionalRandom(uint32_t seed)
        : GameRandom(seed)
    {
    }
    const Game* game = nullptr;

protected:
    int32_t Next() override
    {
        if (!game)
            return GameRandom::Next();
        const GamePosition p = game->Position();
        uint64_t h = 1469598103934665603u;
        const auto mix = [&h](int64_t v) { h = (h ^ static_cast<uint64_t>(v)) * 1099511628211u; };
        mix(p.player);
        mix(p.totalMoves);
        for (const int32_t e : p.enemies)
            mix(e);
        for (const int32_t u : p.unvisited)
            mix(u);
        return static_cast<int32_t>(h >> 33);
    }
};

struct Played {
    explicit Played(uint32_t seed)
        : game(seed)
    {
        game.game.SetOptions({32, 3, 2}, 3);
        game.SetState(GameState::Started);
        game.random.game = &game.game;
    }
    TestGame<PositionalRandom> game;
};

} // namespace

// After any mix of moves, moves taken back and moves made again, the game is exactly what a
// replay of the moves still standing makes of the same start: pieces, order of the
// enemies, marks, counters. Nothing is drawn meanwhile that a replay would not draw.
TEST(Undo, AnyMixOfUndoAndRedoEqualsAReplayOfTheMovesLeft)
{
    std::mt19937 choose(7);
    int undos = 0, redos = 0, chases = 0, steps = 0;
    for (uint32_t seed = 1; steps < 2000; ++seed) {
        Played played(seed);
        Game& game = played.game.game;
        std::vector<BoardSquare> moves; // those made, then those that can be made again
        std::vector<Rules::MoveResult> results; // what each of them did
        size_t standing = 0;
        for (int step = 0; step < 200; ++step, ++steps) {
            const uint32_t pick = choose() % 10;
            if (pick < 2) {
                ASSERT_EQ(game.Undo().made(), standing > 0);
                undos += standing > 0;
                standing -= standing > 0;
            } else if (pick < 4) {
                const MoveReport again = game.Redo();
                ASSERT_EQ(again.made(), standing < moves.size());
                if (again.made()) {
                    EXPECT_EQ(again.result, results[standing]) << "a move made again reports what it did";
                }
                redos += standing < moves.size();
                standing += standing < moves.size();
            } else {
                const auto list = game.field().Neighbours(game.player().cellIndex());
                const int32_t target = choose() % 4 == 0 ? game.player().cellIndex() : list[choose() % list.size()];
                const BoardSquare square = Aim::Centre(game.field().pattern().Rect(target));
                const int32_t before = game.player().totalMoves();
                const MoveReport move = game.MoveTo(square);
                EXPECT_EQ(move.made(), game.player().totalMoves() != before);
                if (move.state() != GameState::None)
                    break;
                if (!move.made())
                    continue;
                EXPECT_EQ(move.result == Rules::MoveResult::Chased, game.player().cycleMoves() == 0);
                chases += move.result == Rules::MoveResult::Chased;
                moves.resize(standing);
                moves.push_back(square);
                results.resize(standing);
                results.push_back(move.result);
                ++standing;
                EXPECT_FALSE(game.CanRedo());
            }
            Played replay(seed);
            for (size_t i = 0; i < standing; ++i)
                replay.game.game.MoveTo(moves[i]);
            ASSERT_EQ(game.Position(), replay.game.game.Position()) << "seed " << seed << " step " << step;
            for (int32_t c = 0; c < game.field().option().cell; ++c)
                ASSERT_EQ(game.field().Cell(c), replay.game.field.Cell(c)) << "seed " << seed << " cell " << c;
            EXPECT_GE(game.movesMade(), game.player().totalMoves());
        }
    }
    EXPECT_GT(undos, 200);
    EXPECT_GT(redos, 50);
    EXPECT_GT(chases, 100);
}
