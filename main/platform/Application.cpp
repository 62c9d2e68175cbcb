#include "Application.h"

#include "ProgramTexts.h"

#include <QDialog>
#include <QMessageBox>
#include <QPixmapCache>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <exception>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int TerminationSignalList[] = {SIGTERM, SIGHUP, SIGINT};

int signalPipe[2] = {-1, -1};
// Lock-free, so the handler may count with it.
std::atomic<int> signalsTaken{0};
// Written by the first signal's handler, which holds off the others while it runs.
int firstSignal = 0;
timespec firstTime{};

sigset_t TerminationSignals()
{
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : TerminationSignalList)
        sigaddset(&held, signal);
    return held;
}

// systemd stops the programs of a session with SIGTERM followed at once by SIGHUP, and
// both may arrive together, SIGHUP first. The pair is one request to end. So is the same
// one twice: timeout(1), and any kill of a process and then of its group, send it twice.
bool Paired(int one, int other)
{
    const auto ending = [](int signal) { return signal == SIGTERM || signal == SIGHUP; };
    return ending(one) && ending(other);
}

void OnTerminationSignal(int signal)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (signalsTaken.fetch_add(1) == 0) {
        firstSignal = signal;
        firstTime = now;
        // A further one takes the default action straight from the kernel, even while
        // the game waits in a box or a save that this first one could not end; only the
        // other half of a pair still comes here.
        struct sigaction fallback = {};
        fallback.sa_handler = SIG_DFL;
        for (const int each : TerminationSignalList) {
            if (!Paired(signal, each))
                sigaction(each, &fallback, nullptr);
        }
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
        return;
    }
    std::signal(signal, SIG_DFL);
    if (Paired(firstSignal, signal) && now.tv_sec - firstTime.tv_sec <= 1)
        return;
    // Held while this handler runs, it is delivered, by default, as this returns.
    std::raise(signal);
}

}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        QMessageBox::critical(activeWindow(), TitleText, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void Application::Warn(QWidget* parent, const QString& caption, const QString& text)
{
    if (terminating) {
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, qPrintable(text));
        return;
    }
    // Let the window repaint before the box covers it.
    processEvents();
    QMessageBox::warning(parent, caption, text);
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // Every question and warning box is built anew, and so are the icons on its
    // buttons; Qt caches each icon's pixmaps under that icon's own key, so every box
    // leaves a few entries nobody asks for again. Qt drops them only once the cache is
    // full, and its default 10 MB would take most of a long session to fill: the memory
    // held climbed with every box answered. A quarter of a megabyte still holds every
    // pixmap the style draws our windows and dialogs from; the stale entries are the
    // least used, and go first.
    QPixmapCache::setCacheLimit(256);
}

void Application::HoldTerminationSignals()
{
    const sigset_t held = TerminationSignals();
    pthread_sigmask(SIG_BLOCK, &held, nullptr);
}

void Application::QuitOnTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) == 0) {
        signalNotifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(signalNotifier, &QSocketNotifier::activated, this, &Application::Terminate);
        struct sigaction action = {};
        action.sa_handler = OnTerminationSignal;
        action.sa_mask = TerminationSignals();
        action.sa_flags = SA_RESTART;
        for (const int signal : TerminationSignalList)
            sigaction(signal, &action, nullptr);
    }
    // Without the pipe the signals keep their default action: they end the game unsaved,
    // but they end it.
    const sigset_t held = TerminationSignals();
    pthread_sigmask(SIG_UNBLOCK, &held, nullptr);
}

void Application::Terminate()
{
    char byte = 0;
    [[maybe_unused]] const auto read = ::read(signalPipe[0], &byte, 1);
    signalNotifier->setEnabled(false);
    terminating = true;
    // Innermost first: each closed box or dialog hands back to the loop of the one below,
    // which ends when control gets there. One that will not close stops the round.
    QWidget* last = nullptr;
    while (QWidget* popup = activePopupWidget()) {
        if (popup == last)
            break;
        popup->close();
        last = popup;
    }
    while (QWidget* modal = activeModalWidget()) {
        if (modal == last)
            break;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        last = modal;
    }
    emit terminationRequested();
    exit(0);
}
