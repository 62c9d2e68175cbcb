#pragma once

#include "DesktopPlatform.h"
#include "Game.h"
#include "GamePaths.h"
#include "GameSound.h"
#include "StatusOption.h"
#include "SystemOption.h"

#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QPixmap>

#include <memory>

namespace Ui {
class TSys;
}
class QMenu;
class QPainter;
class QTimer;
class GameRandom;
struct BoardMessage;
struct GameSettings;
class GameDialogs;

// The main window: start and end of the program, game flow, input, help, drawing and
// the settings file. One class, split over a few files by concern.
class TSys : public QMainWindow {
    Q_OBJECT

public:
    // random is the model's one random source; tests hand in a scripted one. The dialogs
    // must outlive the window.
    TSys(GameRandom& random, const GamePaths& paths, GameDialogs& dialogs);
    ~TSys() override;

    // Game flow
    bool SetState(GameState newState, bool skipConfirm);
    void SetBusy(bool on);

    // Drawing
    void DrawChangedCells(bool piecesOnly);
    void DrawWaitingScreen();
    void DrawMessage(const QString& text, const QColor& colour);
    // In the player's language.
    void DrawMessage(const BoardMessage& message);

    // Settings file
    bool LoadSettings();
    bool SaveSettings();

    GameState state() const { return m_state; }
    int32_t busyCount() const { return m_busyCount; }
    const SystemOption& systemOption() const { return m_systemOption; }
    const StatusOption& statusOption() const { return m_statusOption; }
    const QPixmap& offscreen() const { return *m_offscreen; }
    GameField& field() const { return m_game->field(); }
    GamePlayer& player() const { return m_game->player(); }
    GameEnemy& enemy() const { return m_game->enemy(); }
    GameSound& sound() const { return *m_sound; }
    QWidget* client() const;
    QMenu* popupMenu() const { return PopupMenu; }
    const QFont& messageFont() const { return canvasFont; }
    // The text the message line shows now.
    const QString& message() const { return m_message; }

public slots:
    void MainMenu_GameClick(QAction* sender);
    void PopupMenuClick(QAction* sender);
    void MainMenu_HelpClick(QAction* sender);
    void TimerTimer();
    void ApplicationActivate();
    void ApplicationDeactivate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void FormPaint(const QRect& area);
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void SquareClick(BoardSquare square);
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);

    void EndIfTerminating();
    bool ConfirmChange(GameState oldState, GameState newState);
    void UpdateStatistics(GameState oldState, GameState newState);
    void EnterState(GameState oldState, GameState newState);
    void SetRetryEnabled(bool enabled);
    void StatusCommand();
    void OptionCommand();
    bool AskQuestion(const QString& statement, const QString& caption);
    GameSettings CurrentSettings() const;
    void DrawCell(QPainter& painter, int32_t cell);
    void DrawPiece(QPainter& painter, int32_t cell);
    void DrawJoint(QPainter& painter, int32_t cell, int32_t neighbour);
    static void DrawImage(QPainter& painter, const QPixmap& sheet, int index, QSize size, QPoint at);
    void CopyToWindow(const QRect& area);

    std::unique_ptr<Ui::TSys> ui;
    QMenu* PopupMenu = nullptr;
    QTimer* Timer = nullptr;
    QPixmap ChrImgList;
    QPixmap JointHImgList;
    QPixmap JointVImgList;
    QFont canvasFont;
    QString m_message;

    GameState m_state = GameState::None;
    int32_t m_busyCount = 0;
    SystemOption m_systemOption;
    StatusOption m_statusOption;
    std::unique_ptr<QPixmap> m_offscreen;

    // Set while a state change runs, so input delivered from inside it is ignored.
    bool m_changing = false;

    GameRandom& random;
    const GamePaths paths;
    DesktopPlatform platform;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<GameSound> m_sound;
    GameDialogs& dialogs;
};
