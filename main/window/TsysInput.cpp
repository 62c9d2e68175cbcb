#include "Tsys.h"
#include "ui_Tsys.h"

#include "BoardAccessible.h"
#include "BoardGeometry.h"
#include "BoardView.h"
#include "GameState.h"
#include "MoveReport.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>

#include <optional>

namespace {

// The arrows, and the keypad's digits with or without Num Lock (Qt names the keypad's
// keys after what they type, and flags them as keypad keys). Keypad 5 types Clear with
// Num Lock off; the keypad's decimal key types a period, a comma or Delete.
std::optional<Heading> HeadingOfKey(int key, Qt::KeyboardModifiers shift)
{
    const bool keypad = shift.testFlag(Qt::KeypadModifier);
    switch (key) {
    case Qt::Key_Up:
        return Heading::Up;
    case Qt::Key_Down:
        return Heading::Down;
    case Qt::Key_Left:
        return Heading::Left;
    case Qt::Key_Right:
        return Heading::Right;
    case Qt::Key_Period:
        return Heading::InPlace;
    default:
        break;
    }
    if (!keypad)
        return std::nullopt;
    switch (key) {
    case Qt::Key_8:
        return Heading::Up;
    case Qt::Key_2:
        return Heading::Down;
    case Qt::Key_4:
        return Heading::Left;
    case Qt::Key_6:
        return Heading::Right;
    case Qt::Key_5:
    case Qt::Key_Clear:
    case Qt::Key_Comma:
    case Qt::Key_Delete:
        return Heading::InPlace;
    default:
        return std::nullopt;
    }
}

}

bool TSys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ui->Client)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        m_board->Paint(static_cast<QPaintEvent*>(event)->region());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // The second press of a double click is a click of its own.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        FormMouseDown(mouse->button(), at.x(), at.y());
        return true;
    }
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

void TSys::FormMouseDown(Qt::MouseButton button, int x, int y)
{
    if (button != Qt::LeftButton || m_changing)
        return;
    const QPoint pixel = BoardGeometry::InBitmap({x, y}, m_board->zoom());
    if (InPattern(m_state)) {
        if (const std::optional<QPoint> square = BoardGeometry::SquareAt(pixel))
            SquareClick({square->x(), square->y()});
    } else if (m_state == GameState::Waiting) {
        if (BoardGeometry::OnWaitingTile(pixel))
            SetState(GameState::Started, false);
    }
}

// A click on a board square in a pattern, by the mouse or by a key. A move made takes the
// hint's mark with it: its cell is drawn plain along with the move's cells.
void TSys::SquareClick(BoardSquare square)
{
    const MoveReport move = m_game->MoveTo(square);
    if (move.made())
        m_board->Unhint();
    m_board->DrawChangedCells(false);
    if (move.made())
        FollowPlay(move.state() == GameState::None ? m_state : move.state());
    if (move.state() != GameState::None)
        SetState(move.state(), false);
    else
        BoardAccessible::AnnounceMove(ui->Client, move);
}

// Undo and redo change the position as a move does, without a sound or a random draw.
void TSys::StepHistory(bool back)
{
    if (m_changing || !InPattern(m_state))
        return;
    const MoveReport move = back ? m_game->Undo() : m_game->Redo();
    if (!move.made())
        return;
    m_board->Unhint();
    m_board->DrawChangedCells(false);
    FollowPlay(m_state);
    BoardAccessible::AnnounceMove(ui->Client, move);
}

void TSys::keyPressEvent(QKeyEvent* event)
{
    FormKeyDown(event->key(), event->modifiers());
    QMainWindow::keyPressEvent(event);
}

void TSys::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    if (const std::optional<Heading> heading = HeadingOfKey(key, shift)) {
        // Keys move where clicks do, and each auto-repeat is a click of its own.
        if (m_changing || !InPattern(m_state))
            return;
        if (const std::optional<BoardSquare> square = m_game->player().LookAt(*heading))
            SquareClick(*square);
    } else if (key == Qt::Key_Space) {
        if (ui->MainMenu_Game_Start->isEnabled())
            MainMenu_GameClick(ui->MainMenu_Game_Start);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (ui->MainMenu_Game_Retry->isEnabled())
            MainMenu_GameClick(ui->MainMenu_Game_Retry);
    } else if (key == Qt::Key_F10) {
        // The desktop's keys for menus: F10 opens the menu bar, Shift+F10 the popup menu
        // (the Menu key arrives as a context menu event of its own).
        if (shift.testFlag(Qt::ShiftModifier))
            PopupMenu->exec(ui->Client->mapToGlobal(ui->Client->rect().center()));
        else
            ui->MainMenu->setActiveAction(ui->MainMenu_Game->menuAction());
    }
}

void TSys::contextMenuEvent(QContextMenuEvent* event)
{
    if (ui->Client->geometry().contains(event->pos()))
        PopupMenu->exec(event->globalPos());
}
