#include "AboutDialog.h"
#include "OptionDialog.h"
#include "ProgramTexts.h"
#include "StatusDialog.h"

#include <QAccessible>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <stdexcept>

namespace {

template <typename T>
T* Child(const QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        throw std::runtime_error(std::string("no control ") + name);
    return child;
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 2000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

void ShowActive(QDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// Runs the dialog modally while `answer` acts on it from inside the modal loop; a
// watchdog rejects it so a failed answer cannot hang the test.
int ExecAnswering(QDialog& dialog, const std::function<void()>& answer)
{
    QTimer::singleShot(0, &dialog, answer);
    QTimer::singleShot(3000, &dialog, &QDialog::reject);
    return dialog.exec();
}

QStringList Lines(const QLabel* label)
{
    return label->text().split(LineBreak);
}

// Qt would centre a dialog over its parent; the game's dialogs open mid-screen.
TEST(DialogFrameTest, DialogsOpenCentredOnTheScreenWhereverTheParentIs)
{
    QWidget parent;
    parent.setGeometry(0, 0, 200, 150);
    parent.show();
    TOptionDialog option(&parent);
    TStatusDialog status(&parent);
    TAboutDialog about(&parent);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&option, &status, &about}) {
        dialog->show();
        const QPoint centre = dialog->screen()->availableGeometry().center();
        EXPECT_LE((dialog->frameGeometry().center() - centre).manhattanLength(), 2)
            << dialog->windowTitle().toStdString();
        dialog->hide();
    }
}

// ---------------------------------------------------------------- option dialog

class OptionDialogTest : public testing::Test {
protected:
    TOptionDialog dialog;
    QSlider* cell = Child<QSlider>(dialog, "CellTrkBar");
    QSlider* enemy = Child<QSlider>(dialog, "EnemyTrkBar");
    QSlider* obstacle = Child<QSlider>(dialog, "ObstacleTrkBar");
    QSlider* trap = Child<QSlider>(dialog, "TrapTrkBar");
    QLabel* cellLabel = Child<QLabel>(dialog, "CellLabel1");
    QLabel* enemyLabel = Child<QLabel>(dialog, "EnemyLabel1");
    QLabel* obstacleLabel = Child<QLabel>(dialog, "ObstacleLabel1");
    QLabel* trapLabel = Child<QLabel>(dialog, "TrapLabel1");
    QCheckBox* confirm = Child<QCheckBox>(dialog, "ConfirmChkBox");
    QCheckBox* sound = Child<QCheckBox>(dialog, "SoundChkBox");
    QCheckBox* position = Child<QCheckBox>(dialog, "PositionChkBox");
    QCheckBox* status = Child<QCheckBox>(dialog, "StatusChkBox");
    QPushButton* ok = Child<QPushButton>(dialog, "OkButton");
    QPushButton* cancel = Child<QPushButton>(dialog, "CancelButton");

    void ExpectLabels(const char* c, const char* e, const char* o, const char* t) const
    {
        EXPECT_EQ(cellLabel->text(), c);
        EXPECT_EQ(enemyLabel->text(), e);
        EXPECT_EQ(obstacleLabel->text(), o);
        EXPECT_EQ(trapLabel->text(), t);
    }
};

TEST_F(OptionDialogTest, OpensWithTheDefaultsAndTheirLabels)
{
    EXPECT_EQ(dialog.GetFieldOption(), FieldOption{});
    EXPECT_EQ(dialog.GetEnemyCount(), 3);
    EXPECT_EQ(dialog.GetSystemOption(), SystemOption{});
    ExpectLabels(" x 32", " x 3", " x 3", " x 2");
    EXPECT_EQ(dialog.windowTitle(), "Option");
    EXPECT_EQ(dialog.size(), QSize(592, 337));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(OptionDialogTest, EveryTrackBarMoveRewritesItsOwnLabel)
{
    cell->triggerAction(QAbstractSlider::SliderToMinimum);
    ExpectLabels(" x 24", " x 3", " x 3", " x 2");
    cell->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(cellLabel->text(), " x 40");
    cell->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(cellLabel->text(), " x 39");
    enemy->triggerAction(QAbstractSlider::SliderToMaximum);
    obstacle->triggerAction(QAbstractSlider::SliderToMinimum);
    trap->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ExpectLabels(" x 39", " x 5", " x 0", " x 3");
}

TEST_F(OptionDialogTest, TrackBarsHaveTheRangesAndTicksOfTheTable)
{
    const struct { QSlider* bar; int min; int max; } ranges[] = {
        {cell, 24, 40}, {enemy, 1, 5}, {obstacle, 0, 5}, {trap, 0, 5}};
    for (const auto& r : ranges) {
        EXPECT_EQ(r.bar->minimum(), r.min) << r.bar->objectName().toStdString();
        EXPECT_EQ(r.bar->maximum(), r.max) << r.bar->objectName().toStdString();
        EXPECT_EQ(r.bar->pageStep(), 1);
        EXPECT_EQ(r.bar->tickInterval(), 1);
        EXPECT_EQ(r.bar->tickPosition(), QSlider::TicksAbove);
    }
}

TEST_F(OptionDialogTest, DefaultResetsEverythingButSoundAndStaysOpen)
{
    ShowActive(dialog);
    dialog.SetFieldOption({40, 0, 5});
    dialog.SetEnemyCount(5);
    dialog.SetSystemOption({true, false, false});
    dialog.SetSoundEnabled(true);
    dialog.SetSoundUnavailable(true);

    QTest::mouseClick(Child<QPushButton>(dialog, "DefaultButton"), Qt::LeftButton);

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.GetFieldOption(), (FieldOption{32, 3, 2}));
    EXPECT_EQ(dialog.GetEnemyCount(), 3);
    EXPECT_EQ(dialog.GetSystemOption(), (SystemOption{false, true, true}));
    ExpectLabels(" x 32", " x 3", " x 3", " x 2");
    EXPECT_TRUE(dialog.GetSoundEnabled());
    EXPECT_FALSE(sound->isEnabled());

    dialog.SetSoundEnabled(false);
    dialog.SetSoundUnavailable(false);
    dialog.SetDefaults();
    EXPECT_FALSE(dialog.GetSoundEnabled());
    EXPECT_TRUE(sound->isEnabled());
}

TEST_F(OptionDialogTest, OutOfRangeValuesAreClampedAndReadBackClamped)
{
    dialog.SetFieldOption({50, -1, 9});
    dialog.SetEnemyCount(0);
    ExpectLabels(" x 40", " x 1", " x 0", " x 5");

    EXPECT_EQ(ExecAnswering(dialog, [&] { QTest::mouseClick(ok, Qt::LeftButton); }), QDialog::Accepted);
    EXPECT_EQ(dialog.GetFieldOption(), (FieldOption{40, 0, 5}));
    EXPECT_EQ(dialog.GetEnemyCount(), 1);

    dialog.SetFieldOption({10, 3, 2});
    EXPECT_EQ(cellLabel->text(), " x 24");
    EXPECT_EQ(dialog.GetFieldOption().cell, 24);
}

TEST_F(OptionDialogTest, LoadingUnchangedPositionsStillRewritesTheLabels)
{
    for (QLabel* label : {cellLabel, enemyLabel, obstacleLabel, trapLabel})
        label->clear();
    dialog.SetFieldOption({32, 3, 2});
    ExpectLabels(" x 32", " x 3", " x 3", " x 2");

    enemyLabel->clear();
    dialog.SetEnemyCount(3);
    EXPECT_EQ(enemyLabel->text(), " x 3");
}

TEST_F(OptionDialogTest, UpdateValueLabelIgnoresForeignTrackBars)
{
    QSlider stranger;
    stranger.setValue(7);
    dialog.UpdateValueLabel(&stranger);
    dialog.UpdateValueLabel(nullptr);
    ExpectLabels(" x 32", " x 3", " x 3", " x 2");
}

TEST_F(OptionDialogTest, GreyedSoundBoxCannotBeToggledButIsStillRead)
{
    ShowActive(dialog);
    dialog.SetSoundEnabled(true);
    dialog.SetSoundUnavailable(true);
    EXPECT_FALSE(sound->isEnabled());

    QTest::mouseClick(sound, Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
    QTest::qWait(200);
    EXPECT_TRUE(sound->isChecked());
    EXPECT_TRUE(dialog.GetSoundEnabled());

    dialog.SetSoundEnabled(false);
    EXPECT_FALSE(dialog.GetSoundEnabled());
}

TEST_F(OptionDialogTest, AcceleratorsFocusTrackBarsAndToggleCheckBoxes)
{
    ShowActive(dialog);
    const struct { Qt::Key key; QSlider* bar; } bars[] = {
        {Qt::Key_1, cell}, {Qt::Key_2, enemy}, {Qt::Key_3, obstacle}, {Qt::Key_4, trap}};
    for (const auto& b : bars) {
        QTest::keyClick(&dialog, b.key, Qt::AltModifier);
        EXPECT_EQ(dialog.focusWidget(), b.bar) << b.bar->objectName().toStdString();
    }

    const struct { Qt::Key key; QCheckBox* box; } boxes[] = {
        {Qt::Key_C, confirm}, {Qt::Key_S, sound}, {Qt::Key_R, position}, {Qt::Key_T, status}};
    for (const auto& b : boxes) {
        const bool before = b.box->isChecked();
        QTest::keyClick(&dialog, b.key, Qt::AltModifier);
        EXPECT_TRUE(WaitFor([&] { return b.box->isChecked() != before; }))
            << b.box->objectName().toStdString();
    }
}

TEST_F(OptionDialogTest, TabRunsThroughTheControlsInOrder)
{
    ShowActive(dialog);
    const QList<QWidget*> order = {ok, cancel, Child<QPushButton>(dialog, "DefaultButton"),
                                   cell, enemy, obstacle, trap, confirm, sound, position, status, ok};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        ASSERT_EQ(dialog.focusWidget(), order[i]) << i;
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(dialog.focusWidget(), ok);
}

TEST_F(OptionDialogTest, EveryShowingStartsWithTheFocusOnOk)
{
    ShowActive(dialog);
    EXPECT_EQ(dialog.focusWidget(), ok);
    trap->setFocus();
    ASSERT_EQ(dialog.focusWidget(), trap);
    dialog.hide();
    ShowActive(dialog);
    EXPECT_EQ(dialog.focusWidget(), ok);
}

TEST_F(OptionDialogTest, OkAndEnterAcceptWhileCancelEscAndCloseReject)
{
    EXPECT_EQ(ExecAnswering(dialog, [&] { QTest::keyClick(trap, Qt::Key_Return); }), QDialog::Accepted);
    EXPECT_EQ(ExecAnswering(dialog, [&] { QTest::mouseClick(cancel, Qt::LeftButton); }), QDialog::Rejected);
    EXPECT_EQ(ExecAnswering(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }), QDialog::Rejected);
    EXPECT_EQ(ExecAnswering(dialog, [&] { dialog.close(); }), QDialog::Rejected);
}

TEST_F(OptionDialogTest, PicturesSitAtTheirOwnSizeInTheMiddleOfTheirBoxes)
{
    const char* names[] = {"CellImage", "EnemyImage", "ObstacleImage", "TrapImage"};
    const int tops[] = {41, 92, 142, 195};
    for (int i = 0; i < 4; ++i) {
        QLabel* image = Child<QLabel>(dialog, names[i]);
        ASSERT_FALSE(image->pixmap().isNull()) << names[i];
        EXPECT_EQ(image->pixmap().size(), QSize(36, 32)) << names[i];
        EXPECT_EQ(image->geometry(), QRect(24, tops[i] + 4, 36, 32)) << names[i];
    }
}

// ---------------------------------------------------------------- status dialog

class StatusDialogTest : public testing::Test {
protected:
    TStatusDialog dialog;
    QLabel* key = Child<QLabel>(dialog, "KeyLabel");
    QLabel* equal = Child<QLabel>(dialog, "EqualLabel");
    QLabel* value = Child<QLabel>(dialog, "ValueLabel");
    QLabel* ratio = Child<QLabel>(dialog, "RatioLabel");

    QString RatioLine(int32_t clear, int32_t gameover)
    {
        StatusOption s;
        s.clear = clear;
        s.gameover = gameover;
        dialog.SetStatusOption(s);
        return Lines(ratio).value(3);
    }
};

// Restores the default locale even when a check fails.
struct DefaultLocale {
    QLocale saved;
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved); }
};

TEST_F(StatusDialogTest, AllZeroShowsZerosAndARatioOfZero)
{
    dialog.SetStatusOption({});
    EXPECT_EQ(Lines(value), QStringList({"0", "0", "", "0", "0", "", "0", "0", "0"}));
    EXPECT_EQ(Lines(ratio), QStringList({"", "", "", " (0.0%)", "", "", "", "", ""}));
    EXPECT_EQ(Lines(key), QStringList({"Start", "Retry", "", "Clear", "Gameover", "", "Hat Trick", "Succeeding",
                                       "Max Succeeding"}));
    EXPECT_EQ(Lines(equal), QStringList({":", ":", "", ":", ":", "", ":", ":", ":"}));
}

TEST_F(StatusDialogTest, ClearRatioRoundsToTenthsWithHalvesUp)
{
    DefaultLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(RatioLine(3, 1), " (75.0%)");
    EXPECT_EQ(RatioLine(1, 2), " (33.3%)");
    EXPECT_EQ(RatioLine(2, 1), " (66.7%)");
    EXPECT_EQ(RatioLine(5, 0), " (100.0%)");
    EXPECT_EQ(RatioLine(0, 4), " (0.0%)");
    EXPECT_EQ(RatioLine(1, 15), " (6.3%)");
    EXPECT_EQ(RatioLine(1, 39), " (2.5%)");
}

TEST_F(StatusDialogTest, ClearRatioUsesTheLocaleSeparatorWithoutGrouping)
{
    DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(RatioLine(2, 1), " (66,7%)");
    EXPECT_EQ(RatioLine(1, 15), " (6,3%)");
    EXPECT_EQ(RatioLine(1000, -999), " (100000,0%)");
}

TEST_F(StatusDialogTest, ExtremeCountsAreShownAsTheyAre)
{
    StatusOption s{INT32_MAX, -5, INT32_MAX, INT32_MAX, 0, -1, INT32_MIN};
    dialog.SetStatusOption(s);
    EXPECT_EQ(Lines(value), QStringList({"2147483647", "-5", "", "2147483647", "2147483647", "", "0", "-1",
                                         "-2147483648"}));
    EXPECT_EQ(Lines(ratio).value(3), " (" + QLocale().toString(50.0, 'f', 1) + "%)");
    EXPECT_EQ(RatioLine(-1, 1), " (" + QLocale().toString(0.0, 'f', 1) + "%)");
}

TEST_F(StatusDialogTest, ColumnsLineUpRowByRow)
{
    StatusOption s{1234567, 2, 3, 9999999, 5, 6, 7};
    dialog.SetStatusOption(s);
    for (QLabel* column : {key, equal, value, ratio}) {
        const std::string name = column->objectName().toStdString();
        EXPECT_EQ(Lines(column).size(), 9) << name;
        EXPECT_EQ(column->y(), key->y()) << name;
        EXPECT_EQ(column->height(), key->height()) << name;
        EXPECT_EQ(column->font(), key->font()) << name;
        EXPECT_TRUE(column->alignment() & Qt::AlignVCenter) << name;
        // A wrapped line would push the rows below it out of line.
        for (const QString& line : Lines(column))
            EXPECT_LE(column->fontMetrics().horizontalAdvance(line), column->width()) << name;
        EXPECT_LE(column->fontMetrics().lineSpacing() * 9, column->height()) << name;
    }
}

TEST_F(StatusDialogTest, TextsChangeOnlyWhenLoaded)
{
    dialog.SetStatusOption({1, 2, 3, 4, 5, 6, 7});
    const QString values = value->text();
    const QString ratios = ratio->text();
    ShowActive(dialog);
    dialog.hide();
    ShowActive(dialog);
    EXPECT_EQ(value->text(), values);
    EXPECT_EQ(ratio->text(), ratios);
}

TEST_F(StatusDialogTest, EscDoesNotCloseButEnterDoes)
{
    dialog.SetStatusOption({});
    const int result = ExecAnswering(dialog, [&] {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        if (dialog.isVisible())
            QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.windowTitle(), "Status");
    EXPECT_EQ(dialog.size(), QSize(474, 297));
}

// ---------------------------------------------------------------- About dialog

TEST(AboutDialogTest, TextIsBuiltOnceWithTwoBlanksBetweenItsParts)
{
    TAboutDialog dialog;
    QLabel* message = Child<QLabel>(dialog, "MessageLabel");
    const QString text = message->text();
    const QStringList lines = text.split(LineBreak);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Tarvik  for Linux  version 1.2.3");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], CopyrightText);
    EXPECT_TRUE(message->font().bold());

    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(ExecAnswering(dialog, [&] { QTest::mouseClick(Child<QPushButton>(dialog, "OkButton"),
                                                                Qt::LeftButton); }),
                  QDialog::Accepted);
        EXPECT_EQ(message->text(), text);
    }
}

TEST(AboutDialogTest, IconLiesOverTheBevelAndEscDoesNotClose)
{
    TAboutDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "About");
    EXPECT_EQ(dialog.size(), QSize(586, 225));
    QLabel* icon = Child<QLabel>(dialog, "MessageImage");
    EXPECT_EQ(icon->geometry(), QRect(26, 26, 32, 32));
    EXPECT_FALSE(icon->pixmap().isNull());
    const QObjectList& stack = dialog.children();
    EXPECT_GT(stack.indexOf(icon), stack.indexOf(Child<QFrame>(dialog, "MessageBevel")));
    EXPECT_GT(stack.indexOf(icon), stack.indexOf(Child<QLabel>(dialog, "MessageLabel")));

    const int result = ExecAnswering(dialog, [&] {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        if (dialog.isVisible())
            dialog.close();
    });
    EXPECT_EQ(result, QDialog::Rejected);
}

} // namespace

// ---------------------------------------------------------------- screen readers

// What a screen reader says of a widget: its accessible name, or what Qt makes of its text.
QString Spoken(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
}

TEST(DialogAccessibilityTest, EveryControlHasANameAndTheStatisticsReadAsPairs)
{
    TOptionDialog option;
    TStatusDialog status;
    TAboutDialog about;
    for (QDialog* dialog : std::initializer_list<QDialog*>{&option, &status, &about}) {
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            if (control->focusPolicy() != Qt::NoFocus) {
                EXPECT_FALSE(Spoken(control).isEmpty()) << control->objectName().toStdString();
            }
        }
    }
    EXPECT_EQ(Spoken(Child<QSlider>(option, "EnemyTrkBar")), "Enemy");

    status.SetStatusOption({1, 2, 3, 1, 0, 0, 2});
    EXPECT_EQ(Spoken(Child<QLabel>(status, "KeyLabel")).split(LineBreak),
              QStringList({"Start: 1", "Retry: 2", "Clear: 3 (75.0%)", "Gameover: 1", "Hat Trick: 0", "Succeeding: 0",
                           "Max Succeeding: 2"}));
    for (const char* column : {"EqualLabel", "ValueLabel", "RatioLabel"})
        EXPECT_EQ(Spoken(Child<QLabel>(status, column)), "") << column;
}
