#include "GameSolver.h"
#include "GameWindow.h"
#include "ModalHelper.h"
#include "SolverWorker.h"
#include "StatusOption.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace {

using Board = BoardGeometry;
const QColor HintColour(255, 176, 48);

// Seeds whose first pattern with the default options is, from its start: clearable; lost
// (and the second one clearable); out of the search's reach for seconds.
constexpr uint32_t ClearableSeed = 7;
constexpr uint32_t LostSeed = 330;
constexpr uint32_t HardSeed = 35;

// A pattern of one duck, which leaves no order to choose, whose par a search of every walk
// found once: 24 moves for its 23 cells to visit, so the shortest sure way comes back once.
constexpr const char* ParNumber = "24-0-0-1-70";
constexpr int32_t Par = 24;

// Where the pixels of the hint's colour lie on the board; empty when none do.
QRect HintArea(const TSys& sys)
{
    const QImage image = sys.board().offscreen().toImage().convertToFormat(QImage::Format_RGB32);
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == HintColour)
                area |= QRect(x, y, 1, 1);
    return area;
}

const SolverResult& VerdictOf(const GameWindow& game)
{
    const auto decided = [&] { return game->hints().solver()->verdict().has_value(); };
    if (!QTest::qWaitFor(decided, 30000))
        throw std::runtime_error("no verdict");
    return *game->hints().solver()->verdict();
}

}

// The cell of the move shows the hint's colour inside its outline for about a second, and
// not after the next move; asking changes nothing of the game.
TEST(Hint, ShowsTheCellOfTheMoveForASecondOrUntilTheNextMove)
{
    GameWindow game({}, ClearableSeed);
    EXPECT_FALSE(game.Item("MainMenu_Game_Hint")->isEnabled());
    game.StartSeeded();
    EXPECT_TRUE(game.Item("PopupMenu_Hint")->isEnabled());
    EXPECT_TRUE(HintArea(*game).isEmpty());

    QTest::keyClick(&*game, Qt::Key_H);
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(VerdictOf(game).verdict, Verdict::Clearable);
    // The whole cell inside its outline; the openings under the joints may show it too.
    const QRect cell = Board::CellRect(game->field().Cell(VerdictOf(game).move));
    const auto shown = [&] {
        const QRect area = HintArea(*game);
        return cell.contains(area) && area.contains(cell.adjusted(1, 1, -1, -1));
    };
    QTRY_VERIFY(shown());
    QTRY_VERIFY_WITH_TIMEOUT(HintArea(*game).isEmpty(), 5000);
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_EQ(game->player().totalMoves(), 0);
    EXPECT_EQ(game->statusOption().start, 1);

    game.Item("MainMenu_Game_Hint")->trigger();
    ASSERT_TRUE(shown());
    game.Click(cell.topLeft() + QPoint(3, 3));
    EXPECT_EQ(game->player().totalMoves(), 1);
    EXPECT_TRUE(HintArea(*game).isEmpty());
}

TEST(Hint, WhenNoWayIsSureABoxSaysSo)
{
    GameWindow game({}, LostSeed);
    game.StartSeeded();
    ASSERT_EQ(VerdictOf(game).verdict, Verdict::Lost);
    const auto shown = AnswerNextBox(QMessageBox::Ok);
    game.Item("PopupMenu_Hint")->trigger();
    EXPECT_TRUE(shown->seen);
    EXPECT_EQ(shown->caption, QStringLiteral("Hint"));
    EXPECT_TRUE(shown->text.startsWith(QStringLiteral("There is no sure way"))) << shown->text.toStdString();
    EXPECT_TRUE(HintArea(*game).isEmpty());
}

// The window goes while its search is still running: it waits only for the cancel.
TEST(Hint, ClosingTheGameEndsARunningSearchAtOnce)
{
    auto game = std::make_unique<GameWindow>(QByteArray(), HardSeed);
    game->StartSeeded();
    QTest::qWait(20);
    ASSERT_FALSE((*game)->hints().solver()->verdict());
    QElapsedTimer clock;
    clock.start();
    game.reset();
    EXPECT_LT(clock.elapsed(), 1000);
}

// Fair patterns only, a start deals until the solver proves a pattern clearable from its
// start, and the number it shows names that pattern; a typed number is played as it is.
TEST(FairPatterns, AStartKeepsAProvedPatternAndATypedNumberIsPlayedAsItIs)
{
    GameWindow game("[others]\nfairPatterns=1\n", LostSeed);
    EXPECT_TRUE(game.Item("MainMenu_Game_Fair")->isChecked());
    game->SetState(GameState::Started, true);
    EXPECT_EQ(VerdictOf(game).verdict, Verdict::Clearable);

    GameRandom random;
    const StatusOption status;
    Game dealt(random, status);
    dealt.Deal(game->patternNumber());
    for (int32_t c = 0; c < dealt.field().option().cell; ++c)
        ASSERT_EQ(game->field().Cell(c), dealt.field().Cell(c)) << "cell " << c;
    EXPECT_EQ(game->player().cellIndex(), dealt.player().cellIndex());
    EXPECT_EQ(game->enemy().cells(), dealt.enemy().cells());

    game.StartSeeded();
    EXPECT_EQ(game->patternNumber().seed, LostSeed);
    EXPECT_EQ(VerdictOf(game).verdict, Verdict::Lost);
    EXPECT_EQ(game->statusOption().start, 2);
}

// The Pattern number dialog shows what the search from the pattern's start found: no par
// for a lost pattern, the par of a clearable one, and the par stays once the pattern ends.
TEST(Par, TheNumberDialogShowsTheParOfThePatternFromItsStart)
{
    GameWindow game;
    const auto numberDialog = [&](const std::function<void(QWidget*)>& act) {
        ActOnNextModal(act);
        game.Item("MainMenu_Game_Number")->trigger();
    };
    const auto play = [&](const QString& number) {
        numberDialog([&](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("TypedEdit"))->setText(number);
            dialog->findChild<QPushButton*>(QStringLiteral("PlayButton"))->click();
        });
        // A clearable start's par comes after its verdict.
        const auto decided = [&] {
            const auto& start = game->hints().solver()->startVerdict();
            return start && (start->verdict == Verdict::Lost || start->parProved);
        };
        EXPECT_TRUE(QTest::qWaitFor(decided, 30000)) << qPrintable(number);
    };
    const auto shown = [&] {
        QString par;
        numberDialog([&](QWidget* dialog) {
            par = dialog->findChild<QLabel*>(QStringLiteral("ParLabel"))->text();
            EXPECT_TRUE(dialog->findChild<QLabel*>(QStringLiteral("ParNoteLabel"))->text().startsWith(
                QStringLiteral("Par is the fewest moves")));
            dialog->findChild<QPushButton*>(QStringLiteral("CloseButton"))->click();
        });
        return par;
    };
    EXPECT_EQ(shown(), QStringLiteral("Par not known yet."));

    play(QStringLiteral("32-3-2-3-%1").arg(LostSeed));
    EXPECT_EQ(shown(), QStringLiteral("No par: no sure way clears this pattern from its start."));

    play(QLatin1String(ParNumber));
    ASSERT_EQ(game->hints().solver()->startVerdict()->verdict, Verdict::Clearable);
    EXPECT_EQ(shown(), QStringLiteral("Par %1").arg(Par));
    game->SetState(GameState::Gameover, true);
    EXPECT_EQ(shown(), QStringLiteral("Par %1").arg(Par));
}

// A search delivers its verdict as soon as it has one, with the way it found, and then the
// par: a hint asked for at once follows a sure way, one asked for a moment later the
// shortest.
TEST(SolverWorker, TheParComesAfterTheVerdict)
{
    GameRandom random;
    const StatusOption status;
    Game dealt(random, status);
    // The first way the search finds from its start wanders.
    dealt.Deal(PatternNumber{{32, 3, 2}, 3, 2});
    SolverWorker worker;
    std::vector<SolverResult> delivered;
    QObject::connect(&worker, &SolverWorker::Decided, [&] { delivered.push_back(*worker.verdict()); });
    worker.NewPattern(dealt.field());
    worker.Search(dealt.Position(), {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return delivered.size() == 2; }, 60000));
    EXPECT_EQ(delivered[0].verdict, Verdict::Clearable);
    EXPECT_FALSE(delivered[0].parProved);
    EXPECT_TRUE(delivered[1].parProved);
    EXPECT_LT(delivered[1].par, delivered[0].par);
}

// However long a pattern is played, its searches together stay within its budget, each
// still gets enough to answer, and a retry after its end searches afresh; what the search
// from the start found outlives the end.
TEST(SolverWorker, APatternsSearchesShareOneBudget)
{
    GameRandom random;
    const StatusOption status;
    Game dealt(random, status);
    dealt.Deal(PatternNumber{{32, 3, 2}, 3, HardSeed});
    const GamePosition start = dealt.Position();
    SolverWorker worker;
    const auto search = [&] {
        worker.Search(start, {});
        EXPECT_TRUE(QTest::qWaitFor([&] { return worker.verdict().has_value(); }, 60000));
        const SolverResult& result = *worker.verdict();
        if (result.verdict == Verdict::Undecided) {
            EXPECT_GE(result.positions, SolverWorker::FloorPositions);
        }
        return result.positions;
    };
    worker.NewPattern(dealt.field());
    const uint64_t first = search();
    constexpr int Later = 6;
    uint64_t total = first;
    for (int i = 0; i < Later; ++i)
        total += search();
    EXPECT_LE(total, SolverWorker::PatternPositions + Later * SolverWorker::FloorPositions);

    worker.EndPattern();
    ASSERT_TRUE(worker.startVerdict());
    EXPECT_EQ(search(), first);
}
