#pragma once

#include <QApplication>

#include <functional>

class QSocketNotifier;

// Qt lets an exception thrown in an event handler tear the program down; this
// application object shows it in an error box instead and carries on.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;

    // A logout or a kill by the desktop sends SIGTERM (or SIGHUP, SIGINT). Held from
    // the start of the program, and every thread inherits that, so none is lost or
    // handled half-way through start-up.
    static void HoldTerminationSignals();
    // From here on such a signal runs beforeQuit, then leaves every event loop, so
    // the program ends the normal way and keeps its settings. The signal handler
    // itself only writes a byte to a pipe.
    void QuitOnTerminationSignals(std::function<void()> beforeQuit);

private:
    QSocketNotifier* signalNotifier = nullptr;
};
