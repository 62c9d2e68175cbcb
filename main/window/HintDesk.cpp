#include "HintDesk.h"

#include "Application.h"
#include "BoardView.h"
#include "FairStart.h"
#include "Game.h"
#include "SolverWorker.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <chrono>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

// How long a hint shows its cell.
constexpr int HintMilliseconds = 1000;

}

HintDesk::HintDesk(Game& game, BoardView& board, std::function<bool()> paused,
                   std::function<void(Verdict)> noSureWay)
    : game(game)
    , board(board)
    , paused(std::move(paused))
    , noSureWay(std::move(noSureWay))
{
}

HintDesk::~HintDesk() = default;

SolverWorker& HintDesk::Solver()
{
    // Built with the first pattern: nothing of it is there while the game waits to start.
    if (!m_solver) {
        m_solver = std::make_unique<SolverWorker>();
        QObject::connect(m_solver.get(), &SolverWorker::Decided, m_solver.get(), [this] { Decided(); });
    }
    return *m_solver;
}

// Fair patterns only, a start without a number deals more, each from a seed of its own,
// until the solver proves one clearable from its start: the number shown then names a
// fair pattern. The window keeps painting and a request to end is taken up, but input
// waits until the pattern is there.
void HintDesk::Deal(const std::optional<PatternNumber>& typed, const FieldOption& field, int32_t enemyCount,
                    bool fairOnly)
{
    SolverWorker& solver = Solver();
    const auto deal = [&] {
        game.Deal(typed.value_or(PatternNumber{field, enemyCount, PatternNumber::ClockSeed()}));
        solver.NewPattern(game.field());
    };
    deal();
    if (typed || !fairOnly)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const SolverLimits limits = FairStart::Candidate(Clock::now());
    QEventLoop wait;
    QObject::connect(&solver, &SolverWorker::Decided, &wait, &QEventLoop::quit);
    while (true) {
        solver.Search(game.Position(), limits);
        while (!solver.verdict() && !Application::Terminating())
            wait.exec(QEventLoop::ExcludeUserInputEvents);
        const bool proved = solver.verdict() && solver.verdict()->verdict == Verdict::Clearable;
        if (proved || Application::Terminating() || Clock::now() >= *limits.deadline)
            break;
        deal();
    }
    QGuiApplication::restoreOverrideCursor();
}

void HintDesk::Leave()
{
    m_wanted = false;
    Hide();
    if (m_solver)
        m_solver->Cancel();
}

void HintDesk::Follow(bool inPattern)
{
    Leave();
    if (!m_solver)
        return;
    if (inPattern)
        m_solver->Search(game.Position(), {});
    else
        m_solver->EndPattern();
}

std::optional<SolverResult> HintDesk::startVerdict() const
{
    return m_solver ? m_solver->startVerdict() : std::nullopt;
}

void HintDesk::Ask()
{
    if (!m_solver)
        return;
    if (m_solver->verdict())
        Show(*m_solver->verdict());
    else
        m_wanted = true;
}

// The verdict for the position in play has come: a hint asked for before shows now, unless
// the game has been paused meanwhile.
void HintDesk::Decided()
{
    if (std::exchange(m_wanted, false) && !paused())
        Show(*m_solver->verdict());
}

void HintDesk::Show(const SolverResult& result)
{
    if (result.verdict != Verdict::Clearable) {
        noSureWay(result.verdict);
        return;
    }
    Hide();
    board.Hint(result.move);
    if (!m_timer) {
        m_timer = std::make_unique<QTimer>();
        m_timer->setSingleShot(true);
        m_timer->setInterval(HintMilliseconds);
        QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this] { Hide(); });
    }
    m_timer->start();
    board.DrawChangedCells(false);
}

// A move may have taken the hint's mark away already, drawn with the move's cells.
void HintDesk::Hide()
{
    if (m_timer)
        m_timer->stop();
    if (board.Unhint())
        board.DrawChangedCells(false);
}
