#include "Tsys.h"

#include "BoardGeometry.h"
#include "BoardMessages.h"
#include "ui_Tsys.h"

#include <QPainter>
#include <QWidget>

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

}

void TSys::DrawImage(QPainter& painter, const QPixmap& sheet, int index, QSize size, QPoint at)
{
    painter.drawPixmap(at.x(), at.y(), sheet, index * size.width(), 0, size.width(), size.height());
}

void TSys::CopyToWindow(const QRect& area)
{
    ui->Client->update(Board::OnClient(area, m_zoom));
}

void TSys::DrawChangedCells(bool piecesOnly)
{
    GameField& field = m_game->field();
    if (!field.Changed().empty()) {
        QPainter painter(m_offscreen.get());
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
void TSys::DrawPiece(QPainter& painter, int32_t cell)
{
    const FieldCell& c = m_game->field().Cell(cell);
    const QRect tile = Board::TileRect(c);
    painter.fillRect(tile, CellColour(c, cell == m_hintCell));
    if (TileOf(c) >= 0)
        DrawImage(painter, ChrImgList, TileOf(c), Board::TileSize, tile.topLeft());
    CopyToWindow(tile);
}

void TSys::DrawCell(QPainter& painter, int32_t cell)
{
    const FieldCell& c = m_game->field().Cell(cell);
    const QRect area = Board::CellRect(c);
    painter.fillRect(area, Background);
    painter.fillRect(area.adjusted(1, 1, -1, -1), CellColour(c, cell == m_hintCell));
    for (const int32_t n : m_game->field().Neighbours(cell))
        DrawJoint(painter, cell, n);
    if (TileOf(c) >= 0)
        DrawImage(painter, ChrImgList, TileOf(c), Board::TileSize, Board::TileRect(c).topLeft());
    CopyToWindow(area);
}

// Both cells of a pair draw the same joint at the same place, each opening its own outline
// under it, so the seam does not depend on which of them was drawn last.
void TSys::DrawJoint(QPainter& painter, int32_t cell, int32_t neighbour)
{
    const FieldCell& c = m_game->field().Cell(cell);
    const FieldCell& n = m_game->field().Cell(neighbour);
    const QRect joint = Board::JointRect(c, n);
    painter.fillRect(joint.intersected(Board::CellRect(c)), CellColour(c, cell == m_hintCell));
    // The tab points one way or the other depending on which of the pair came first.
    const bool below = n.top == c.bottom || n.left == c.right;
    const int image = (below ? neighbour > cell : cell > neighbour) ? 1 : 0;
    if (Board::JointIsHorizontal(c, n))
        DrawImage(painter, JointHImgList, image, Board::JointHSize, joint.topLeft());
    else
        DrawImage(painter, JointVImgList, image, Board::JointVSize, joint.topLeft());
}

void TSys::DrawWaitingScreen()
{
    QPainter painter(m_offscreen.get());
    painter.fillRect(Board::FieldRect, WaitingColour);
    DrawImage(painter, ChrImgList, ObstacleTile, Board::TileSize, Board::WaitingTile.topLeft());
    CopyToWindow(Board::FieldRect);
}

void TSys::DrawMessage(const QString& text, const QColor& colour)
{
    m_message = text;
    const QRect& line = Board::MessageRect;
    QPainter painter(m_offscreen.get());
    painter.fillRect(line, Background);
    painter.setFont(canvasFont);
    const QFontMetrics metrics(canvasFont);
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

void TSys::DrawMessage(const BoardMessage& message)
{
    DrawMessage(tr(message.text), message.colour);
}

// Each rectangle on its own, so a move copies its few cells and not the box around them,
// and clipped to it, which keeps the painter on its fast paths.
void TSys::FormPaint(const QRegion& area)
{
    QPainter painter(ui->Client);
    // Zoomed, and at a device pixel ratio above 1, every bitmap pixel becomes a crisp
    // block: whole factors and no smoothing give exactly the nearest pixel.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QImage bitmap = m_zoom > 1 ? m_offscreen->toImage() : QImage();
    for (const QRect& shown : area) {
        painter.setClipRect(shown);
        const QRect source = Board::InBitmap(shown, m_zoom);
        const QRect target = Board::OnClient(source, m_zoom);
        if (m_zoom > 1)
            m_pixelZoom.Draw(painter, target.topLeft(), bitmap, source, m_zoom);
        else
            painter.drawPixmap(target, *m_offscreen, source);
    }
}
