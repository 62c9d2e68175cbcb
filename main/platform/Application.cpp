#include "Application.h"

#include "ProgramTexts.h"

#include <QMessageBox>
#include <QSocketNotifier>

#include <csignal>
#include <exception>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

sigset_t TerminationSignals()
{
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaddset(&held, signal);
    return held;
}

void OnTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
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

void Application::HoldTerminationSignals()
{
    const sigset_t held = TerminationSignals();
    pthread_sigmask(SIG_BLOCK, &held, nullptr);
}

void Application::QuitOnTerminationSignals(std::function<void()> beforeQuit)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    signalNotifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(signalNotifier, &QSocketNotifier::activated, this, [this, beforeQuit] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(signalPipe[0], &byte, 1);
        signalNotifier->setEnabled(false);
        beforeQuit();
        exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
    const sigset_t held = TerminationSignals();
    pthread_sigmask(SIG_UNBLOCK, &held, nullptr);
}
