#include "Tsys.h"

#include "BoardGeometry.h"
#include "ui_Tsys.h"

#include <algorithm>

#include <QPainter>
#include <QWidget>

namespace {

const QColor Background(0, 64, 0);
const QColor PlayerColour(255, 160, 255);
const QColor EnemyColour(255, 255, 128);
const QColor ObstacleColour(0, 128, 0);
const QColor PlainColour(0, 160, 0);
const QColor WaitingColour(0, 128, 0);

constexpr QSize TileSize(26, 24);
constexpr QSize JointHSize(12, 4);
constexpr QSize JointVSize(4, 12);
constexpr QPoint WaitingTile(265, 178);

QColor CellColour(const FieldCell& c)
{
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
        return 14 + c.obstacle;
    if (c.trap >= 0)
        return 15 + c.trap;
    if (c.unvisited >= 0)
        return 16 + c.unvisited;
    return -1;
}

}

void TSys::DrawImage(QPainter& painter, const QPixmap& sheet, int index, QSize size, int x, int y)
{
    painter.drawPixmap(x, y, sheet, index * size.width(), 0, size.width(), size.height());
}

void TSys::CopyToWindow(const QRect& area)
{
    ui->Client->update(area);
}

void TSys::DrawChangedCells(bool piecesOnly)
{
    const std::span<const int32_t> changed = m_game->field().Changed();
    if (!changed.empty()) {
        QPainter painter(m_offscreen.get());
        for (const int32_t i : changed) {
            const FieldCell& c = m_game->field().Cell(i);
            const int x0 = 8 + 30 * c.left;
            const int y0 = 8 + 28 * c.top;
            const int x1 = 8 + 30 * c.right;
            const int y1 = 8 + 28 * c.bottom;
            const int w = x1 - x0;
            const int h = y1 - y0;
            const QColor colour = CellColour(c);
            const int tile = TileOf(c);
            const int tx = x0 + (w - TileSize.width()) / 2;
            const int ty = y0 + (h - TileSize.height()) / 2;

            if (piecesOnly) {
                const QRect tileRect(QPoint(tx, ty), TileSize);
                painter.fillRect(tileRect, colour);
                if (tile >= 0)
                    DrawImage(painter, ChrImgList, tile, TileSize, tx, ty);
                CopyToWindow(tileRect);
                continue;
            }

            painter.fillRect(x0, y0, w, h, Background);
            painter.fillRect(x0 + 1, y0 + 1, w - 2, h - 2, colour);

            // Both cells of a pair draw the same joint at the same place, so the seam
            // does not depend on which of them was drawn last.
            for (const int32_t n : m_game->field().Neighbours(i)) {
                const FieldCell& o = m_game->field().Cell(n);
                if (o.bottom == c.top || o.top == c.bottom) {
                    const int jx = 17 + 15 * (std::max(c.left, o.left) + std::min(c.right, o.right) - 1);
                    if (o.bottom == c.top) {
                        painter.fillRect(jx, y0, 12, 2, colour);
                        DrawImage(painter, JointHImgList, i > n ? 1 : 0, JointHSize, jx, y0 - 2);
                    } else {
                        painter.fillRect(jx, y1 - 2, 12, 2, colour);
                        DrawImage(painter, JointHImgList, i < n ? 1 : 0, JointHSize, jx, y1 - 2);
                    }
                } else {
                    const int jy = 16 + 14 * (std::max(c.top, o.top) + std::min(c.bottom, o.bottom) - 1);
                    if (o.right == c.left) {
                        painter.fillRect(x0, jy, 2, 12, colour);
                        DrawImage(painter, JointVImgList, i > n ? 1 : 0, JointVSize, x0 - 2, jy);
                    } else {
                        painter.fillRect(x1 - 2, jy, 2, 12, colour);
                        DrawImage(painter, JointVImgList, i < n ? 1 : 0, JointVSize, x1 - 2, jy);
                    }
                }
            }

            if (tile >= 0)
                DrawImage(painter, ChrImgList, tile, TileSize, tx, ty);
            CopyToWindow(QRect(x0, y0, w, h));
        }
    }
    m_game->field().ClearChanged();
}

void TSys::DrawWaitingScreen()
{
    QPainter painter(m_offscreen.get());
    painter.fillRect(FieldRect, WaitingColour);
    DrawImage(painter, ChrImgList, 14, TileSize, WaitingTile.x(), WaitingTile.y());
    CopyToWindow(FieldRect);
}

void TSys::DrawMessage(const QString& text, const QColor& colour)
{
    QPainter painter(m_offscreen.get());
    painter.fillRect(MessageRect, Background);
    painter.setFont(canvasFont);
    const QFontMetrics metrics(canvasFont);
    const int w = metrics.horizontalAdvance(text);
    const int h = metrics.height();
    const int tx = MessageRect.left() + (MessageRect.width() - w) / 2;
    const int ty = MessageRect.top() + (MessageRect.height() - h) / 2;
    painter.setClipRect(MessageRect);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Background);
    painter.setPen(colour);
    painter.drawText(tx, ty + metrics.ascent(), text);
    CopyToWindow(MessageRect);
}

void TSys::FormPaint(const QRect& area)
{
    QPainter painter(ui->Client);
    // At a device pixel ratio above 1 every bitmap pixel becomes a crisp block: no smoothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(area, *m_offscreen, area);
}
