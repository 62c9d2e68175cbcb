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
//
// One solver serves a pattern from its start to its end, so a search that ended undecided
// leaves what it learned to the next one. A pattern has a budget of positions, most of it
// for the search from its start; later searches share what is left, each at least enough
// for a hint to answer. So a long play costs no more than a short one, and the same on any
// machine. When the pattern ends, what the solver held goes back to the system.
class SolverWorker : public QObject {
    Q_OBJECT

public:
    explicit SolverWorker(QObject* parent = nullptr);
    // Waits only as long as the cancel takes.
    ~SolverWorker() override;

    // The searches from now on are of the field's pattern as dealt, until the next one. The
    // pattern is a value the worker keeps, so the game may go on at once.
    void NewPattern(const GameField& field);
    // Searches from the position instead of what runs now. The limits' cancel flag is the
    // worker's own.
    void Search(const GamePosition& from, const SolverLimits& limits);
    // Ends the search that runs or waits to run.
    void Cancel();
    // The pattern is no longer played: the search ends and the solver's memory is given back.
    // A search asked for later (a retry) starts a fresh solver of the same pattern.
    void EndPattern();

    // The verdict of the last search asked for, once it has come; then its par, if found
    // later.
    const std::optional<SolverResult>& verdict() const { return m_verdict; }
    // What the searches from the pattern's start found, kept past its end: a decided verdict
    // once one has come, else the last undecided one; none before any.
    const std::optional<SolverResult>& startVerdict() const { return m_startVerdict; }

    // A pattern's budget of positions: the search from its start may take StartPositions,
    // each later one a share of what is left of PatternPositions, at least FloorPositions.
    static constexpr uint64_t StartPositions = 500'000;
    static constexpr uint64_t PatternPositions = 800'000;
    static constexpr uint64_t FloorPositions = 20'000;
    static constexpr uint64_t LaterShare = 4;
    // The most the solver's table may hold. At half of it, some default starts the start's
    // budget proves clearable here stayed undecided: the table kept losing what it found.
    static constexpr std::size_t TableBytes = std::size_t{8} << 20;

signals:
    // verdict() has come, or a par for it.
    void Decided();

private:
    struct Request {
        // A pattern the worker is still to take up, as dealt: a solver is made of it whenever
        // the pattern needs one.
        std::shared_ptr<const GamePattern> pattern;
        bool end = false;
        std::optional<GamePosition> from;
        SolverLimits limits;
        uint64_t serial = 0;
    };

    // The positions a search may visit after the pattern's earlier searches visited spent.
    static uint64_t Allowance(int searches, uint64_t spent);
    static void* Run(void* worker);
    void Work();
    void Deliver(uint64_t serial, const SolverResult& result);
    void KeepStartVerdict(const SolverResult& result);

    // Only the interface thread reads or writes these.
    uint64_t m_serial = 0;
    std::optional<SolverResult> m_verdict;
    std::optional<GamePosition> m_start;
    bool m_fromStart = false;
    std::optional<SolverResult> m_startVerdict;

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
