#include "Tsys.h"
#include "ui_Tsys.h"

#include "BoardGeometry.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>

bool TSys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ui->Client)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        FormPaint(static_cast<QPaintEvent*>(event)->rect());
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
    if (m_state == GameState::Started || m_state == GameState::Retrying) {
        const std::optional<QPoint> square = BoardGeometry::SquareAt({x, y});
        if (!square)
            return;
        const GameState result = m_game->Move(m_game->field().Grid(square->x(), square->y()));
        DrawChangedCells(false);
        if (result != GameState::None)
            SetState(result, false);
    } else if (m_state == GameState::Waiting) {
        if (BoardGeometry::OnWaitingTile({x, y}))
            SetState(GameState::Started, false);
    }
}

void TSys::keyPressEvent(QKeyEvent* event)
{
    FormKeyDown(event->key());
    QMainWindow::keyPressEvent(event);
}

void TSys::FormKeyDown(int key)
{
    if (key == Qt::Key_Space) {
        if (ui->MainMenu_Game_Start->isEnabled())
            MainMenu_GameClick(ui->MainMenu_Game_Start);
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (ui->MainMenu_Game_Retry->isEnabled())
            MainMenu_GameClick(ui->MainMenu_Game_Retry);
    }
}

void TSys::contextMenuEvent(QContextMenuEvent* event)
{
    if (ui->Client->geometry().contains(event->pos()))
        PopupMenu->exec(event->globalPos());
}
