#include "SolverWorker.h"

#include <utility>

namespace {

// The search recurses up to a thousand positions deep: a megabyte or two of stack, several
// times that with the sanitizers' larger frames (2 MB did not hold a search of two million
// positions under AddressSanitizer). Only the pages it touches are ever taken.
constexpr size_t StackBytes = size_t{16} << 20;

}

SolverWorker::SolverWorker(QObject* parent)
    : QObject(parent)
{
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, StackBytes);
    m_started = pthread_create(&m_thread, &attributes, &SolverWorker::Run, this) == 0;
    pthread_attr_destroy(&attributes);
    if (m_started)
        pthread_setname_np(m_thread, "solver");
}

SolverWorker::~SolverWorker()
{
    {
        const std::lock_guard lock(m_mutex);
        m_quitting = true;
        m_cancel = true;
    }
    m_wake.notify_one();
    if (m_started)
        pthread_join(m_thread, nullptr);
}

void* SolverWorker::Run(void* worker)
{
    static_cast<SolverWorker*>(worker)->Work();
    return nullptr;
}

void SolverWorker::NewPattern(const GameField& pattern)
{
    auto solver = std::make_unique<GameSolver>(pattern);
    {
        const std::lock_guard lock(m_mutex);
        m_next.solver = std::move(solver);
        m_next.from.reset();
        m_cancel = true;
    }
    // A pattern the worker had not taken up yet, let go above, held no tables.
    m_verdict.reset();
    ++m_serial;
    m_wake.notify_one();
}

void SolverWorker::Search(const GamePosition& from, const SolverLimits& limits)
{
    m_verdict.reset();
    {
        const std::lock_guard lock(m_mutex);
        m_next.from = from;
        m_next.limits = limits;
        m_next.serial = ++m_serial;
        m_cancel = true;
    }
    m_wake.notify_one();
    // Without a thread nothing can be proved: the search ends undecided at once.
    if (!m_started)
        QMetaObject::invokeMethod(this, [this, serial = m_serial] { Deliver(serial, {}); }, Qt::QueuedConnection);
}

void SolverWorker::Cancel()
{
    m_verdict.reset();
    ++m_serial;
    const std::lock_guard lock(m_mutex);
    m_next.from.reset();
    m_cancel = true;
}

void SolverWorker::Work()
{
    std::unique_ptr<GameSolver> solver;
    std::unique_lock lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_quitting || m_next.solver || m_next.from; });
        if (m_quitting)
            break;
        if (m_next.solver) {
            // The last pattern's tables, tens of megabytes perhaps, are freed on this thread.
            std::unique_ptr<GameSolver> old = std::exchange(solver, std::move(m_next.solver));
            lock.unlock();
            old.reset();
            lock.lock();
            continue;
        }
        const GamePosition from = std::move(*m_next.from);
        m_next.from.reset();
        SolverLimits limits = m_next.limits;
        limits.cancel = &m_cancel;
        const uint64_t serial = m_next.serial;
        m_cancel = false;
        lock.unlock();
        if (solver) {
            const SolverResult result = solver->Solve(from, limits);
            if (!m_cancel)
                QMetaObject::invokeMethod(this, [this, serial, result] { Deliver(serial, result); },
                                          Qt::QueuedConnection);
        }
        lock.lock();
    }
    lock.unlock();
    solver.reset();
}

void SolverWorker::Deliver(uint64_t serial, const SolverResult& result)
{
    // Asked for again meanwhile: a verdict of a position no longer in question.
    if (serial != m_serial)
        return;
    m_verdict = result;
    emit Decided();
}
