#include "BoardGeometry.h"
#include "GameWindow.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

using Board = BoardGeometry;
const QColor Background(0, 64, 0);

QColor CellColour(const FieldCell& c)
{
    if (c.player >= 0)
        return {255, 160, 255};
    if (c.enemy >= 0)
        return {255, 255, 128};
    if (c.obstacle >= 0)
        return {0, 128, 0};
    return {0, 160, 0};
}

QImage Snapshot(const TSys& sys)
{
    return sys.board().offscreen().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor At(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// Every opaque pixel of a sheet image must appear at its place; the transparent ones
// must show what lies below, as told by below(x, y).
void ExpectImage(const QImage& shot, const QString& sheet, int index, QSize size, QPoint at,
                 const std::function<QColor(int, int)>& below)
{
    const QImage source = QImage(sheet).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QColor pixel = source.pixelColor(index * size.width() + x, y);
            const QColor expected = pixel.alpha() == 255 ? QColor(pixel.rgb()) : below(at.x() + x, at.y() + y);
            ASSERT_EQ(At(shot, at.x() + x, at.y() + y), expected)
                << sheet.toStdString() << " image " << index << " pixel " << x << "," << y;
        }
    }
}


// The first state word in use picks the tile: its value on top of the word's first tile.
int TileOf(const FieldCell& c)
{
    const std::pair<int32_t FieldCell::*, int> words[] = {
        {&FieldCell::player, 0}, {&FieldCell::enemy, 5}, {&FieldCell::obstacle, 14}, {&FieldCell::trap, 15},
        {&FieldCell::unvisited, 16},
    };
    for (const auto& [word, first] : words) {
        if (c.*word >= 0)
            return first + c.*word;
    }
    return -1;
}

// Whether the area shows the given sheet image over what lies below it.
bool ShowsImage(const QImage& shot, const QString& sheet, int index, const QRect& area,
                const std::function<QColor(QPoint)>& below)
{
    const QImage source = QImage(sheet).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const QColor pixel = source.pixelColor(index * area.width() + x, y);
            const QPoint at = area.topLeft() + QPoint(x, y);
            if (At(shot, at.x(), at.y()) != (pixel.alpha() == 255 ? QColor(pixel.rgb()) : below(at)))
                return false;
        }
    }
    return true;
}

}

TEST(Drawing, WaitingScreenShowsTreeOnGreenFieldAndMessage)
{
    GameWindow game;
    const QImage shot = Snapshot(*game);
    EXPECT_EQ(At(shot, 0, 0), Background);
    EXPECT_EQ(At(shot, 555, 419), Background);
    const QRect field = Board::FieldRect;
    EXPECT_EQ(At(shot, field.left(), field.top()), QColor(0, 128, 0));
    EXPECT_EQ(At(shot, field.right(), field.bottom()), QColor(0, 128, 0));
    EXPECT_EQ(At(shot, field.left() - 1, 100), Background);
    EXPECT_EQ(At(shot, field.right() + 1, 100), Background);
    // The tree tile in the middle of the field.
    EXPECT_EQ(Board::WaitingTile.center(), Board::FieldRect.center());
    ExpectImage(shot, ":/images/tiles.png", 14, Board::TileSize, Board::WaitingTile.topLeft(),
                [](int, int) { return QColor(0, 128, 0); });
    // The message line holds white text on the background colour.
    bool white = false;
    const QRect line = Board::MessageRect;
    for (int y = line.top(); y <= line.bottom(); ++y)
        for (int x = line.left(); x <= line.right(); ++x)
            white = white || At(shot, x, y) == QColor(Qt::white);
    EXPECT_TRUE(white);
}

// Every cell of generated patterns, down to 1 x 1 cells: its own colour inside a dark
// outline that opens only under its joints, each joint a jigsaw tab over the colours of
// the two cells it joins, and its tile in the middle.
TEST(Drawing, PatternCellsOutlinesJointsAndTiles)
{
    for (const int32_t cells : {24, 40, 234}) {
        GameWindow game;
        game->PlayPattern({{cells, cells == 234 ? 5 : 3, 2}, 3, game.seed}, true);
        const QImage shot = Snapshot(*game);
        GameField& field = game->field();
        const auto colourAt = [&](QPoint at) {
            const QPoint square = *Board::SquareAt(at);
            return CellColour(field.Cell(field.Grid(square.x(), square.y())));
        };
        for (int32_t i = 0; i < cells; ++i) {
            const FieldCell& c = field.Cell(i);
            const QRect r = Board::CellRect(c);
            EXPECT_EQ(At(shot, r.left() + 1, r.top() + 1), CellColour(c)) << "cell " << i;

            QList<QRect> joints;
            for (const int32_t n : field.Neighbours(i)) {
                const FieldCell& o = field.Cell(n);
                const QRect joint = Board::JointRect(c, o);
                joints.append(joint);
                // Both cells draw their joint at the same place, across their shared edge.
                ASSERT_EQ(Board::JointRect(o, c), joint);
                ASSERT_TRUE(r.intersects(joint) && Board::CellRect(o).intersects(joint));
                const QString sheet = Board::JointIsHorizontal(c, o) ? ":/images/joints_h.png" : ":/images/joints_v.png";
                EXPECT_TRUE(ShowsImage(shot, sheet, 0, joint, colourAt) || ShowsImage(shot, sheet, 1, joint, colourAt))
                    << "joint of cells " << i << " and " << n;
            }
            // The outline runs all round the cell but for the joints' openings.
            for (int x = r.left(); x <= r.right(); ++x) {
                for (int y = r.top(); y <= r.bottom(); ++y) {
                    const bool edge = x == r.left() || x == r.right() || y == r.top() || y == r.bottom();
                    const bool opened = std::any_of(joints.begin(), joints.end(),
                                                    [&](const QRect& j) { return j.contains(x, y); });
                    if (edge && !opened) {
                        ASSERT_EQ(At(shot, x, y), Background) << "cell " << i << " at " << x << "," << y;
                    }
                }
            }

            ASSERT_GE(TileOf(c), 0);
            const QRect tile = Board::TileRect(c);
            EXPECT_EQ(tile.center() - r.center(), QPoint()) << "cell " << i;
            ExpectImage(shot, ":/images/tiles.png", TileOf(c), Board::TileSize, tile.topLeft(),
                        [&](int, int) { return CellColour(c); });
        }
    }
}

TEST(Drawing, ResultDoesNotDependOnDrawingOrder)
{
    GameWindow game;
    game->SetState(GameState::Started, true);
    const QImage first = Snapshot(*game);
    GameField& field = game->field();
    const int32_t count = field.option().cell;
    for (int32_t i = count - 1; i >= 0; --i)
        field.SetCell(i, field.Cell(i));
    game->board().DrawChangedCells(false);
    EXPECT_EQ(Snapshot(*game), first);
}

TEST(Drawing, TileOnlyRedrawTouchesOnlyTheTileArea)
{
    GameWindow game;
    game->SetState(GameState::Started, true);
    GameField& field = game->field();
    const int32_t cell = game->player().cellIndex();
    const QImage before = Snapshot(*game);

    FieldCell record = field.Cell(cell);
    record.player = 4;
    record.enemy = -1;
    field.SetCell(cell, record);
    // Paint the whole cell over first, so that anything outside the tile area that the
    // redraw touched would show.
    {
        QPainter painter(const_cast<QPixmap*>(&game->board().offscreen()));
        painter.fillRect(Board::CellRect(record), Qt::blue);
    }
    game->board().DrawChangedCells(true);
    EXPECT_TRUE(field.Changed().empty());
    const QImage after = Snapshot(*game);
    const QRect r = Board::CellRect(record);
    const QRect tile = Board::TileRect(record);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (!tile.contains(x, y)) {
                ASSERT_EQ(At(after, x, y), QColor(Qt::blue)) << x << "," << y;
            }
        }
    }
    EXPECT_NE(after.copy(tile), before.copy(tile));
    EXPECT_EQ(At(after, tile.left(), tile.top()), QColor(255, 160, 255));

    // With nothing listed nothing is drawn.
    game->board().DrawChangedCells(false);
    EXPECT_EQ(Snapshot(*game), after);
}

TEST(Drawing, MessageIsCentredAndClippedToItsLine)
{
    GameWindow game;
    const QRect line = Board::MessageRect;
    game->board().DrawMessage(QStringLiteral("I"), Qt::yellow);
    QImage shot = Snapshot(*game);
    int left = line.right() + 1, right = line.left() - 1;
    for (int y = line.top(); y <= line.bottom(); ++y)
        for (int x = line.left(); x <= line.right(); ++x)
            if (At(shot, x, y) != Background) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_LE(left, right);
    EXPECT_NEAR((left + right) / 2.0, line.center().x(), 4);

    // Far too wide: drawn up to the line's ends on both sides and not a pixel beyond.
    game->board().DrawMessage(QString(80, QLatin1Char('W')), Qt::white);
    shot = Snapshot(*game);
    const QRect all = Board::BufferRect;
    for (int y = line.top() - 8; y <= all.bottom(); ++y)
        for (const int x : {all.left(), line.left() - 1, line.right() + 1, all.right()})
            ASSERT_EQ(At(shot, x, y), Background) << x << "," << y;
    for (int x = all.left(); x <= all.right(); ++x) {
        ASSERT_EQ(At(shot, x, line.top() - 1), Background);
        ASSERT_EQ(At(shot, x, line.bottom() + 1), Background);
    }
    EXPECT_NE(At(shot, line.left(), line.center().y()), Background);
}

// The message font is the largest size up to 40 pixels whose character cell fits a line
// of 32, whatever the face.
TEST(Drawing, MessageFaceStandsInForComicSansAtTheLargestSizeThatFits)
{
    GameWindow game;
    const QFont font = QFont(QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Comic Neue"));
    QFont message = game->board().messageFont();
    EXPECT_LE(QFontMetrics(message).height(), 32);
    for (int larger = message.pixelSize() + 1; larger <= 40; ++larger) {
        message.setPixelSize(larger);
        EXPECT_GT(QFontMetrics(message).height(), 32) << larger;
    }
}

// Zoomed by whole steps, on a desktop of single or double density, each bitmap pixel
// is a square block of its own colour: nearest neighbour, no blending at the seams.
TEST(Drawing, EveryZoomAndDensityShowsEveryPixelAsACrispBlock)
{
    GameWindow game;
    game->SetState(GameState::Started, true);
    const QImage small = Snapshot(*game);
    // 2 and 3 have loops of their own, 4 stands for the rest.
    for (const int zoom : {1, 2, 3, 4}) {
        game->SetZoom(zoom);
        ASSERT_EQ(game->board().zoom(), zoom);
        for (const int density : {1, 2}) {
            const int block = zoom * density;
            QPixmap target(Board::ClientSize(zoom) * density);
            target.setDevicePixelRatio(density);
            game->client()->render(&target);
            const QImage big = target.toImage().convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(big.size(), small.size() * block);
            for (int y = 0; y < big.height(); ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(big.constScanLine(y));
                const auto* source = reinterpret_cast<const QRgb*>(small.constScanLine(y / block));
                for (int x = 0; x < big.width(); ++x)
                    ASSERT_EQ(row[x], source[x / block]) << "zoom " << zoom << " density " << density << " at " << x << "," << y;
            }
        }
    }
}
