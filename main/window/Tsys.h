#pragma once

#include "BoardReading.h"
#include "DesktopPlatform.h"
#include "Game.h"
#include "GamePaths.h"
#include "GameSound.h"
#include "SettingTable.h"
#include "StatusOption.h"
#include "SystemOption.h"
#include "WindowPlace.h"

#include <QMainWindow>

#include <memory>
#include <optional>

namespace Ui {
class TSys;
}
class QMenu;
class QTimer;
class GameRandom;
struct GameSettings;
class BoardView;
class GameDialogs;
class HintDesk;
enum class Verdict;

// The main window: start and end of the program, the game's flow, its menus and input,
// help and the settings file. The board view draws and zooms the board, the hint desk
// runs the search behind hints and fair patterns; the window wires them to the game.
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

    // Settings file
    bool LoadSettings();
    bool SaveSettings();

    // Zoom: the board at a whole multiple of its size, within the steps that fit the screen.
    // The window moves as little as it takes to show it whole.
    void SetZoom(int32_t step);

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
    GameField& field() const { return m_game->field(); }
    GamePlayer& player() const { return m_game->player(); }
    GameEnemy& enemy() const { return m_game->enemy(); }
    GameSound& sound() const { return *m_sound; }
    BoardView& board() const { return *m_board; }
    const HintDesk& hints() const { return *m_hints; }
    QWidget* client() const;
    QMenu* popupMenu() const { return PopupMenu; }

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
    // What the board's speech reads: the game, the flow's state and the board view.
    class Reading final : public BoardReading {
    public:
        explicit Reading(const TSys& sys)
            : sys(sys)
        {
        }
        const GameField& field() const override { return sys.m_game->field(); }
        const GamePlayer& player() const override { return sys.m_game->player(); }
        const GameEnemy& enemy() const override { return sys.m_game->enemy(); }
        GameState state() const override { return sys.m_state; }
        const QString& message() const override;
        int32_t zoom() const override;

    private:
        const TSys& sys;
    };

    void FormCreate();
    void FormDestroy();
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void SquareClick(BoardSquare square);
    void StepHistory(bool back);
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);

    void EndIfTerminating();
    bool ConfirmChange(GameState oldState, GameState newState);
    void UpdateStatistics(GameState oldState, GameState newState);
    void EnterState(GameState oldState, GameState newState);
    void FollowPlay(GameState state);
    void UpdatePlayItems(bool inPattern);
    void SetRetryEnabled(bool enabled);
    void StatusCommand();
    void OptionCommand();
    void NumberCommand();
    void SayNoSureWay(Verdict verdict);
    bool AskQuestion(const QString& statement, const QString& caption);
    GameSettings CurrentSettings() const;
    void ApplyZoom(int32_t step);
    void UpdateZoomItems();

    std::unique_ptr<Ui::TSys> ui;
    QMenu* PopupMenu = nullptr;
    QTimer* Timer = nullptr;

    GameState m_state = GameState::None;
    int32_t m_busyCount = 0;
    FieldOption m_fieldOption;
    int32_t m_enemyCount = Settings::EnemyCount.initial;
    // Set while a typed number is being started, for the deal to take.
    std::optional<PatternNumber> m_typed;
    SystemOption m_systemOption;
    StatusOption m_statusOption;
    WindowPlace m_place{*this};

    // Set while a state change runs, so input delivered from inside it is ignored.
    bool m_changing = false;

    GameRandom& random;
    const GamePaths paths;
    DesktopPlatform platform;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<GameSound> m_sound;
    GameDialogs& dialogs;
    std::unique_ptr<BoardView> m_board;
    std::unique_ptr<HintDesk> m_hints;
    const Reading m_reading{*this};
};
