#include "Tsys.h"
#include "ui_Tsys.h"

#include "Application.h"
#include "FairStart.h"
#include "SolverWorker.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

#include <chrono>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

// How long a hint shows its cell.
constexpr int HintMilliseconds = 1000;

}

SolverWorker& TSys::Solver()
{
    // Built with the first pattern: nothing of it is there while the game waits to start.
    if (!m_solver) {
        m_solver = std::make_unique<SolverWorker>();
        connect(m_solver.get(), &SolverWorker::Decided, this, &TSys::SearchDecided);
    }
    return *m_solver;
}

// A start deals the pattern of a typed number, or one of the player's options from a seed
// the clock gives. Fair patterns only, a start without a number deals more, each from a
// seed of its own, until the solver proves one clearable from its start: the number
// shown then names a fair pattern. The timer sleeps meanwhile; the window keeps painting
// and a request to end is taken up, but input waits until the pattern is there.
void TSys::DealPattern()
{
    SolverWorker& solver = Solver();
    const auto deal = [&] {
        m_game->Deal(m_typed.value_or(PatternNumber{m_fieldOption, m_enemyCount, PatternNumber::ClockSeed()}));
        solver.NewPattern(m_game->field());
    };
    deal();
    if (m_typed || !ui->MainMenu_Game_Fair->isChecked())
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const SolverLimits limits = FairStart::Candidate(Clock::now());
    QEventLoop wait;
    connect(&solver, &SolverWorker::Decided, &wait, &QEventLoop::quit);
    while (true) {
        solver.Search(m_game->Position(), limits);
        while (!solver.verdict() && !Application::Terminating())
            wait.exec(QEventLoop::ExcludeUserInputEvents);
        const bool proved = solver.verdict() && solver.verdict()->verdict == Verdict::Clearable;
        if (proved || Application::Terminating() || Clock::now() >= *limits.deadline)
            break;
        deal();
    }
    QGuiApplication::restoreOverrideCursor();
}

// The play leaves the position it stood in: its hint goes, and so does the search from it.
void TSys::LeavePosition()
{
    m_hintWanted = false;
    HideHint();
    if (m_solver)
        m_solver->Cancel();
}

// The play stands in a new position or has entered the state. While a pattern is in play,
// the search starts from here, so a hint is usually ready when asked for.
void TSys::FollowPlay(GameState state)
{
    LeavePosition();
    ui->MainMenu_Game_Hint->setEnabled(InPattern(state));
    ui->PopupMenu_Hint->setEnabled(InPattern(state));
    UpdateHistoryItems(InPattern(state));
    if (!InPattern(state) && m_solver)
        m_solver->EndPattern();
    if (!InPattern(state) || !m_solver)
        return;
    m_solver->Search(m_game->Position(), {});
}

void TSys::HintCommand()
{
    if (m_changing || !InPattern(m_state) || !m_solver)
        return;
    if (m_solver->verdict())
        ShowHint(*m_solver->verdict());
    else
        m_hintWanted = true;
}

// The verdict for the position in play has come: a hint asked for before shows now, unless
// the game has been paused meanwhile (a dialog, another window).
void TSys::SearchDecided()
{
    if (std::exchange(m_hintWanted, false) && m_busyCount == 0)
        ShowHint(*m_solver->verdict());
}

void TSys::ShowHint(const SolverResult& result)
{
    if (result.verdict == Verdict::Clearable) {
        HideHint();
        m_hintCell = result.move;
        if (!m_hintTimer) {
            m_hintTimer = new QTimer(this);
            m_hintTimer->setSingleShot(true);
            m_hintTimer->setInterval(HintMilliseconds);
            connect(m_hintTimer, &QTimer::timeout, this, &TSys::HideHint);
        }
        m_hintTimer->start();
        m_game->field().SetCell(m_hintCell, m_game->field().Cell(m_hintCell));
        DrawChangedCells(false);
        return;
    }
    SetBusy(true);
    QCoreApplication::processEvents();
    if (!Application::Terminating()) {
        QMessageBox::information(
            this, tr("Hint"),
            result.verdict == Verdict::Lost
                ? tr("There is no sure way to clear the pattern from here: whatever you do, the ducks may "
                     "catch you, depending on the order they step in.")
                : tr("No sure way to clear the pattern from here was found in time. There may still be one."));
    }
    SetBusy(false);
}

void TSys::HideHint()
{
    if (m_hintCell < 0)
        return;
    m_hintTimer->stop();
    const int32_t cell = std::exchange(m_hintCell, -1);
    m_game->field().SetCell(cell, m_game->field().Cell(cell));
    DrawChangedCells(false);
}
