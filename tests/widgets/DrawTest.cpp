#include "GameWindow.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

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

QRect PixelRect(const FieldCell& c)
{
    return QRect(QPoint(8 + 30 * c.left, 8 + 28 * c.top), QPoint(7 + 30 * c.right, 7 + 28 * c.bottom));
}

QImage Snapshot(const TSys& sys)
{
    return sys.offscreen().toImage().convertToFormat(QImage::Format_RGB32);
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

}

TEST(Drawing, WaitingScreenShowsTreeOnGreenFieldAndMessage)
{
    GameWindow game;
    const QImage shot = Snapshot(*game);
    EXPECT_EQ(At(shot, 0, 0), Background);
    EXPECT_EQ(At(shot, 555, 419), Background);
    EXPECT_EQ(At(shot, 8, 8), QColor(0, 128, 0));
    EXPECT_EQ(At(shot, 547, 371), QColor(0, 128, 0));
    EXPECT_EQ(At(shot, 7, 100), Background);
    EXPECT_EQ(At(shot, 548, 100), Background);
    ExpectImage(shot, ":/images/tiles.png", 14, {26, 24}, {265, 178},
                [](int, int) { return QColor(0, 128, 0); });
    // The message line holds white text on the background colour.
    bool white = false;
    for (int y = 380; y < 412; ++y)
        for (int x = 8; x < 548; ++x)
            white = white || At(shot, x, y) == QColor(Qt::white);
    EXPECT_TRUE(white);
}

// Colours, outlines, joints and tiles of every cell of generated patterns, checked
// against the drawing rules pixel by pixel.
TEST(Drawing, PatternCellsOutlinesJointsAndTiles)
{
    for (const int32_t cells : {24, 40, 234}) {
        GameWindow game;
        game->field().SetOption({cells, cells == 234 ? 5 : 3, 2});
        game->SetState(GameState::Started, true);
        const QImage shot = Snapshot(*game);
        GameField& field = game->field();
        const auto colourAt = [&](int x, int y) {
            return CellColour(field.Cell(field.Grid((x - 8) / 30, (y - 8) / 28)));
        };
        for (int32_t i = 0; i < cells; ++i) {
            const FieldCell& c = field.Cell(i);
            const QRect r = PixelRect(c);
            EXPECT_EQ(At(shot, r.left(), r.top()), Background);
            EXPECT_EQ(At(shot, r.right(), r.bottom()), Background);
            EXPECT_EQ(At(shot, r.left() + 1, r.top() + 1), CellColour(c)) << "cell " << i;

            for (const int32_t n : field.Neighbours(i)) {
                const FieldCell& o = field.Cell(n);
                // Check each joint once, from the upper or left cell of the pair.
                if (o.top == c.bottom) {
                    const int jx = 17 + 15 * (std::max(c.left, o.left) + std::min(c.right, o.right) - 1);
                    ExpectImage(shot, ":/images/joints_h.png", n > i ? 1 : 0, {12, 4}, {jx, r.bottom() - 1},
                                colourAt);
                } else if (o.left == c.right) {
                    const int jy = 16 + 14 * (std::max(c.top, o.top) + std::min(c.bottom, o.bottom) - 1);
                    ExpectImage(shot, ":/images/joints_v.png", n > i ? 1 : 0, {4, 12}, {r.right() - 1, jy},
                                colourAt);
                }
            }

            int tile = -1;
            if (c.player >= 0)
                tile = c.player;
            else if (c.enemy >= 0)
                tile = 5 + c.enemy;
            else if (c.obstacle >= 0)
                tile = 14;
            else if (c.trap >= 0)
                tile = 15;
            else if (c.unvisited >= 0)
                tile = 16 + c.unvisited;
            ASSERT_GE(tile, 0);
            const QPoint at(r.left() + (r.width() - 26) / 2, r.top() + (r.height() - 24) / 2);
            ExpectImage(shot, ":/images/tiles.png", tile, {26, 24}, at,
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
    game->DrawChangedCells(false);
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
        QPainter painter(const_cast<QPixmap*>(&game->offscreen()));
        painter.fillRect(PixelRect(record), Qt::blue);
    }
    game->DrawChangedCells(true);
    EXPECT_TRUE(field.Changed().empty());
    const QImage after = Snapshot(*game);
    const QRect r = PixelRect(record);
    const QRect tile(r.left() + (r.width() - 26) / 2, r.top() + (r.height() - 24) / 2, 26, 24);
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
    game->DrawChangedCells(false);
    EXPECT_EQ(Snapshot(*game), after);
}

TEST(Drawing, MessageIsCentredAndClippedToItsLine)
{
    GameWindow game;
    game->DrawMessage(QStringLiteral("I"), Qt::yellow);
    QImage shot = Snapshot(*game);
    int left = 548, right = 7;
    for (int y = 380; y < 412; ++y)
        for (int x = 8; x < 548; ++x)
            if (At(shot, x, y) != Background) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_LE(left, right);
    EXPECT_NEAR((left + right) / 2.0, 278, 4);

    game->DrawMessage(QString(80, QLatin1Char('W')), Qt::white);
    shot = Snapshot(*game);
    for (int y = 372; y < 420; ++y)
        for (const int x : {0, 7, 548, 555})
            ASSERT_EQ(At(shot, x, y), Background) << x << "," << y;
    for (int x = 0; x < 556; ++x) {
        ASSERT_EQ(At(shot, x, 379), Background);
        ASSERT_EQ(At(shot, x, 412), Background);
    }
    EXPECT_NE(At(shot, 8, 396), Background);
}

TEST(Drawing, MessageFaceStandsInForComicSans)
{
    GameWindow game;
    const QFont font = QFont(QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Comic Neue"));
}

TEST(Drawing, DoubleDensityShowsEveryPixelAsACrispBlock)
{
    GameWindow game;
    game->SetState(GameState::Started, true);
    const QImage small = Snapshot(*game);
    QPixmap target(BufferRect.size() * 2);
    target.setDevicePixelRatio(2);
    game->client()->render(&target);
    const QImage big = target.toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            for (int d = 0; d < 4; ++d)
                ASSERT_EQ(big.pixel(2 * x + d % 2, 2 * y + d / 2), small.pixel(x, y)) << x << "," << y;
}
