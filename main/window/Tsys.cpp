#include "Tsys.h"
#include "ui_Tsys.h"

#include "Application.h"
#include "BoardAccessible.h"
#include "BoardView.h"
#include "GameDialogs.h"
#include "GameRandom.h"
#include "GameState.h"
#include "HintDesk.h"
#include "ProgramTexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QTimer>

TSys::TSys(GameRandom& random, const GamePaths& paths, GameDialogs& dialogs)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                      | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TSys>())
    , random(random)
    , paths(paths)
    , platform(this)
    , m_game(std::make_unique<Game>(random, m_statusOption))
    , dialogs(dialogs)
{
    dialogs.BelongTo(this);
    // Before the widgets exist: an assistive technology may ask for them at once.
    BoardAccessible::Install();
    ui->setupUi(this);
    BoardAccessible::Attach(ui->Client, m_reading);
    m_board = std::make_unique<BoardView>(*ui->Client, m_game->field());
    m_hints = std::make_unique<HintDesk>(
        *m_game, *m_board, [this] { return m_busyCount > 0; }, [this](Verdict verdict) { SayNoSureWay(verdict); });

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    PopupMenu->addAction(ui->PopupMenu_Start);
    PopupMenu->addAction(ui->PopupMenu_Retry);
    PopupMenu->addAction(ui->PopupMenu_Hint);
    PopupMenu->addAction(ui->PopupMenu_Undo);
    PopupMenu->addAction(ui->PopupMenu_Redo);
    PopupMenu->addSeparator();
    PopupMenu->addAction(ui->PopupMenu_Status);
    PopupMenu->addAction(ui->PopupMenu_Option);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(100);

    // Bound per item so that shortcut keys reach the same handler as menu clicks.
    const auto bind = [this](QAction* item, void (TSys::*handler)(QAction*)) {
        connect(item, &QAction::triggered, this, [this, item, handler] { (this->*handler)(item); });
    };
    for (QAction* item : {ui->MainMenu_Game_Start, ui->MainMenu_Game_Retry, ui->MainMenu_Game_Hint,
                          ui->MainMenu_Game_Undo, ui->MainMenu_Game_Redo, ui->MainMenu_Game_Number,
                          ui->MainMenu_Game_Status, ui->MainMenu_Game_Option, ui->MainMenu_Game_Exit})
        bind(item, &TSys::MainMenu_GameClick);
    // The keys other games take back and redo a move with, whichever the player is used to.
    ui->MainMenu_Game_Undo->setShortcuts({ui->MainMenu_Game_Undo->shortcut(), QKeySequence(Qt::Key_Backspace)});
    ui->MainMenu_Game_Redo->setShortcuts({ui->MainMenu_Game_Redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* item : {ui->MainMenu_View_ZoomIn, ui->MainMenu_View_ZoomOut, ui->MainMenu_View_NormalSize})
        bind(item, &TSys::MainMenu_ViewClick);
    // Plus takes Shift on many keyboards; Ctrl+= is the same key without it.
    ui->MainMenu_View_ZoomIn->setShortcuts({ui->MainMenu_View_ZoomIn->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(ui->MainMenu_View, &QMenu::aboutToShow, this, &TSys::UpdateZoomItems);
    for (QAction* item : {ui->MainMenu_Help_Help, ui->MainMenu_Help_About})
        bind(item, &TSys::MainMenu_HelpClick);
    for (QAction* item : {ui->PopupMenu_Start, ui->PopupMenu_Retry, ui->PopupMenu_Hint, ui->PopupMenu_Undo,
                          ui->PopupMenu_Redo, ui->PopupMenu_Status, ui->PopupMenu_Option})
        bind(item, &TSys::PopupMenuClick);
    connect(Timer, &QTimer::timeout, this, &TSys::TimerTimer);
    ui->Client->installEventFilter(this);

    FormCreate();
}

TSys::~TSys()
{
    FormDestroy();
}

QWidget* TSys::client() const
{
    return ui->Client;
}

void TSys::FormCreate()
{
    // Not the display name: Qt would append that to every dialog caption.
    QCoreApplication::setApplicationName(TitleText);
    // From the start: a signal may come while the first boxes are open.
    if (auto* app = qobject_cast<Application*>(QCoreApplication::instance()))
        connect(app, &Application::terminationRequested, this, &TSys::EndIfTerminating);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive)
            ApplicationActivate();
        else if (s == Qt::ApplicationInactive)
            ApplicationDeactivate();
    });

    setWindowTitle(TitleText);
    // Keys go to the field, also after the menu bar was worked from the keyboard: it hands
    // the focus back to the widget that had it, and without one it would keep the keys.
    ui->Client->setFocusPolicy(Qt::StrongFocus);
    ui->Client->setFocus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 64, 0));
    ui->Client->setPalette(palette);

    m_sound = std::make_unique<GameSound>(QFile::encodeName(paths.sound).toStdString(), platform);

    LoadSettings();
    SetState(GameState::Waiting, false);
}

void TSys::FormDestroy()
{
    Timer->stop();
    m_hints.reset();
    SaveSettings();
    m_sound.reset();
    m_game.reset();
}

void TSys::closeEvent(QCloseEvent* event)
{
    // A close that arrives from inside a running state change waits for the next request.
    if (m_changing || !SetState(GameState::Quitting, false))
        event->ignore();
    else
        event->accept();
}

void TSys::ApplicationActivate()
{
    SetBusy(false);
}

void TSys::ApplicationDeactivate()
{
    SetBusy(true);
}

const QString& TSys::Reading::message() const
{
    return sys.m_board->message();
}

int32_t TSys::Reading::zoom() const
{
    return sys.m_board->zoom();
}
