#include "GameWindow.h"
#include "ModalHelper.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <stdexcept>

namespace {

// Runs the Option command; edit changes the dialog's controls before OK.
void ChangeOptions(const GameWindow& game, const std::function<void(QWidget*)>& edit, bool accept = true)
{
    ActOnNextModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog, &game.forms->dialogs.OptionDialog());
        edit(dialog);
        if (accept)
            static_cast<QDialog*>(dialog)->accept();
        else
            static_cast<QDialog*>(dialog)->reject();
    });
    game.Item("MainMenu_Game_Option")->trigger();
}

void Check(QWidget* dialog, const char* box, bool checked)
{
    dialog->findChild<QCheckBox*>(QLatin1String(box))->setChecked(checked);
}

void Slide(QWidget* dialog, const char* bar, int value)
{
    dialog->findChild<QSlider*>(QLatin1String(bar))->setValue(value);
}

}

TEST(Commands, OptionSwitchesApplyAtOnceWithoutANewPattern)
{
    GameWindow game;
    game->SetState(GameState::Started, true);
    const int32_t player = game->player().cellIndex();
    ChangeOptions(game, [](QWidget* dialog) {
        Check(dialog, "ConfirmChkBox", true);
        Check(dialog, "PositionChkBox", false);
        Check(dialog, "SoundChkBox", false);
    });
    EXPECT_TRUE(game->systemOption().confirm);
    EXPECT_FALSE(game->systemOption().position);
    EXPECT_FALSE(game->sound().enabled());
    EXPECT_EQ(game->statusOption().start, 1);
    EXPECT_EQ(game->player().cellIndex(), player);
    EXPECT_EQ(game->busyCount(), 0);

    // Cancel applies nothing.
    ChangeOptions(game, [](QWidget* dialog) {
        Check(dialog, "ConfirmChkBox", false);
        Slide(dialog, "CellTrkBar", 40);
    }, false);
    EXPECT_TRUE(game->systemOption().confirm);
    EXPECT_EQ(game->field().option().cell, 32);
}

TEST(Commands, ChangedNumbersStartANewPatternEvenFromWaiting)
{
    GameWindow game;
    ChangeOptions(game, [](QWidget* dialog) {
        Slide(dialog, "CellTrkBar", 40);
        Slide(dialog, "EnemyTrkBar", 5);
    });
    EXPECT_EQ(game->state(), GameState::Started);
    EXPECT_EQ(game->field().option().cell, 40);
    EXPECT_EQ(game->enemy().cells().size(), 5u);
    EXPECT_EQ(game->statusOption().start, 1);
    EXPECT_TRUE(game.Item("MainMenu_Game_Retry")->isEnabled());
}

TEST(Commands, OptionQuestionFollowsTheNewConfirmSwitch)
{
    GameWindow game;
    game->SetState(GameState::Started, true);

    // Confirm turned on with new numbers: asked; Cancel keeps the switch, drops the numbers.
    auto shown = AnswerNextBox(QMessageBox::Cancel);
    ChangeOptions(game, [](QWidget* dialog) {
        Check(dialog, "ConfirmChkBox", true);
        Slide(dialog, "TrapTrkBar", 5);
    });
    EXPECT_EQ(shown->text, QStringLiteral("Starting new pattern with modified settings.\n\nSure?"));
    EXPECT_EQ(shown->caption, QStringLiteral("Confirmation"));
    EXPECT_TRUE(game->systemOption().confirm);
    EXPECT_EQ(game->field().option().trap, 2);
    EXPECT_EQ(game->statusOption().start, 1);

    shown = AnswerNextBox(QMessageBox::Ok);
    ChangeOptions(game, [](QWidget* dialog) { Slide(dialog, "TrapTrkBar", 5); });
    EXPECT_TRUE(shown->seen);
    EXPECT_EQ(game->field().option().trap, 5);
    EXPECT_EQ(game->statusOption().start, 2);

    // Confirm turned off in the same dialog: no question at all.
    shown = AnswerNextBox(QMessageBox::Cancel, 300);
    ChangeOptions(game, [](QWidget* dialog) {
        Check(dialog, "ConfirmChkBox", false);
        Slide(dialog, "ObstacleTrkBar", 0);
    });
    QTest::qWait(350);
    EXPECT_FALSE(shown->seen);
    EXPECT_EQ(game->field().option().obstacle, 0);
    EXPECT_EQ(game->statusOption().start, 3);
}

// The dialogs are built on their first showing, so a start pays for none.
TEST(Commands, StatusShowsTheCurrentStatistics)
{
    const auto dialogs = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return qobject_cast<QDialog*>(w); });
    };
    GameWindow game("[statusOption]\nclear=2\ngameover=1\n");
    EXPECT_EQ(dialogs(), 0);
    QString values;
    QString ratio;
    ActOnNextModal([&](QWidget* dialog) {
        values = dialog->findChild<QLabel*>(QStringLiteral("ValueLabel"))->text();
        ratio = dialog->findChild<QLabel*>(QStringLiteral("RatioLabel"))->text();
        static_cast<QDialog*>(dialog)->accept();
    });
    QTest::keyClick(&*game, Qt::Key_F4);
    EXPECT_EQ(values, QStringLiteral("0\n0\n\n2\n1\n\n0\n0\n0"));
    EXPECT_EQ(dialogs(), 1);
    EXPECT_TRUE(ratio.contains(QStringLiteral("66")));
}

namespace {

class Thrower : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("disk on fire"); }
};

}

TEST(Commands, AnExceptionInAHandlerIsShownAndPlayGoesOn)
{
    GameWindow game;
    Thrower thrower;
    const auto shown = AnswerNextBox(QMessageBox::Ok);
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_TRUE(shown->seen);
    EXPECT_EQ(shown->text, QStringLiteral("disk on fire"));
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    game.Click({278, 190});
    EXPECT_EQ(game->state(), GameState::Started);
}

// The dialog shows the number of the pattern dealt last, for copying; a typed number is
// played as Start plays a pattern, with options of its own, and a bad one changes nothing.
TEST(Commands, PatternNumbersAreShownAndTypedOnesPlayedWithTheirOwnOptions)
{
    GameWindow game;
    const auto numberDialog = [&](const std::function<void(QWidget*)>& act) {
        ActOnNextModal([&](QWidget* dialog) {
            EXPECT_EQ(dialog, &game.forms->dialogs.PatternDialog());
            act(dialog);
        });
        game.Item("MainMenu_Game_Number")->trigger();
    };
    const auto field = [](QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QLatin1String(name));
    };
    const auto button = [](QWidget* dialog, const char* name) {
        return dialog->findChild<QPushButton*>(QLatin1String(name));
    };
    numberDialog([&](QWidget* dialog) {
        EXPECT_TRUE(field(dialog, "CurrentEdit")->text().isEmpty());
        EXPECT_FALSE(button(dialog, "CopyButton")->isEnabled());
        button(dialog, "CloseButton")->click();
    });
    game.StartSeeded();

    numberDialog([&](QWidget* dialog) {
        EXPECT_EQ(field(dialog, "CurrentEdit")->text(), QStringLiteral("32-3-2-3-7"));
        button(dialog, "CopyButton")->click();
        QStringList messages;
        for (const char* bad : {"32-3-2-3", "23-3-2-3-7", "32-3-2-3-123456789"}) {
            field(dialog, "TypedEdit")->setText(QLatin1String(bad));
            button(dialog, "PlayButton")->click();
            EXPECT_TRUE(dialog->isVisible()) << bad;
            messages.append(dialog->findChild<QLabel*>(QStringLiteral("MessageLabel"))->text());
        }
        messages.removeDuplicates();
        EXPECT_EQ(messages.size(), 3) << messages.join('\n').toStdString();
        EXPECT_FALSE(messages.contains(QString()));
        EXPECT_EQ(game->statusOption().start, 1);
        field(dialog, "TypedEdit")->setText(QStringLiteral(" 40-5-5-5-123 "));
        button(dialog, "PlayButton")->click();
    });
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("32-3-2-3-7"));
    EXPECT_EQ(game->patternNumber(), (PatternNumber{{40, 5, 5}, 5, 123}));
    EXPECT_EQ(game->enemy().cells().size(), 5u);
    EXPECT_EQ(game->statusOption().start, 2);
    EXPECT_EQ(game->fieldOption(), FieldOption{});

    QTest::keyClick(&*game, Qt::Key_Space);
    EXPECT_EQ(game->field().option(), FieldOption{});
    EXPECT_EQ(game->enemy().cells().size(), 3u);
}
