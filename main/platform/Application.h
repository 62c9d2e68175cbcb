#pragma once

#include <QApplication>

class QSocketNotifier;

// Qt lets an exception thrown in an event handler tear the program down; this
// application object shows it in an error box instead and carries on.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // A logout or a kill by the desktop sends SIGTERM (or SIGHUP, SIGINT). Held from
    // the start of the program, and every thread inherits that, so none is lost or
    // handled half-way through start-up.
    static void HoldTerminationSignals();
    // From here on the first such signal closes every open box and dialog unanswered,
    // announces terminationRequested and leaves every event loop, so the program ends
    // the normal way and keeps its settings. The signal handler itself only writes a
    // byte to a pipe. Any further signal ends the program at once, whatever it is doing.
    void QuitOnTerminationSignals();

    // True once a termination signal has been taken up: nobody is there to answer.
    static bool Terminating() { return terminating; }
    // A warning box, or once terminating a line on standard error.
    static void Warn(QWidget* parent, const QString& caption, const QString& text);

signals:
    // The game's part of ending: whatever it counts on a close, it counts now.
    void terminationRequested();

private:
    void Terminate();

    QSocketNotifier* signalNotifier = nullptr;
    static inline bool terminating = false;
};
