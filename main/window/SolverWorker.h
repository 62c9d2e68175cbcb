#pragma once

#include "GamePosition.h"
#include "GameSolver.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <pthread.h>

class GameField;

// Runs the solver on a thread of its own, so the interface never waits for it. One search
// at a time: a new one replaces the one running, which is cancelled at once. Between
// searches the thread sleeps. The verdict comes back to the interface thread by a queued
// call; one of a search that was replaced or cancelled never comes.
class SolverWorker : public QObject {
    Q_OBJECT

public:
    explicit SolverWorker(QObject* parent = nullptr);
    // Waits only as long as the cancel takes.
    ~SolverWorker() override;

    // The searches from now on are of this pattern, until the next one. Copied here: the
    // game may go on at once.
    void NewPattern(const GameField& pattern);
    // Searches from the position instead of what runs now. The limits' cancel flag is the
    // worker's own.
    void Search(const GamePosition& from, const SolverLimits& limits);
    // Ends the search that runs or waits to run.
    void Cancel();

    // The verdict of the last search asked for, once it has come.
    const std::optional<SolverResult>& verdict() const { return m_verdict; }

signals:
    // verdict() has come.
    void Decided();

private:
    struct Request {
        // A pattern the worker is still to take up.
        std::unique_ptr<GameSolver> solver;
        std::optional<GamePosition> from;
        SolverLimits limits;
        uint64_t serial = 0;
    };

    static void* Run(void* worker);
    void Work();
    void Deliver(uint64_t serial, const SolverResult& result);

    // Only the interface thread reads or writes these two.
    uint64_t m_serial = 0;
    std::optional<SolverResult> m_verdict;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    Request m_next;
    bool m_quitting = false;
    std::atomic<bool> m_cancel{false};
    // A thread of the system's own rather than Qt's: its stack size is chosen, and thread
    // checkers see where it is joined.
    pthread_t m_thread{};
    bool m_started = false;
};
