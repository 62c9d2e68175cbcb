#include "BoardReading.h"
#include "BoardSpeech.h"
#include "Game.h"
#include "GameRandom.h"
#include "MoveReport.h"
#include "StatusOption.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace {

// The board as the speech reads it, built by hand around a game, without a window.
class HandReading final : public BoardReading {
public:
    explicit HandReading(const Game& game)
        : game(game)
    {
    }

    const GameField& field() const override { return game.field(); }
    const GamePlayer& player() const override { return game.player(); }
    const GameEnemy& enemy() const override { return game.enemy(); }
    GameState state() const override { return shown; }
    const QString& message() const override { return text; }
    int32_t zoom() const override { return 1; }

    GameState shown = GameState::Started;
    QString text;

private:
    const Game& game;
};

// What the report says an arrow key reaches, e.g. "to visit" for "Left: to visit.".
QString Said(const QString& report, const QString& side)
{
    const QRegularExpression part(QStringLiteral("(?:^|\\. )%1: ([^.]+)\\.").arg(side));
    return part.match(report).captured(1);
}

}

// The spoken board promises what a key does: every way it calls a duck, a tree, a pond
// not open now or the edge is refused, every other way is a move, over walks through
// patterns with trees, ponds and ducks.
TEST(BoardSpeech, ArrowsSayWhichMovesTheGameTakes)
{
    const QStringList refusals{QStringLiteral("duck"), QStringLiteral("tree"), QStringLiteral("pond, not now"),
                               QStringLiteral("edge")};
    const std::pair<Heading, QString> sides[] = {{Heading::Up, QStringLiteral("Up")},
                                                 {Heading::Down, QStringLiteral("Down")},
                                                 {Heading::Left, QStringLiteral("Left")},
                                                 {Heading::Right, QStringLiteral("Right")}};
    int checked = 0;
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        GameRandom random(seed);
        const StatusOption status;
        Game game(random, status);
        game.Deal({{32, 4, 4}, 3, seed});
        const HandReading board(game);
        for (int step = 0; step < 40; ++step) {
            const QString report = BoardSpeech::Report(board, {});
            std::optional<BoardSquare> onward;
            for (const auto& [heading, name] : sides) {
                const QString said = Said(report, name);
                ASSERT_FALSE(said.isEmpty()) << report.toStdString();
                const std::optional<BoardSquare> square = game.player().LookAt(heading);
                if (!square) {
                    EXPECT_EQ(said, QStringLiteral("edge"));
                    continue;
                }
                const MoveReport move = game.MoveTo(*square);
                EXPECT_EQ(move.made(), !refusals.contains(said)) << "seed " << seed << ": " << report.toStdString();
                ++checked;
                if (move.made()) {
                    game.Undo();
                    if (move.state() == GameState::None)
                        onward = square;
                }
            }
            if (!onward || game.MoveTo(*onward).state() != GameState::None)
                break;
        }
    }
    EXPECT_GT(checked, 100);
}

// The news of a state goes first; after a chase the ducks' step is told at the end, and
// outside a pattern no key is offered.
TEST(BoardSpeech, ReportCarriesTheNewsAndTheState)
{
    GameRandom random(3);
    const StatusOption status;
    Game game(random, status);
    game.Deal({{24, 0, 0}, 1, 3});
    HandReading board(game);

    const QString started = BoardSpeech::Report(board, {QStringLiteral("Started."), false, false});
    EXPECT_TRUE(started.startsWith(QStringLiteral("Started. You.")));
    EXPECT_TRUE(started.contains(QStringLiteral("Move 1 of 3 next.")));

    const QString chased = BoardSpeech::Report(board, {{}, true, false});
    EXPECT_TRUE(chased.endsWith(QStringLiteral("No duck moved.")) || chased.contains(QStringLiteral("moved next to you")))
        << chased.toStdString();

    board.shown = GameState::Cleared;
    const QString cleared = BoardSpeech::Report(board, {});
    EXPECT_EQ(cleared, QStringLiteral("You."));
}
