#include "SolverWorker.h"

#include "Gamefield.h"

#include <algorithm>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/mman.h>
#include <unistd.h>

namespace {

// The search recurses up to a thousand positions deep: a megabyte or two of stack, several
// times that with the sanitizers' larger frames (2 MB did not hold a search of two million
// positions under AddressSanitizer). Only the pages it touches are ever taken.
constexpr size_t StackBytes = size_t{16} << 20;

// Glibc keeps what this thread freed in the thread's own arena, ready for the next
// allocation: megabytes after a search that checked a large loss. Trimming hands it back.
void GiveBackFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// What a search's deepest recursion touched of this thread's stack stays taken (most of a
// megabyte at the default options) unless given back. At a pattern's end the pages below
// the waiting thread's frame are, all but a margin that a signal's frame could reach.
void GiveBackStack()
{
    constexpr uintptr_t Margin = uintptr_t{256} << 10;
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0)
        return;
    void* lowest = nullptr;
    size_t size = 0;
    const bool known = pthread_attr_getstack(&attributes, &lowest, &size) == 0;
    pthread_attr_destroy(&attributes);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (!known || pageSize <= 0)
        return;
    const auto page = static_cast<uintptr_t>(pageSize);
    const auto low = (reinterpret_cast<uintptr_t>(lowest) + page - 1) & ~(page - 1);
    const auto here = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
    if (here < low + Margin)
        return;
    const uintptr_t high = (here - Margin) & ~(page - 1);
    if (high > low)
        madvise(reinterpret_cast<void*>(low), high - low, MADV_DONTNEED);
}

// The same position as far as a search goes: the move count and the keys' aim prove nothing.
bool SamePlace(const GamePosition& a, const GamePosition& b)
{
    return a.player == b.player && a.enemies == b.enemies && a.unvisited == b.unvisited
           && a.cycleMoves == b.cycleMoves;
}

}

uint64_t SolverWorker::Allowance(int searches, uint64_t spent)
{
    if (searches == 0)
        return StartPositions;
    const uint64_t left = PatternPositions - std::min(spent, PatternPositions);
    return std::max(left / LaterShare, FloorPositions);
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

void SolverWorker::NewPattern(const GameField& field)
{
    std::shared_ptr<const GamePattern> pattern = field.sharedPattern();
    {
        const std::lock_guard lock(m_mutex);
        m_next.pattern = std::move(pattern);
        m_next.end = false;
        m_next.from.reset();
        m_cancel = true;
    }
    // A pattern the worker had not taken up yet, let go above, held no tables.
    m_verdict.reset();
    m_start.reset();
    m_startVerdict.reset();
    ++m_serial;
    m_wake.notify_one();
}

void SolverWorker::EndPattern()
{
    Cancel();
    {
        const std::lock_guard lock(m_mutex);
        m_next.end = true;
    }
    m_wake.notify_one();
}

void SolverWorker::Search(const GamePosition& from, const SolverLimits& limits)
{
    m_verdict.reset();
    if (!m_start)
        m_start = from;
    m_fromStart = SamePlace(from, *m_start);
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
    std::shared_ptr<const GamePattern> pattern;
    // Made at the pattern's first search, and again at the first after an end.
    std::unique_ptr<GameSolver> solver;
    int searches = 0;
    uint64_t spent = 0;
    std::unique_lock lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_quitting || m_next.pattern || m_next.end || m_next.from; });
        if (m_quitting)
            break;
        if (m_next.pattern || m_next.end) {
            // The last pattern's tables are freed on this thread, which alone can trim its arena.
            std::shared_ptr<const GamePattern> old = m_next.pattern ? std::exchange(pattern, std::move(m_next.pattern))
                                                           : nullptr;
            m_next.end = false;
            lock.unlock();
            old.reset();
            solver.reset();
            GiveBackFreedMemory();
            GiveBackStack();
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
        if (pattern) {
            if (!solver) {
                solver = std::make_unique<GameSolver>(pattern);
                searches = 0;
                spent = 0;
            }
            limits.positions = std::min(limits.positions, Allowance(searches, spent));
            limits.memoryBytes = std::min(limits.memoryBytes, TableBytes);
            // The verdict comes first, as a hint waits for it; the par may take longer.
            SolverResult result = solver->Decide(from, limits);
            ++searches;
            spent += result.positions;
            const auto deliver = [&] {
                if (!m_cancel)
                    QMetaObject::invokeMethod(this, [this, serial, result] { Deliver(serial, result); },
                                              Qt::QueuedConnection);
            };
            deliver();
            if (result.verdict == Verdict::Clearable && !result.parProved && !m_cancel
                && result.positions < limits.positions) {
                limits.positions -= result.positions;
                result = solver->Solve(from, limits);
                spent += result.positions;
                deliver();
            }
            // What the check of a loss held is freed now; the table stays for the next search.
            GiveBackFreedMemory();
        }
        lock.lock();
    }
    lock.unlock();
    solver.reset();
}

// A search delivers twice when the par takes longer than the verdict: the second brings
// a par proved or a bound lowered, and a hint by the shorter way.
void SolverWorker::Deliver(uint64_t serial, const SolverResult& result)
{
    // Asked for again meanwhile: a verdict of a position no longer in question.
    if (serial != m_serial)
        return;
    m_verdict = result;
    if (m_fromStart)
        KeepStartVerdict(result);
    emit Decided();
}

void SolverWorker::KeepStartVerdict(const SolverResult& result)
{
    const bool decided = result.verdict != Verdict::Undecided;
    if (decided || !m_startVerdict || m_startVerdict->verdict == Verdict::Undecided)
        m_startVerdict = result;
}
