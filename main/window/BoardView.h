#pragma once

#include "PixelZoom.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

#include <cstdint>

class GameField;
class QPainter;
class QRegion;
class QWidget;
struct BoardMessage;

// The board as the player sees it. Cells are drawn into an off-screen bitmap as they
// change, and the client area shows that bitmap enlarged by the zoom, a whole step that
// fits the screen. BoardGeometry is the one mapping between squares and pixels.
class BoardView {
public:
    // Paints into client and sizes it; draws the cells of field. Both outlive the view.
    BoardView(QWidget& client, GameField& field);

    // Draws the cells the field lists as changed, whole or only their tiles, and clears
    // the list.
    void DrawChangedCells(bool piecesOnly);
    void DrawWaitingScreen();
    void DrawMessage(const QString& text, const QColor& colour);
    // In the player's language.
    void DrawMessage(const BoardMessage& message);
    // Shows the bitmap in the part of the client area that needs painting.
    void Paint(const QRegion& area);

    // The cell drawn in the hint's colour; none: -1. Marks the cells whose look changes
    // for the next drawing; Unhint tells whether there was one.
    void Hint(int32_t cell);
    bool Unhint();

    // Clamped to the steps that fit the screen. The window around follows through its
    // layout, which settles before and after.
    void SetZoom(int32_t step);
    // The menu bar and the window's frame keep their size at every step.
    int32_t LargestZoom() const;
    int32_t zoom() const { return m_zoom; }

    const QPixmap& offscreen() const { return m_offscreen; }
    const QFont& messageFont() const { return m_font; }
    // The text the message line shows now.
    const QString& message() const { return m_message; }

private:
    void DrawCell(QPainter& painter, int32_t cell);
    void DrawPiece(QPainter& painter, int32_t cell);
    void DrawJoint(QPainter& painter, int32_t cell, int32_t neighbour);
    void CopyToWindow(const QRect& area);
    void SettleLayout();

    QWidget& client;
    GameField& field;
    QPixmap m_offscreen;
    QPixmap m_tiles;
    QPixmap m_jointsH;
    QPixmap m_jointsV;
    QFont m_font;
    QString m_message;
    int32_t m_hinted = -1;
    int32_t m_zoom = 1;
    PixelZoom m_pixelZoom;
};
