#include "Tsys.h"
#include "ui_Tsys.h"

#include "Application.h"
#include "BoardAccessible.h"
#include "BoardMessages.h"
#include "BoardView.h"
#include "GameDialogs.h"
#include "GameRules.h"
#include "GameSolver.h"
#include "GameState.h"
#include "HintDesk.h"
#include "ProgramTexts.h"

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
    m_hints->Leave();
    switch (newState) {
    case GameState::Waiting:
        SetRetryEnabled(false);
        m_board->DrawWaitingScreen();
        m_board->DrawMessage(BoardMessages::Waiting);
        break;
    case GameState::Started:
        SetRetryEnabled(true);
        m_board->DrawMessage(BoardMessages::Started);
        m_sound->Play(oldState == GameState::Waiting ? 1 : 2);
        break;
    case GameState::Retrying:
        m_board->DrawMessage(BoardMessages::Retrying);
        m_sound->Play(3);
        break;
    case GameState::Cleared: {
        if (Rules::HatTrick(m_statusOption.succeeding)) {
            // Let the clearing move show before the pause that builds up to the fanfare.
            QCoreApplication::processEvents();
            QThread::msleep(800);
            m_board->DrawMessage(BoardMessages::HatTrick);
            m_sound->Play(6);
        } else {
            m_board->DrawMessage(BoardMessages::Cleared);
            m_sound->Play(4);
        }
        break;
    }
    case GameState::Gameover:
        m_board->DrawMessage(BoardMessages::Gameover);
        m_sound->Play(5);
        break;
    default:
        break;
    }
    // A start deals the pattern of a typed number, or one of the player's options.
    if (newState == GameState::Started)
        m_hints->Deal(m_typed, m_fieldOption, m_enemyCount, ui->MainMenu_Game_Fair->isChecked());
    else
        m_game->ChangeState(newState);
    m_board->DrawChangedCells(false);
    FollowPlay(newState);
}

// The play stands in a new position or has entered the state. While a pattern is in play,
// the search starts from here, so a hint is usually ready when asked for.
void TSys::FollowPlay(GameState state)
{
    m_hints->Follow(InPattern(state));
    UpdatePlayItems(InPattern(state));
}

void TSys::UpdatePlayItems(bool inPattern)
{
    for (QAction* item : {ui->MainMenu_Game_Hint, ui->PopupMenu_Hint})
        item->setEnabled(inPattern);
    for (QAction* item : {ui->MainMenu_Game_Undo, ui->PopupMenu_Undo})
        item->setEnabled(inPattern && m_game->CanUndo());
    for (QAction* item : {ui->MainMenu_Game_Redo, ui->PopupMenu_Redo})
        item->setEnabled(inPattern && m_game->CanRedo());
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
    else if (sender == ui->MainMenu_Game_Hint && InPattern(m_state))
        m_hints->Ask();
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
    PatternDialog.SetPar(m_hints->startVerdict());
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
    m_board->DrawChangedCells(true);
    QCoreApplication::processEvents();
}

void TSys::SayNoSureWay(Verdict verdict)
{
    SetBusy(true);
    QCoreApplication::processEvents();
    if (!Application::Terminating()) {
        QMessageBox::information(
            this, tr("Hint"),
            verdict == Verdict::Lost
                ? tr("There is no sure way to clear the pattern from here: whatever you do, the ducks may "
                     "catch you, depending on the order they step in.")
                : tr("No sure way to clear the pattern from here was found in time. There may still be one."));
    }
    SetBusy(false);
}
