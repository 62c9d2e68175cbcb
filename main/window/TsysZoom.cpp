#include "Tsys.h"
#include "ui_Tsys.h"

#include "BoardGeometry.h"
#include "BoardView.h"

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
    const int32_t zoom = m_board->zoom();
    m_place.Zoomed(frame.topLeft(), frame.size() + Board::ClientSize(zoom) - Board::ClientSize(before), zoom);
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
