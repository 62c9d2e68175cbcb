#pragma once

#include "Gamefield.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <cstdlib>
#include <optional>

// Where the board lies in the off-screen bitmap, which the client area shows enlarged by
// the zoom: the one mapping between board squares, cells and pixels that the drawing, the
// mouse and the keyboard share.
struct BoardGeometry {
    static constexpr int Margin = 8;
    static constexpr QSize SquareSize{30, 28};
    static constexpr QSize TileSize{26, 24};
    // Joints lie across the edge two cells share: long along it, two pixels either side.
    static constexpr QSize JointHSize{12, 4};
    static constexpr QSize JointVSize{4, 12};

    static constexpr QRect FieldRect{Margin, Margin, GameField::Columns * SquareSize.width(),
                                     GameField::Rows * SquareSize.height()};
    static constexpr QRect MessageRect{Margin, FieldRect.y() + FieldRect.height() + Margin, FieldRect.width(), 32};
    static constexpr QRect BufferRect{0, 0, FieldRect.width() + 2 * Margin,
                                      MessageRect.y() + MessageRect.height() + Margin};
    // The waiting picture's tile sits in the middle of the field.
    static constexpr QPoint FieldCentre{FieldRect.x() + FieldRect.width() / 2, FieldRect.y() + FieldRect.height() / 2};
    static constexpr QRect WaitingTile{FieldCentre - QPoint(TileSize.width() / 2, TileSize.height() / 2), TileSize};

    static constexpr QRect SquareRect(int column, int row)
    {
        return {FieldRect.x() + column * SquareSize.width(), FieldRect.y() + row * SquareSize.height(),
                SquareSize.width(), SquareSize.height()};
    }

    // The board square under a pixel as (column, row); none outside the field.
    static std::optional<QPoint> SquareAt(QPoint pixel)
    {
        if (!FieldRect.contains(pixel))
            return std::nullopt;
        return QPoint((pixel.x() - FieldRect.x()) / SquareSize.width(), (pixel.y() - FieldRect.y()) / SquareSize.height());
    }

    // A cell covers its squares whole, its outline included.
    static constexpr QRect CellRect(const FieldCell& c)
    {
        return {SquareRect(c.left, c.top).topLeft(), SquareRect(c.right - 1, c.bottom - 1).bottomRight()};
    }

    // A cell's tile is centred in it, the halves rounded toward zero.
    static constexpr QRect TileRect(const FieldCell& c)
    {
        const QRect cell = CellRect(c);
        return {cell.x() + (cell.width() - TileSize.width()) / 2, cell.y() + (cell.height() - TileSize.height()) / 2,
                TileSize.width(), TileSize.height()};
    }

    // Two neighbours share part of a row or a column line; their joint is centred on that
    // part. Horizontal when the neighbour lies above or below.
    static constexpr bool JointIsHorizontal(const FieldCell& c, const FieldCell& n)
    {
        return n.bottom == c.top || n.top == c.bottom;
    }
    static constexpr QRect JointRect(const FieldCell& c, const FieldCell& n)
    {
        const QRect cell = CellRect(c);
        const QRect other = CellRect(n);
        if (JointIsHorizontal(c, n)) {
            // Twice the middle of the shared part, so odd sums need no rounding.
            const int twiceMiddle = std::max(cell.left(), other.left()) + std::min(cell.right(), other.right()) + 1;
            const int edge = n.bottom == c.top ? cell.top() : cell.bottom() + 1;
            return {twiceMiddle / 2 - JointHSize.width() / 2, edge - JointHSize.height() / 2, JointHSize.width(),
                    JointHSize.height()};
        }
        const int twiceMiddle = std::max(cell.top(), other.top()) + std::min(cell.bottom(), other.bottom()) + 1;
        const int edge = n.right == c.left ? cell.left() : cell.right() + 1;
        return {edge - JointVSize.width() / 2, twiceMiddle / 2 - JointVSize.height() / 2, JointVSize.width(),
                JointVSize.height()};
    }

    // A press on the waiting picture's tile starts the game: within half a tile of the
    // field's centre, edges included.
    static bool OnWaitingTile(QPoint pixel)
    {
        return std::abs(pixel.x() - FieldCentre.x()) <= TileSize.width() / 2
            && std::abs(pixel.y() - FieldCentre.y()) <= TileSize.height() / 2;
    }

    // Zoomed, the client area shows every bitmap pixel as a square of zoom x zoom client
    // pixels; all of the above is in bitmap pixels, and these convert.
    static constexpr QSize ClientSize(int zoom)
    {
        return {BufferRect.width() * zoom, BufferRect.height() * zoom};
    }
    static constexpr QRect OnClient(const QRect& area, int zoom)
    {
        return {area.x() * zoom, area.y() * zoom, area.width() * zoom, area.height() * zoom};
    }
    // The bitmap pixel a client pixel shows (client pixels are never negative).
    static constexpr QPoint InBitmap(QPoint pixel, int zoom)
    {
        return {pixel.x() / zoom, pixel.y() / zoom};
    }
    // The bitmap pixels that show in a client area, each whole.
    static constexpr QRect InBitmap(const QRect& area, int zoom)
    {
        return {InBitmap(area.topLeft(), zoom), InBitmap(area.bottomRight(), zoom)};
    }
};
