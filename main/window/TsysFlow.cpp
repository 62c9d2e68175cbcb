#include "Tsys.h"
#include "ui_Tsys.h"

#include "Application.h"
#include "BoardAccessible.h"
#include "BoardMessages.h"
#include "GameDialogs.h"
#include "GameRules.h"
#include "GameState.h"
#include "ProgramTexts.h"
#include "SolverWorker.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

bool TSys::SetState(GameState newState, bool skipConfirm)
{
    // Events are processed inside a change; a change must never start inside another.
    if (m_changing)
        return false;
    m_changing = true;
    SetBusy(true);
    const GameState oldState = m_state;
    const bool go = skipConfirm || ConfirmChange(oldState, newState);
    if (go) {
        UpdateStatistics(oldState, newState);
        EnterState(oldState, newState);
        m_state = newState;
        BoardAccessible::AnnounceState(ui->Client);
    }
    QCoreApplication::processEvents();
    m_changing = false;
    SetBusy(false);
    EndIfTerminating();
    return go;
}

bool TSys::PlayPattern(const PatternNumber& number, bool skipConfirm)
{
    if (m_changing)
        return false;
    m_typed = number;
    const bool go = SetState(GameState::Started, skipConfirm);
    m_typed.reset();
    return go;
}

// Nobody is there any more: the game ends as a close without a question would end it,
// counting an abandoned pattern. A change that is running (its question closed
// unanswered) finishes first and comes back here; start-up ends in a state change too.
void TSys::EndIfTerminating()
{
    if (Application::Terminating() && !m_changing && m_state != GameState::None
        && m_state != GameState::Quitting)
        SetState(GameState::Quitting, true);
}

bool TSys::ConfirmChange(GameState oldState, GameState newState)
{
    if (!m_systemOption.confirm || !InPattern(oldState))
        return true;
    switch (newState) {
    case GameState::Started:
        return AskQuestion(tr("Starting new pattern."), tr("Confirmation"));
    case GameState::Retrying:
        return AskQuestion(tr("Retrying currnt pattern."), tr("Confirmation"));
    case GameState::Quitting:
        return AskQuestion(tr("Quiting the application."), tr("Confirmation"));
    default:
        return true;
    }
}

bool TSys::AskQuestion(const QString& statement, const QString& caption)
{
    QCoreApplication::processEvents();
    if (Application::Terminating())
        return false;
    QMessageBox box(QMessageBox::Question, caption,
                    statement + LineBreak + LineBreak + tr("Sure?"),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void TSys::UpdateStatistics(GameState oldState, GameState newState)
{
    StatusOption& s = m_statusOption;
    const auto abandon = [&] {
        // Moves taken back were made all the same.
        if (InPattern(oldState) && m_game->movesMade() > 0) {
            ++s.gameover;
            s.succeeding = 0;
        }
    };
    switch (newState) {
    case GameState::Started:
        ++s.start;
        abandon();
        break;
    case GameState::Retrying:
        ++s.retry;
        if (s.succeeding == Rules::HatTrickRun || oldState == GameState::Cleared)
            s.succeeding = 0;
        abandon();
        break;
    case GameState::Cleared:
        ++s.clear;
        ++s.succeeding;
        if (s.succeeding == Rules::HatTrickRun)
            ++s.hattrick;
        s.maxSucceeding = std::max(s.maxSucceeding, s.succeeding);
        break;
    case GameState::Gameover:
        ++s.gameover;
        s.succeeding = 0;
        break;
    case GameState::Quitting:
        abandon();
        break;
    default:
        break;
    }
}

void TSys::EnterState(GameState oldState, GameState newState)
{
    LeavePosition();
    switch (newState) {
    case GameState::Waiting:
        SetRetryEnabled(false);
        DrawWaitingScreen();
        DrawMessage(BoardMessages::Waiting);
        break;
    case GameState::Started:
        SetRetryEnabled(true);
        DrawMessage(BoardMessages::Started);
        m_sound->Play(oldState == GameState::Waiting ? 1 : 2);
        break;
    case GameState::Retrying:
        DrawMessage(BoardMessages::Retrying);
        m_sound->Play(3);
        break;
    case GameState::Cleared: {
        if (Rules::HatTrick(m_statusOption.succeeding)) {
            // Let the clearing move show before the pause that builds up to the fanfare.
            QCoreApplication::processEvents();
            QThread::msleep(800);
            DrawMessage(BoardMessages::HatTrick);
            m_sound->Play(6);
        } else {
            DrawMessage(BoardMessages::Cleared);
            m_sound->Play(4);
        }
        break;
    }
    case GameState::Gameover:
        DrawMessage(BoardMessages::Gameover);
        m_sound->Play(5);
        break;
    default:
        break;
    }
    if (newState == GameState::Started)
        DealPattern();
    else
        m_game->ChangeState(newState);
    DrawChangedCells(false);
    FollowPlay(newState);
}

void TSys::SetRetryEnabled(bool enabled)
{
    ui->MainMenu_Game_Retry->setEnabled(enabled);
    ui->PopupMenu_Retry->setEnabled(enabled);
}

void TSys::SetBusy(bool on)
{
    m_busyCount = on ? m_busyCount + 1 : 0;
    if (m_busyCount < 0)
        m_busyCount = 0;
    // Every state change ends here, so this is where the timer learns whether a tick
    // could change anything: paused, or in a state that does not animate, it sleeps and
    // the process is not woken ten times a second for nothing.
    if (m_busyCount == 0 && m_game && Game::Animates(m_state)) {
        if (!Timer->isActive())
            Timer->start();
    } else {
        Timer->stop();
    }
}

void TSys::MainMenu_GameClick(QAction* sender)
{
    if (m_changing)
        return;
    if (sender == ui->MainMenu_Game_Start)
        SetState(GameState::Started, false);
    else if (sender == ui->MainMenu_Game_Retry)
        SetState(GameState::Retrying, false);
    else if (sender == ui->MainMenu_Game_Hint)
        HintCommand();
    else if (sender == ui->MainMenu_Game_Undo || sender == ui->MainMenu_Game_Redo)
        StepHistory(sender == ui->MainMenu_Game_Undo);
    else if (sender == ui->MainMenu_Game_Number)
        NumberCommand();
    else if (sender == ui->MainMenu_Game_Status)
        StatusCommand();
    else if (sender == ui->MainMenu_Game_Option)
        OptionCommand();
    else if (sender == ui->MainMenu_Game_Exit)
        close();
}

void TSys::PopupMenuClick(QAction* sender)
{
    if (sender == ui->PopupMenu_Start)
        MainMenu_GameClick(ui->MainMenu_Game_Start);
    else if (sender == ui->PopupMenu_Retry)
        MainMenu_GameClick(ui->MainMenu_Game_Retry);
    else if (sender == ui->PopupMenu_Hint)
        MainMenu_GameClick(ui->MainMenu_Game_Hint);
    else if (sender == ui->PopupMenu_Undo)
        MainMenu_GameClick(ui->MainMenu_Game_Undo);
    else if (sender == ui->PopupMenu_Redo)
        MainMenu_GameClick(ui->MainMenu_Game_Redo);
    else if (sender == ui->PopupMenu_Status)
        MainMenu_GameClick(ui->MainMenu_Game_Status);
    else if (sender == ui->PopupMenu_Option)
        MainMenu_GameClick(ui->MainMenu_Game_Option);
}

void TSys::StatusCommand()
{
    SetBusy(true);
    TStatusDialog& StatusDialog = dialogs.StatusDialog();
    StatusDialog.SetStatusOption(m_statusOption);
    QCoreApplication::processEvents();
    StatusDialog.exec();
    SetBusy(false);
}

void TSys::OptionCommand()
{
    SetBusy(true);
    TOptionDialog& OptionDialog = dialogs.OptionDialog();
    OptionDialog.SetFieldOption(m_fieldOption);
    OptionDialog.SetSystemOption(m_systemOption);
    OptionDialog.SetEnemyCount(m_enemyCount);
    OptionDialog.SetSoundEnabled(m_sound->enabled());
    OptionDialog.SetSoundUnavailable(m_sound->failed());
    QCoreApplication::processEvents();
    if (OptionDialog.exec() == QDialog::Accepted) {
        m_systemOption = OptionDialog.GetSystemOption();
        m_sound->SetEnabled(OptionDialog.GetSoundEnabled());
        const FieldOption fieldOption = OptionDialog.GetFieldOption();
        const int32_t enemyCount = OptionDialog.GetEnemyCount();
        bool changed = fieldOption != m_fieldOption || enemyCount != m_enemyCount;
        if (changed && m_systemOption.confirm)
            changed = AskQuestion(tr("Starting new pattern with modified settings."),
                                  tr("Confirmation"));
        if (changed) {
            SetOptions(fieldOption, enemyCount);
            SetState(GameState::Started, true);
        }
    }
    SetBusy(false);
}

void TSys::SetOptions(const FieldOption& field, int32_t enemyCount)
{
    m_fieldOption = field;
    m_enemyCount = enemyCount;
}

void TSys::NumberCommand()
{
    SetBusy(true);
    TPatternDialog& PatternDialog = dialogs.PatternDialog();
    PatternDialog.SetNumber(m_state == GameState::Waiting ? std::nullopt : std::optional(m_game->number()));
    PatternDialog.SetPar(m_solver ? m_solver->startVerdict() : std::nullopt);
    QCoreApplication::processEvents();
    if (PatternDialog.exec() == QDialog::Accepted)
        PlayPattern(PatternDialog.GetTypedNumber(), false);
    SetBusy(false);
}

void TSys::TimerTimer()
{
    if (m_busyCount > 0)
        return;
    m_game->Tick(m_state);
    DrawChangedCells(true);
    QCoreApplication::processEvents();
}
