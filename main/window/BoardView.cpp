#include "BoardView.h"

#include "BoardGeometry.h"
#include "BoardMessages.h"
#include "SettingTable.h"

#include <QCoreApplication>
#include <QLayout>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <utility>

using Board = BoardGeometry;

namespace {

const QColor Background(0, 64, 0);
const QColor PlayerColour(255, 160, 255);
const QColor EnemyColour(255, 255, 128);
const QColor ObstacleColour(0, 128, 0);
const QColor PlainColour(0, 160, 0);
const QColor WaitingColour(0, 128, 0);
// Stands apart from every other colour of a cell, and from the pond's water.
const QColor HintColour(255, 176, 48);

constexpr int ObstacleTile = 14;

QColor CellColour(const FieldCell& c, bool hinted)
{
    if (hinted)
        return HintColour;
    if (c.player >= 0)
        return PlayerColour;
    if (c.enemy >= 0)
        return EnemyColour;
    if (c.obstacle >= 0)
        return ObstacleColour;
    return PlainColour;
}

// The first state word in use picks the tile; -1 when the cell shows none.
int TileOf(const FieldCell& c)
{
    if (c.player >= 0)
        return c.player;
    if (c.enemy >= 0)
        return 5 + c.enemy;
    if (c.obstacle >= 0)
        return ObstacleTile + c.obstacle;
    if (c.trap >= 0)
        return 15 + c.trap;
    if (c.unvisited >= 0)
        return 16 + c.unvisited;
    return -1;
}

void DrawImage(QPainter& painter, const QPixmap& sheet, int index, QSize size, QPoint at)
{
    painter.drawPixmap(at.x(), at.y(), sheet, index * size.width(), 0, size.width(), size.height());
}

// Whatever face stands in, the message font is the largest from 40 pixels down (9 at
// least) whose character cell is at most 32 pixels high. Every size measured costs a font
// engine, so the search starts where Comic Neue ends instead of at the top.
int MessagePixelSize(QFont font)
{
    constexpr int Largest = 40;
    constexpr int Smallest = 9;
    constexpr int Cell = 32;
    constexpr int ComicNeue = 28;
    const auto fits = [&font](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).height() <= Cell;
    };
    int pixels = ComicNeue;
    if (fits(pixels)) {
        while (pixels < Largest && fits(pixels + 1))
            ++pixels;
    } else {
        while (pixels > Smallest && !fits(pixels))
            --pixels;
    }
    return pixels;
}

}

BoardView::BoardView(QWidget& client, GameField& field)
    : client(client)
    , field(field)
    , m_offscreen(Board::BufferRect.size())
{
    m_tiles.load(QStringLiteral(":/images/tiles.png"));
    m_jointsH.load(QStringLiteral(":/images/joints_h.png"));
    m_jointsV.load(QStringLiteral(":/images/joints_v.png"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    m_font = QFont(QStringLiteral("Comic Sans MS"));
    m_font.setPixelSize(MessagePixelSize(m_font));
    m_offscreen.fill(Background);

    client.setFixedSize(Board::BufferRect.size());
    client.setAutoFillBackground(false);
    client.setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::CopyToWindow(const QRect& area)
{
    client.update(Board::OnClient(area, m_zoom));
}

void BoardView::DrawChangedCells(bool piecesOnly)
{
    if (!field.Changed().empty()) {
        QPainter painter(&m_offscreen);
        for (const int32_t i : field.Changed()) {
            if (piecesOnly)
                DrawPiece(painter, i);
            else
                DrawCell(painter, i);
        }
    }
    field.ClearChanged();
}

// The tile area lies inside the outline and the joint openings, so those stay as they are.
void BoardView::DrawPiece(QPainter& painter, int32_t cell)
{
    const FieldCell& c = field.Cell(cell);
    const QRect tile = Board::TileRect(c);
    painter.fillRect(tile, CellColour(c, cell == m_hinted));
    if (TileOf(c) >= 0)
        DrawImage(painter, m_tiles, TileOf(c), Board::TileSize, tile.topLeft());
    CopyToWindow(tile);
}

void BoardView::DrawCell(QPainter& painter, int32_t cell)
{
    const FieldCell& c = field.Cell(cell);
    const QRect area = Board::CellRect(c);
    painter.fillRect(area, Background);
    painter.fillRect(area.adjusted(1, 1, -1, -1), CellColour(c, cell == m_hinted));
    for (const int32_t n : field.Neighbours(cell))
        DrawJoint(painter, cell, n);
    if (TileOf(c) >= 0)
        DrawImage(painter, m_tiles, TileOf(c), Board::TileSize, Board::TileRect(c).topLeft());
    CopyToWindow(area);
}

// Both cells of a pair draw the same joint at the same place, each opening its own outline
// under it, so the seam does not depend on which of them was drawn last.
void BoardView::DrawJoint(QPainter& painter, int32_t cell, int32_t neighbour)
{
    const FieldCell& c = field.Cell(cell);
    const FieldCell& n = field.Cell(neighbour);
    const QRect joint = Board::JointRect(c, n);
    painter.fillRect(joint.intersected(Board::CellRect(c)), CellColour(c, cell == m_hinted));
    // The tab points one way or the other depending on which of the pair came first.
    const bool below = n.top == c.bottom || n.left == c.right;
    const int image = (below ? neighbour > cell : cell > neighbour) ? 1 : 0;
    if (Board::JointIsHorizontal(c, n))
        DrawImage(painter, m_jointsH, image, Board::JointHSize, joint.topLeft());
    else
        DrawImage(painter, m_jointsV, image, Board::JointVSize, joint.topLeft());
}

void BoardView::DrawWaitingScreen()
{
    QPainter painter(&m_offscreen);
    painter.fillRect(Board::FieldRect, WaitingColour);
    DrawImage(painter, m_tiles, ObstacleTile, Board::TileSize, Board::WaitingTile.topLeft());
    CopyToWindow(Board::FieldRect);
}

void BoardView::DrawMessage(const QString& text, const QColor& colour)
{
    m_message = text;
    const QRect& line = Board::MessageRect;
    QPainter painter(&m_offscreen);
    painter.fillRect(line, Background);
    painter.setFont(m_font);
    const QFontMetrics metrics(m_font);
    const int w = metrics.horizontalAdvance(text);
    const int h = metrics.height();
    const int tx = line.left() + (line.width() - w) / 2;
    const int ty = line.top() + (line.height() - h) / 2;
    painter.setClipRect(line);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Background);
    painter.setPen(colour);
    painter.drawText(tx, ty + metrics.ascent(), text);
    CopyToWindow(line);
}

// The messages are the main window's texts, translated in its context.
void BoardView::DrawMessage(const BoardMessage& message)
{
    DrawMessage(QCoreApplication::translate("TSys", message.text), message.colour);
}

// Each rectangle on its own, so a move copies its few cells and not the box around them,
// and clipped to it, which keeps the painter on its fast paths.
void BoardView::Paint(const QRegion& area)
{
    QPainter painter(&client);
    // Zoomed, and at a device pixel ratio above 1, every bitmap pixel becomes a crisp
    // block: whole factors and no smoothing give exactly the nearest pixel.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QImage bitmap = m_zoom > 1 ? m_offscreen.toImage() : QImage();
    for (const QRect& shown : area) {
        painter.setClipRect(shown);
        const QRect source = Board::InBitmap(shown, m_zoom);
        const QRect target = Board::OnClient(source, m_zoom);
        if (m_zoom > 1)
            m_pixelZoom.Draw(painter, target.topLeft(), bitmap, source, m_zoom);
        else
            painter.drawPixmap(target, m_offscreen, source);
    }
}

// The field redraws a cell it is told has changed, as it stands.
void BoardView::Hint(int32_t cell)
{
    m_hinted = cell;
    field.SetCell(cell, field.Cell(cell));
}

bool BoardView::Unhint()
{
    if (m_hinted < 0)
        return false;
    const int32_t cell = std::exchange(m_hinted, -1);
    field.SetCell(cell, field.Cell(cell));
    return true;
}

void BoardView::SettleLayout()
{
    if (QLayout* layout = client.window()->layout())
        layout->activate();
}

// Only the client area changes size: the window follows it through the layout.
void BoardView::SetZoom(int32_t step)
{
    SettleLayout();
    m_zoom = std::clamp(step, Settings::Zoom.minimum, LargestZoom());
    client.setFixedSize(Board::ClientSize(m_zoom));
    SettleLayout();
}

// Before the window manager has framed the window the frame counts as nothing.
int32_t BoardView::LargestZoom() const
{
    const QWidget& window = *client.window();
    const QSize fixed = window.frameGeometry().size() - Board::ClientSize(m_zoom);
    const QSize room = window.screen()->availableGeometry().size() - fixed;
    const int fits = std::min(room.width() / Board::BufferRect.width(), room.height() / Board::BufferRect.height());
    return std::clamp(fits, Settings::Zoom.minimum, Settings::Zoom.maximum);
}
