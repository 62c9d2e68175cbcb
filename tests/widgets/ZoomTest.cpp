#include "GameWindow.h"
#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QScreen>

namespace {

using Board = BoardGeometry;

// Paint events of the client area, as the window system hands them out.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* client) { client->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion painted;
};

}

// Every square of the player's cell is clicked on its first or its last client pixel, a
// move in place each (no duck to end the game): the player must aim from that square
// afterwards, and only the cell may have been repainted, not the window.
TEST(Zoom, ClicksReachTheSquareTheyHitAndRepaintOnlyTheirCell)
{
    for (const int zoom : {1, 2, 3}) {
        GameWindow game;
        game->SetZoom(zoom);
        ASSERT_EQ(game->board().zoom(), zoom);
        game.StartPattern(24, 0);
        QCoreApplication::processEvents();
        const FieldCell& own = game->field().Cell(game->player().cellIndex());
        PaintRecorder recorder(game->client());
        int moves = 0;
        for (int32_t column = own.left; column < own.right; ++column) {
            for (int32_t row = own.top; row < own.bottom; ++row, ++moves) {
                const QRect square = Board::SquareRect(column, row);
                game.Click(moves % 2 ? square.bottomRight() * zoom + QPoint(zoom - 1, zoom - 1)
                                     : square.topLeft() * zoom);
                EXPECT_EQ(game->player().aim(), (BoardSquare{column, row})) << "zoom " << zoom;
            }
        }
        EXPECT_EQ(game->player().totalMoves(), moves);
        // What assistive technology is told of the cell covers the same client pixels.
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(game->client())->child(0);
        const QRect onScreen = Board::OnClient(Board::CellRect(own), zoom).translated(game->client()->mapToGlobal(QPoint()));
        EXPECT_EQ(board->child(game->player().cellIndex())->rect(), onScreen) << "zoom " << zoom;
        EXPECT_EQ(board->childAt(onScreen.center().x(), onScreen.center().y()), board->child(game->player().cellIndex()));
        QCoreApplication::processEvents();
        EXPECT_FALSE(recorder.painted.isEmpty());
        EXPECT_EQ(recorder.painted - Board::OnClient(Board::CellRect(own), zoom), QRegion()) << "zoom " << zoom;
    }
}

// A stored step beyond the screen opens at the largest that fits; a larger step moves
// the window onto the screen and 100 % puts it back, so the stored position stays the
// window's place at 100 %, unless the player moves it.
TEST(Zoom, TheStepFitsTheScreenAndThePositionKeepsItsMeaningAt100)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint home(screen.right() - 600, screen.top() + 40);
    GameWindow game(QStringLiteral("[others]\nzoom=9\nleft=%1\ntop=%2\n").arg(home.x()).arg(home.y()).toUtf8());
    const int largest = game->board().zoom();
    const QSize larger = game->frameGeometry().size() + Board::ClientSize(1);
    EXPECT_TRUE(larger.width() > screen.width() || larger.height() > screen.height()) << largest;
    EXPECT_FALSE(game.Item("MainMenu_View_ZoomIn")->isEnabled());

    game.Item("MainMenu_View_NormalSize")->trigger();
    EXPECT_EQ(game->frameGeometry().topLeft(), home);
    EXPECT_EQ(game->client()->size(), Board::BufferRect.size());
    EXPECT_FALSE(game.Item("MainMenu_View_ZoomOut")->isEnabled());
    EXPECT_TRUE(game.Item("MainMenu_View_ZoomIn")->isEnabled());

    game.Item("MainMenu_View_ZoomIn")->trigger();
    EXPECT_EQ(game->board().zoom(), 2);
    EXPECT_TRUE(screen.contains(game->frameGeometry()));
    const QString settings = game.paths.settings;
    game.forms.reset();
    SettingsFile file(QFile::encodeName(settings).toStdString());
    ASSERT_TRUE(file.Load());
    EXPECT_EQ(file.ReadInteger("others", "zoom", 0), 2);
    EXPECT_EQ(QPoint(file.ReadInteger("others", "left", 0), file.ReadInteger("others", "top", 0)), home);

    // Moved by the player, the window is at home where the player put it.
    game.forms = std::make_unique<GameForms>(game.random, game.paths);
    EXPECT_EQ(game->board().zoom(), 2);
    game->move(100, 50);
    game->SetZoom(1);
    EXPECT_EQ(game->frameGeometry().topLeft(), QPoint(100, 50));
}
