#pragma once

#include <QPoint>
#include <QSize>

#include <cstdint>

class QWidget;

// Where the window's frame stands. At 100 % it stands at home, partly off the screen if
// the player put it there; a larger step moves it as little as it takes to show it whole
// on the screen it is on, and 100 % brings it back. The settings keep the home.
class WindowPlace {
public:
    // window outlives the place.
    explicit WindowPlace(QWidget& window);

    // A zoom changed the step: the frame stood at before and grows to frame. Moved by the
    // player since the zoom last placed it, the window is at home where it was.
    void Zoomed(QPoint before, QSize frame, int32_t zoom);
    // Puts the window's frame of this size where it belongs at the step.
    void Place(QSize frame, int32_t zoom);
    void SetHome(QPoint home) { m_home = home; }
    // The window's place at 100 %.
    QPoint Home() const;

private:
    QWidget& window;
    QPoint m_home;
    QPoint m_placed;
};
