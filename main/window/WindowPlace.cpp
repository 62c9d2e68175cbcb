#include "WindowPlace.h"

#include "DesktopPlatform.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

WindowPlace::WindowPlace(QWidget& window)
    : window(window)
{
}

void WindowPlace::Zoomed(QPoint before, QSize frame, int32_t zoom)
{
    if (before != m_placed)
        m_home = before;
    Place(frame, zoom);
}

void WindowPlace::Place(QSize frame, int32_t zoom)
{
    m_placed = m_home;
    if (zoom > 1) {
        const QScreen* on = QGuiApplication::screenAt(QRect(m_home, frame).center());
        const QRect area = (on ? on : window.screen())->availableGeometry();
        m_placed.setX(std::max(area.left(), std::min(m_home.x(), area.right() + 1 - frame.width())));
        m_placed.setY(std::max(area.top(), std::min(m_home.y(), area.bottom() + 1 - frame.height())));
    }
    if (DesktopPlatform::WindowPositionKnown())
        window.move(m_placed);
}

QPoint WindowPlace::Home() const
{
    const QPoint at = window.frameGeometry().topLeft();
    return at == m_placed ? m_home : at;
}
