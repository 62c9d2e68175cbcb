#include "GameWindow.h"
#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <QScreen>

#include <vector>

namespace {

using Board = BoardGeometry;

// A square of a neighbour the player may enter, next to the player's cell.
BoardSquare SquareToEnter(const GameWindow& game)
{
    const GameField& field = game->field();
    const int32_t own = game->player().cellIndex();
    for (const int32_t n : field.Neighbours(own)) {
        const FieldCell& c = field.Cell(n);
        if (c.enemy >= 0)
            continue;
        for (int32_t x = c.left; x < c.right; ++x)
            for (int32_t y = c.top; y < c.bottom; ++y)
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint beside(x + step.x(), y + step.y());
                    if (beside.x() >= 0 && beside.x() < GameField::Columns && beside.y() >= 0
                        && beside.y() < GameField::Rows && field.Grid(beside.x(), beside.y()) == own)
                        return {x, y};
                }
    }
    ADD_FAILURE() << "the player has no neighbour to enter";
    return {};
}

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

// Each move clicks the first or the last client pixel of a square beside the player's
// cell; at every step it must be that square the player aims from afterwards.
TEST(Zoom, ClicksReachTheSquareTheyHitAtEveryStep)
{
    for (const int zoom : {1, 2, 3}) {
        GameWindow game;
        game->SetZoom(zoom);
        ASSERT_EQ(game->zoom(), zoom);
        game.StartPattern(30, 1);
        for (int move = 0; move < 6 && InPattern(game->state()); ++move) {
            const BoardSquare target = SquareToEnter(game);
            const QRect square = Board::SquareRect(target.column, target.row);
            const QPoint corner = move % 2 ? square.bottomRight() * zoom + QPoint(zoom - 1, zoom - 1)
                                           : square.topLeft() * zoom;
            game.Click(corner);
            EXPECT_EQ(game->player().totalMoves(), move + 1) << "zoom " << zoom;
            EXPECT_EQ(game->player().aim(), target) << "zoom " << zoom << " move " << move;
        }
    }
}

// Zoomed, a move still repaints its own cells (and the tiles the timer animates), not
// the window.
TEST(Zoom, AMoveRepaintsOnlyItsCells)
{
    GameWindow game;
    game->SetZoom(3);
    game.StartPattern(30, 2);
    QCoreApplication::processEvents();
    std::vector<FieldCell> before;
    for (int32_t i = 0; i < game->field().option().cell; ++i)
        before.push_back(game->field().Cell(i));
    PaintRecorder recorder(game->client());
    const BoardSquare target = SquareToEnter(game);
    game.Click(Board::SquareRect(target.column, target.row).center() * 3);
    QCoreApplication::processEvents();

    QRegion allowed;
    const GameField& field = game->field();
    for (int32_t i = 0; i < field.option().cell; ++i) {
        const FieldCell& c = field.Cell(i);
        if (c != before[size_t(i)] || c.enemy >= 0)
            allowed += Board::OnClient(Board::CellRect(c), 3);
    }
    EXPECT_FALSE(recorder.painted.isEmpty());
    EXPECT_EQ(recorder.painted - allowed, QRegion());
}

// A stored step beyond the screen opens at the largest that fits; a larger step moves
// the window onto the screen and 100 % puts it back, so the stored position stays the
// window's place at 100 %, unless the player moves it.
TEST(Zoom, TheStepFitsTheScreenAndThePositionKeepsItsMeaningAt100)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint home(screen.right() - 600, screen.top() + 40);
    QString settings;
    {
        GameWindow game(QStringLiteral("[others]\nzoom=9\nleft=%1\ntop=%2\n").arg(home.x()).arg(home.y()).toUtf8());
        settings = game.paths.settings;
        const int largest = game->zoom();
        EXPECT_GE(largest, 2);
        const QSize larger = game->frameGeometry().size() + Board::ClientSize(1);
        EXPECT_TRUE(larger.width() > screen.width() || larger.height() > screen.height());
        EXPECT_FALSE(game.Item("MainMenu_View_ZoomIn")->isEnabled());
        game.Item("MainMenu_View_ZoomIn")->trigger();
        EXPECT_EQ(game->zoom(), largest);

        game.Item("MainMenu_View_NormalSize")->trigger();
        EXPECT_EQ(game->zoom(), 1);
        EXPECT_EQ(game->frameGeometry().topLeft(), home);
        EXPECT_EQ(game->client()->size(), Board::BufferRect.size());
        EXPECT_FALSE(game.Item("MainMenu_View_ZoomOut")->isEnabled());
        EXPECT_FALSE(game.Item("MainMenu_View_NormalSize")->isEnabled());
        EXPECT_TRUE(game.Item("MainMenu_View_ZoomIn")->isEnabled());

        game.Item("MainMenu_View_ZoomIn")->trigger();
        EXPECT_EQ(game->zoom(), 2);
        EXPECT_TRUE(screen.contains(game->frameGeometry()));
        EXPECT_EQ(game->client()->size(), Board::ClientSize(2));
        game.forms.reset();
        SettingsFile file(QFile::encodeName(settings).toStdString());
        ASSERT_TRUE(file.Load());
        EXPECT_EQ(file.ReadInteger("others", "zoom", 0), 2);
        EXPECT_EQ(QPoint(file.ReadInteger("others", "left", 0), file.ReadInteger("others", "top", 0)), home);
    }
    // Moved by the player, the window is at home where the player put it.
    GameWindow game(QStringLiteral("[others]\nzoom=2\n").toUtf8());
    EXPECT_EQ(game->zoom(), 2);
    game->move(100, 50);
    game->SetZoom(1);
    EXPECT_EQ(game->frameGeometry().topLeft(), QPoint(100, 50));
}
