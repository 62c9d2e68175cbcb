#pragma once

#include "DesktopPlatform.h"
#include "Game.h"
#include "GamePaths.h"
#include "GameSound.h"
#include "PixelZoom.h"
#include "SettingTable.h"
#include "StatusOption.h"
#include "SystemOption.h"

#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QPixmap>

#include <memory>
#include <optional>

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
class SolverWorker;
struct SolverResult;

// The main window: start and end of the program, game flow, input, help, drawing and
// the settings file. One class, split over a few files by concern.
class TSys : public QMainWindow {
    Q_OBJECT

public:
    // random is the model's one random source; tests hand in a scripted one. The dialogs
    // are built as the window's own, and go with it; their accessor must outlive it.
    TSys(GameRandom& random, const GamePaths& paths, GameDialogs& dialogs);
    ~TSys() override;

    // Game flow
    bool SetState(GameState newState, bool skipConfirm);
    // Starts the pattern a number names, as Start does; its options are that pattern's alone.
    bool PlayPattern(const PatternNumber& number, bool skipConfirm);
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

    // Zoom: the board at a whole multiple of its size, within the steps that fit the screen.
    void SetZoom(int32_t step);
    int32_t zoom() const { return m_zoom; }

    GameState state() const { return m_state; }
    // The number of the pattern dealt last.
    const PatternNumber& patternNumber() const { return m_game->number(); }
    // The options the player chose, which a start deals with; the pattern in play may have others.
    void SetOptions(const FieldOption& field, int32_t enemyCount);
    const FieldOption& fieldOption() const { return m_fieldOption; }
    int32_t enemyCount() const { return m_enemyCount; }
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
    // None before the first pattern.
    const SolverWorker* solver() const { return m_solver.get(); }

public slots:
    void MainMenu_GameClick(QAction* sender);
    void PopupMenuClick(QAction* sender);
    void MainMenu_ViewClick(QAction* sender);
    void MainMenu_HelpClick(QAction* sender);
    void TimerTimer();
    void ApplicationActivate();
    void ApplicationDeactivate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void FormPaint(const QRegion& area);
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void SquareClick(BoardSquare square);
    void StepHistory(bool back);
    void UpdateHistoryItems(bool inPattern);
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);

    void EndIfTerminating();
    bool ConfirmChange(GameState oldState, GameState newState);
    void UpdateStatistics(GameState oldState, GameState newState);
    void EnterState(GameState oldState, GameState newState);
    void SetRetryEnabled(bool enabled);
    void StatusCommand();
    void OptionCommand();
    void NumberCommand();
    bool AskQuestion(const QString& statement, const QString& caption);
    GameSettings CurrentSettings() const;
    void DrawCell(QPainter& painter, int32_t cell);
    void DrawPiece(QPainter& painter, int32_t cell);
    void DrawJoint(QPainter& painter, int32_t cell, int32_t neighbour);
    static void DrawImage(QPainter& painter, const QPixmap& sheet, int index, QSize size, QPoint at);
    void CopyToWindow(const QRect& area);
    void ApplyZoom(int32_t step);
    int32_t LargestZoom() const;
    void UpdateZoomItems();
    void PlaceWindow(QSize frame);
    QPoint HomePosition() const;
    SolverWorker& Solver();
    void DealPattern();
    void LeavePosition();
    void FollowPlay(GameState state);
    void HintCommand();
    void SearchDecided();
    void ShowHint(const SolverResult& result);
    void HideHint();

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
    FieldOption m_fieldOption;
    int32_t m_enemyCount = Settings::EnemyCount.initial;
    // Set while a typed number is being started, for the deal to take.
    std::optional<PatternNumber> m_typed;
    SystemOption m_systemOption;
    StatusOption m_statusOption;
    std::unique_ptr<QPixmap> m_offscreen;
    int32_t m_zoom = 1;
    PixelZoom m_pixelZoom;
    // Where the window's frame stands at 100 %, and where the last zoom put it: a larger
    // step may have moved it to show it whole, and 100 % brings it back.
    QPoint m_home;
    QPoint m_placed;

    // Set while a state change runs, so input delivered from inside it is ignored.
    bool m_changing = false;

    GameRandom& random;
    const GamePaths paths;
    DesktopPlatform platform;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<GameSound> m_sound;
    GameDialogs& dialogs;

    // The search behind the hints, and the cell a hint shows (-1: none). A hint asked for
    // before the search from the position has ended is wanted until then.
    std::unique_ptr<SolverWorker> m_solver;
    QTimer* m_hintTimer = nullptr;
    int32_t m_hintCell = -1;
    bool m_hintWanted = false;
};
