#include "Tsys.h"
#include "ui_Tsys.h"

#include "BoardGeometry.h"
#include "BoardView.h"
#include "DesktopPlatform.h"
#include "SettingTable.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include <algorithm>

using Board = BoardGeometry;

void TSys::MainMenu_ViewClick(QAction* sender)
{
    if (m_changing)
        return;
    if (sender == ui->MainMenu_View_ZoomIn)
        SetZoom(m_board->zoom() + 1);
    else if (sender == ui->MainMenu_View_ZoomOut)
        SetZoom(m_board->zoom() - 1);
    else if (sender == ui->MainMenu_View_NormalSize)
        SetZoom(1);
}

void TSys::SetZoom(int32_t step)
{
    const QRect frame = frameGeometry();
    const int32_t before = m_board->zoom();
    ApplyZoom(step);
    if (m_board->zoom() == before)
        return;
    // Moved by the player since the zoom last placed it, the window is at home where it is.
    if (frame.topLeft() != m_placed)
        m_home = frame.topLeft();
    PlaceWindow(frame.size() + Board::ClientSize(m_board->zoom()) - Board::ClientSize(before));
    ui->Client->update();
}

void TSys::ApplyZoom(int32_t step)
{
    m_board->SetZoom(step);
    UpdateZoomItems();
}

void TSys::UpdateZoomItems()
{
    const int32_t zoom = m_board->zoom();
    ui->MainMenu_View_ZoomIn->setEnabled(zoom < m_board->LargestZoom());
    ui->MainMenu_View_ZoomOut->setEnabled(zoom > 1);
    ui->MainMenu_View_NormalSize->setEnabled(zoom > 1);
}

// On another screen another step may fit.
void TSys::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    UpdateZoomItems();
}

// At 100 % the window stands at home, partly off the screen if the player put it there.
// A larger step moves it as little as it takes to show it whole on the screen it is on.
void TSys::PlaceWindow(QSize frame)
{
    m_placed = m_home;
    if (m_board->zoom() > 1) {
        const QScreen* on = QGuiApplication::screenAt(QRect(m_home, frame).center());
        const QRect area = (on ? on : screen())->availableGeometry();
        m_placed.setX(std::max(area.left(), std::min(m_home.x(), area.right() + 1 - frame.width())));
        m_placed.setY(std::max(area.top(), std::min(m_home.y(), area.bottom() + 1 - frame.height())));
    }
    if (DesktopPlatform::WindowPositionKnown())
        move(m_placed);
}

// What the settings keep: the window's place at 100 %.
QPoint TSys::HomePosition() const
{
    const QPoint at = frameGeometry().topLeft();
    return at == m_placed ? m_home : at;
}
