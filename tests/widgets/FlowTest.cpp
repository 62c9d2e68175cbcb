#include "GameWindow.h"
#include "ModalHelper.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenu>

#include <algorithm>
#include <map>
#include <QMouseEvent>
#include <QTimer>

namespace {

const QByteArray ConfirmOn = "[systemOption]\nconfirm=1\n";

// The only other cell of a two-cell pattern: entering it clears the pattern.
int32_t OtherCell(const GameWindow& game)
{
    return 1 - game->player().cellIndex();
}

void ClearTwoCellPattern(const GameWindow& game)
{
    game.Click(game.PointIn(OtherCell(game)));
}

// The colour of the message text: the commonest colour but the background, since
// the glyph edges are blended.
QColor MessageColour(const TSys& sys)
{
    const QImage image = sys.board().offscreen().toImage().convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 380; y < 412; ++y)
        for (int x = 8; x < 548; ++x)
            ++counts[image.pixel(x, y)];
    counts.erase(qRgb(0, 64, 0));
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.end() ? QColor() : QColor(most->first);
}

}

TEST(Flow, WaitingAcceptsClicksOnlyOnThePicture)
{
    GameWindow game;
    EXPECT_EQ(game->state(), GameState::Waiting);
    EXPECT_FALSE(game.Item("MainMenu_Game_Retry")->isEnabled());
    EXPECT_FALSE(game.Item("PopupMenu_Retry")->isEnabled());
    EXPECT_TRUE(game.Item("PopupMenu_Start")->isEnabled());

    QTest::keyClick(&*game, Qt::Key_Return);
    for (const QPoint miss : {QPoint(264, 190), QPoint(278, 203), QPoint(292, 190), QPoint(278, 177)})
        game.Click(miss);
    game.Click({278, 190}, Qt::MiddleButton);
    EXPECT_EQ(game->state(), GameState::Waiting);
    EXPECT_EQ(game->statusOption().start, 0);

    game.Click({291, 202});
    EXPECT_EQ(game->state(), GameState::Started);
    EXPECT_TRUE(game.Item("MainMenu_Game_Retry")->isEnabled());
    EXPECT_TRUE(game.Item("PopupMenu_Retry")->isEnabled());

    GameWindow other;
    other.Click({265, 178});
    EXPECT_EQ(other->state(), GameState::Started);
}

TEST(Flow, FieldClicksAreTakenExactlyInsideTheField)
{
    // A single cell covers the whole field: any accepted click is a move that clears it.
    for (const QPoint at : {QPoint(8, 8), QPoint(547, 371)}) {
        GameWindow game;
        game.StartPattern(1, 0);
        for (const QPoint miss : {QPoint(7, 8), QPoint(8, 7), QPoint(548, 371), QPoint(547, 372)})
            game.Click(miss);
        EXPECT_EQ(game->player().totalMoves(), 0);
        game.Click(at);
        EXPECT_EQ(game->state(), GameState::Cleared);
        EXPECT_EQ(game->statusOption().clear, 1);
        // Clicks on the field do nothing once the pattern is over.
        game.Click(at);
        EXPECT_EQ(game->statusOption().clear, 1);
    }
}

TEST(Flow, RunsOfClearsAndHatTricks)
{
    GameWindow game;
    game.StartPattern(2, 0);
    for (int run = 1; run <= 6; ++run) {
        ClearTwoCellPattern(game);
        ASSERT_EQ(game->state(), GameState::Cleared);
        EXPECT_EQ(game->statusOption().succeeding, run);
        EXPECT_EQ(game->statusOption().maxSucceeding, run);
        EXPECT_EQ(game->statusOption().hattrick, run >= 3 ? 1 : 0) << "run " << run;
        EXPECT_EQ(MessageColour(*game), run % 3 == 0 ? QColor(255, 255, 128) : QColor(255, 255, 0));
        // The cells of the next pattern wear the hat-trick look when it would make one.
        QTest::keyClick(&*game, Qt::Key_Space);
        ASSERT_EQ(game->state(), GameState::Started);
        const int32_t ordinary = OtherCell(game);
        EXPECT_EQ(game->field().Cell(ordinary).unvisited, (run + 1) % 3 == 0 ? 1 : 0);
    }
    EXPECT_EQ(game->statusOption().start, 7);
    EXPECT_EQ(game->statusOption().clear, 6);
    EXPECT_EQ(game->statusOption().gameover, 0);

    // Retrying a cleared pattern ends the run.
    ClearTwoCellPattern(game);
    QTest::keyClick(&*game, Qt::Key_Return);
    EXPECT_EQ(game->state(), GameState::Retrying);
    EXPECT_EQ(game->statusOption().succeeding, 0);
    EXPECT_EQ(game->statusOption().maxSucceeding, 7);
    EXPECT_EQ(game->statusOption().retry, 1);
}

TEST(Flow, RetryWithoutMoveKeepsShortRunsButEndsARunOfThree)
{
    GameWindow game;
    game.StartPattern(2, 0);
    ClearTwoCellPattern(game);
    game.Item("MainMenu_Game_Start")->trigger();
    game.Item("MainMenu_Game_Retry")->trigger();
    EXPECT_EQ(game->statusOption().succeeding, 1);
    ClearTwoCellPattern(game);
    game.Item("PopupMenu_Start")->trigger();
    ClearTwoCellPattern(game);
    EXPECT_EQ(game->statusOption().succeeding, 3);
    game.Item("MainMenu_Game_Start")->trigger();
    game.Item("PopupMenu_Retry")->trigger();
    EXPECT_EQ(game->statusOption().succeeding, 0);
    EXPECT_EQ(game->statusOption().gameover, 0);
    EXPECT_EQ(game->statusOption().hattrick, 1);
}

TEST(Flow, CaughtAndAbandonedPatternsCountAsLost)
{
    GameWindow game;
    game.StartPattern(2, 1);
    const QPoint own = game.PointIn(game->player().cellIndex());
    game.Click(own);
    game.Click(own);
    EXPECT_EQ(game->state(), GameState::Started);
    game.Click(own);
    EXPECT_EQ(game->state(), GameState::Gameover);
    EXPECT_EQ(MessageColour(*game), QColor(255, 128, 0));
    EXPECT_EQ(game->statusOption().gameover, 1);

    // A pattern left after a move is lost; one left before any move is not.
    game.Item("MainMenu_Game_Retry")->trigger();
    game.Item("MainMenu_Game_Start")->trigger();
    EXPECT_EQ(game->statusOption().gameover, 1);
    game.Click(game.PointIn(game->player().cellIndex()));
    game.Item("MainMenu_Game_Start")->trigger();
    EXPECT_EQ(game->statusOption().gameover, 2);
    EXPECT_EQ(game->statusOption().start, 3);
    EXPECT_EQ(game->statusOption().retry, 1);
}

TEST(Flow, ConfirmationsAskOnlyDuringAPattern)
{
    GameWindow game(ConfirmOn);
    ASSERT_TRUE(game->systemOption().confirm);
    // From the waiting picture nothing is asked.
    auto shown = AnswerNextBox(QMessageBox::Cancel, 300);
    game.StartPattern(2, 0);
    QTest::qWait(350);
    EXPECT_FALSE(shown->seen);

    shown = AnswerNextBox(QMessageBox::Cancel);
    game.Item("MainMenu_Game_Start")->trigger();
    EXPECT_TRUE(shown->seen);
    EXPECT_EQ(shown->caption, QStringLiteral("Confirmation"));
    EXPECT_EQ(shown->text, QStringLiteral("Starting new pattern.\n\nSure?"));
    EXPECT_EQ(shown->icon, QMessageBox::Question);
    EXPECT_EQ(game->statusOption().start, 1);

    shown = AnswerNextBox(QMessageBox::Cancel);
    game.Item("MainMenu_Game_Retry")->trigger();
    EXPECT_EQ(shown->text, QStringLiteral("Retrying currnt pattern.\n\nSure?"));
    EXPECT_EQ(game->statusOption().retry, 0);

    shown = AnswerNextBox(QMessageBox::Cancel);
    EXPECT_FALSE(game->close());
    EXPECT_EQ(shown->text, QStringLiteral("Quiting the application.\n\nSure?"));
    EXPECT_EQ(game->state(), GameState::Started);

    shown = AnswerNextBox(QMessageBox::Ok);
    QTest::keyClick(&*game, Qt::Key_Space);
    EXPECT_TRUE(shown->seen);
    EXPECT_EQ(game->statusOption().start, 2);
    EXPECT_EQ(game->statusOption().gameover, 0);

    // After a clear the next start asks nothing.
    ClearTwoCellPattern(game);
    shown = AnswerNextBox(QMessageBox::Cancel, 300);
    game.Item("MainMenu_Game_Retry")->trigger();
    QTest::qWait(350);
    EXPECT_FALSE(shown->seen);
    EXPECT_EQ(game->state(), GameState::Retrying);
}

TEST(Flow, InputArrivingDuringAChangeIsIgnored)
{
    GameWindow game;
    game.StartPattern(2, 0);
    for (int run = 0; run < 2; ++run) {
        ClearTwoCellPattern(game);
        game.Item("MainMenu_Game_Start")->trigger();
    }
    // The third clear pauses before its fanfare; a second click and a Start queued just
    // before it must not count anything twice.
    const QPoint other = game.PointIn(OtherCell(game));
    QCoreApplication::postEvent(game->client(), new QMouseEvent(QEvent::MouseButtonPress, QPointF(other),
                                                                 game->client()->mapToGlobal(QPointF(other)),
                                                                 Qt::LeftButton, Qt::LeftButton, {}));
    QCoreApplication::postEvent(&*game, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, {}));
    game.Click(other);
    QCoreApplication::processEvents();
    EXPECT_EQ(game->state(), GameState::Cleared);
    EXPECT_EQ(game->statusOption().clear, 3);
    EXPECT_EQ(game->statusOption().hattrick, 1);
    EXPECT_EQ(game->statusOption().start, 3);
}

TEST(Flow, PauseCounterStopsTheAnimation)
{
    GameWindow game;
    game.StartPattern(2, 1);
    const QPoint own = game.PointIn(game->player().cellIndex());
    for (int i = 0; i < 3; ++i)
        game.Click(own);
    ASSERT_EQ(game->state(), GameState::Gameover);
    const int32_t cell = game->player().cellIndex();
    const auto frame = [&] { return game->field().Cell(cell).player; };
    // Only the ticks given here count: on a slow machine the window's own timer could
    // fire inside one of them, which processes pending events.
    game->findChild<QTimer*>(QStringLiteral("Timer"))->stop();

    EXPECT_EQ(game->busyCount(), 0);
    const int32_t before = frame();
    game->TimerTimer();
    EXPECT_EQ(frame(), (before + 1) % 4);

    game->ApplicationDeactivate();
    game->ApplicationDeactivate();
    EXPECT_EQ(game->busyCount(), 2);
    game->TimerTimer();
    EXPECT_EQ(frame(), (before + 1) % 4);
    game->ApplicationActivate();
    EXPECT_EQ(game->busyCount(), 0);
    game->TimerTimer();
    EXPECT_EQ(frame(), (before + 2) % 4);

    // A dialog or a question holds the pause while it is open and releases it after.
    int32_t busyWhileOpen = 0;
    ActOnNextModal([&](QWidget* modal) {
        busyWhileOpen = game->busyCount();
        static_cast<QDialog*>(modal)->accept();
    });
    game.Item("MainMenu_Game_Status")->trigger();
    EXPECT_GT(busyWhileOpen, 0);
    EXPECT_EQ(game->busyCount(), 0);
}

TEST(Flow, RightClickOpensThePopupAndNeverMoves)
{
    GameWindow game;
    game.StartPattern(2, 0);
    bool opened = false;
    QTimer::singleShot(50, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = popup == game->popupMenu();
            popup->close();
        }
    });
    const QPoint at = game.PointIn(OtherCell(game));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, game->client()->mapToGlobal(at));
    game.Click(game.PointIn(OtherCell(game)), Qt::RightButton);
    QCoreApplication::sendEvent(game->client(), &menuEvent);
    EXPECT_TRUE(opened);
    EXPECT_EQ(game->player().totalMoves(), 0);
    EXPECT_EQ(game->state(), GameState::Started);
}

// A single cell covers the field, so a move in place clears it and every arrow looks off
// the board.
TEST(Flow, KeysMoveInPlaceOnlyWhereAndWhenClicksDo)
{
    GameWindow game;
    const auto press = [&](QKeyCombination key) { QTest::keyClick(&*game, key.key(), key.keyboardModifiers()); };
    press(Qt::Key_Period);
    EXPECT_EQ(game->state(), GameState::Waiting);
    game.StartPattern(1, 0);
    // Digits and Delete off the keypad are no moves; arrows find no square to click.
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_5), QKeyCombination(Qt::Key_Delete),
                                      QKeyCombination(Qt::Key_8), QKeyCombination(Qt::Key_Comma),
                                      QKeyCombination(Qt::Key_Up), Qt::KeypadModifier | Qt::Key_Left,
                                      Qt::KeypadModifier | Qt::Key_6, QKeyCombination(Qt::Key_Down)})
        press(key);
    EXPECT_EQ(game->player().totalMoves(), 0);

    // Keypad 5 with Num Lock on and off, the period, the keypad's decimal key as it
    // types in either Num Lock state and layout.
    const QKeyCombination inPlace[] = {Qt::KeypadModifier | Qt::Key_5, Qt::KeypadModifier | Qt::Key_Clear,
                                       QKeyCombination(Qt::Key_Period), Qt::KeypadModifier | Qt::Key_Period,
                                       Qt::KeypadModifier | Qt::Key_Comma, Qt::KeypadModifier | Qt::Key_Delete};
    int32_t clears = 0;
    for (const QKeyCombination key : inPlace) {
        press(key);
        EXPECT_EQ(game->state(), GameState::Cleared) << key.toCombined();
        EXPECT_EQ(game->statusOption().clear, ++clears);
        press(key);
        EXPECT_EQ(game->statusOption().clear, clears);
        // A key that arrives while the retry runs is ignored, as a click would be.
        QCoreApplication::postEvent(game->client(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Period, {}));
        QTest::keyClick(&*game, Qt::Key_Return);
        ASSERT_EQ(game->state(), GameState::Retrying);
        EXPECT_EQ(game->player().totalMoves(), 0);
    }
}

// What assistive technology reads of the client area, asked for as it would ask: the
// board table, whose cells span their squares, and the message line.
TEST(Flow, TheAccessibleBoardFollowsThePattern)
{
    GameWindow game;
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(game->client());
    ASSERT_EQ(client->childCount(), 2);
    QAccessibleInterface* board = client->child(0);
    EXPECT_EQ(board->text(QAccessible::Name), "Board");
    EXPECT_EQ(board->childCount(), 0);
    EXPECT_EQ(client->child(1)->text(QAccessible::Name), "Waiting to be started.");
    EXPECT_EQ(client->focusChild(), client->child(1));

    game.StartPattern(30, 1);
    EXPECT_EQ(client->child(1)->text(QAccessible::Name), "Started.");
    ASSERT_EQ(board->childCount(), 30);
    QAccessibleTableInterface* table = board->tableInterface();
    for (int row = 0; row < 13; ++row) {
        for (int column = 0; column < 18; ++column) {
            QAccessibleTableCellInterface* cell = table->cellAt(row, column)->tableCellInterface();
            EXPECT_TRUE(cell->columnIndex() <= column && column < cell->columnIndex() + cell->columnExtent()
                        && cell->rowIndex() <= row && row < cell->rowIndex() + cell->rowExtent());
        }
    }
    const int32_t start = game->player().cellIndex();
    EXPECT_EQ(client->focusChild(), board->child(start));
    EXPECT_TRUE(board->child(start)->text(QAccessible::Name).startsWith("You."));

    // No trees or ponds: any neighbour without the duck may be entered.
    const auto free = std::ranges::find_if(game->field().Neighbours(start),
                                           [&](int32_t n) { return game->field().Cell(n).enemy < 0; });
    ASSERT_NE(free, game->field().Neighbours(start).end());
    game.Click(game.PointIn(*free));
    EXPECT_EQ(client->focusChild(), board->child(*free));
    EXPECT_EQ(board->child(start)->text(QAccessible::Name), "visited");
}

// Undo and redo walk the moves back and forth, from every key and menu, only in a pattern;
// a pattern left after every move was taken back still counts as lost.
TEST(Flow, UndoAndRedoWalkTheMovesButLeavingStillCountsThePatternLost)
{
    GameWindow game;
    QAction* undo = game.Item("MainMenu_Game_Undo");
    QTest::keyClick(&*game, Qt::Key_Backspace);
    EXPECT_EQ(game->state(), GameState::Waiting);
    game.StartPattern(24, 0);
    EXPECT_FALSE(undo->isEnabled());

    const auto position = [&] {
        int32_t unvisited = 0;
        for (int32_t c = 0; c < 24; ++c)
            unvisited += game->field().Cell(c).unvisited >= 0 ? 1 : 0;
        return std::tuple(game->player().cellIndex(), game->player().totalMoves(), unvisited);
    };
    std::vector seen{position()};
    for (int move = 0; move < 4; ++move) {
        game.Click(game.PointIn(game->field().Neighbours(game->player().cellIndex()).front()));
        seen.push_back(position());
    }
    ASSERT_EQ(std::get<1>(seen.back()), 4);
    QTest::keyClick(&*game, Qt::Key_Backspace);
    QTest::keyClick(&*game, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(position(), seen[2]);
    game.Item("PopupMenu_Undo")->trigger();
    undo->trigger();
    EXPECT_EQ(position(), seen[0]);
    EXPECT_FALSE(undo->isEnabled());
    QTest::keyClick(&*game, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(&*game, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(position(), seen[2]);
    game.Item("PopupMenu_Redo")->trigger();
    EXPECT_EQ(position(), seen[3]);
    EXPECT_TRUE(game.Item("MainMenu_Game_Redo")->isEnabled());

    while (undo->isEnabled())
        undo->trigger();
    QTest::keyClick(&*game, Qt::Key_Space);
    EXPECT_EQ(game->statusOption().gameover, 1);
    EXPECT_FALSE(undo->isEnabled());
}
