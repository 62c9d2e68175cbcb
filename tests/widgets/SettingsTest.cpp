#include "GameDialogs.h"
#include "GamePaths.h"
#include "GameSettings.h"
#include "SettingsFile.h"
#include "Tsys.h"

#include "GameRandom.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <optional>
#include <utility>

namespace {

std::string Path(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(text), text.size());
}

QByteArray ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything in the folder but "." and "..": a failed save must leave no temporary behind.
QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// ---------------------------------------------------------------------------------------
// The file wrapper on its own

TEST(SettingsFileTest, ParsesDecimalAndHexadecimalIntegersOnly)
{
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"28", 28}, {"0x1C", 28}, {"0X1c", 28}, {"-5", -5}, {"+7", 7}, {"-0x10", -16},
        {"010", 10}, {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}, {"0x7FFFFFFF", INT32_MAX},
        {"", std::nullopt}, {"abc", std::nullopt}, {"yes", std::nullopt}, {"1.5", std::nullopt},
        {"0x", std::nullopt}, {"-", std::nullopt}, {" 1", std::nullopt}, {"1 ", std::nullopt},
        {"1e3", std::nullopt}, {"0x1G", std::nullopt}, {"--1", std::nullopt},
        {"2147483648", std::nullopt}, {"-2147483649", std::nullopt}, {"0xFFFFFFFF", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(SettingsFile::ParseInteger(text), expected) << '"' << text << '"';
}

TEST(SettingsFileTest, ReadsValuesWithDefaultsAndCaseInsensitiveNames)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("settings.ini");
    WriteText(path, "[FieldOption]\nCELL=0x1C\nObstacle=abc\ntrap=\n"
                    "[SYSTEMOPTION]\nconfirm=yes\nPosition=2\nstatus=0\n");
    SettingsFile file(Path(path));
    ASSERT_TRUE(file.Load());
    EXPECT_EQ(file.ReadInteger("fieldOption", "cell", 32), 28);
    EXPECT_EQ(file.ReadInteger("fieldoption", "obstacle", 3), 3);
    EXPECT_EQ(file.ReadInteger("fieldOption", "trap", 2), 2);
    EXPECT_EQ(file.ReadInteger("fieldOption", "missing", 9), 9);
    EXPECT_EQ(file.ReadInteger("nowhere", "cell", 7), 7);
    EXPECT_FALSE(file.ReadBool("systemOption", "confirm", false));
    EXPECT_TRUE(file.ReadBool("systemOption", "confirm", true));
    EXPECT_TRUE(file.ReadBool("systemOption", "position", false));
    EXPECT_FALSE(file.ReadBool("systemOption", "status", true));
}

TEST(SettingsFileTest, SavingKeepsWhatTheGameDoesNotKnow)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("settings.ini");
    WriteText(path, "; kept by hand\n\n[Mine]\n; my comment\nanswer = 42\n\n"
                    "[FIELDOPTION]\n; cells\nCell = 30\nextra = hello\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
    {
        SettingsFile file(Path(path));
        ASSERT_TRUE(file.Load());
        file.WriteInteger("fieldOption", "cell", -25);
        file.WriteBool("others", "soundEnabled", false);
        ASSERT_TRUE(file.Save());
    }
    const QByteArray text = ReadText(path);
    for (const char* kept : {"; kept by hand", "[Mine]", "; my comment", "answer = 42", "; cells", "extra = hello"})
        EXPECT_TRUE(text.contains(kept)) << kept << "\n" << text.constData();
    EXPECT_TRUE(text.contains("Cell = -25")) << text.constData();
    EXPECT_EQ(text.count("[FIELDOPTION]"), 1);
    EXPECT_EQ(text.toLower().count("fieldoption"), 1);
    EXPECT_LT(text.indexOf("[Mine]"), text.indexOf("[FIELDOPTION]"));
    EXPECT_LT(text.indexOf("[FIELDOPTION]"), text.indexOf("[others]"));
    EXPECT_TRUE(text.contains("soundEnabled = 0"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(Entries(folder.path()), QStringList{"settings.ini"});

    SettingsFile again(Path(path));
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.ReadInteger("fieldOption", "cell", 0), -25);
    EXPECT_EQ(again.ReadInteger("mine", "ANSWER", 0), 42);
}

TEST(SettingsFileTest, LoadingAMissingFileCreatesNothing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("settings.ini");
    SettingsFile file(Path(path));
    EXPECT_TRUE(file.Load());
    EXPECT_EQ(file.ReadInteger("others", "enemyCount", 3), 3);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SettingsFileTest, WhatIsNotAReadableFileFailsToLoadAndIsNotReplaced)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("settings.ini");

    ASSERT_TRUE(QDir(folder.path()).mkdir("settings.ini"));
    SettingsFile directory(Path(path));
    EXPECT_FALSE(directory.Load());
    EXPECT_FALSE(directory.Save());
    directory.WriteInteger("others", "left", 1);
    EXPECT_FALSE(directory.Save());
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(Entries(folder.path()), QStringList{"settings.ini"});
    ASSERT_TRUE(QDir(folder.path()).rmdir("settings.ini"));

    // A pipe would block a reader that waits for a writer.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    SettingsFile pipe(Path(path));
    EXPECT_FALSE(pipe.Load());
    ASSERT_TRUE(QFile::remove(path));

    const QByteArray huge(SettingsFile::MaxSize + 1, '\n');
    WriteText(path, huge);
    SettingsFile large(Path(path));
    EXPECT_FALSE(large.Load());
    EXPECT_FALSE(large.Save());
    EXPECT_EQ(ReadText(path), huge);
}

TEST(SettingsFileTest, SavingFailsWithoutTouchingAnythingWhenADirectoryIsInTheWay)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("settings.ini");
    SettingsFile file(Path(path));
    ASSERT_TRUE(file.Load());
    file.WriteInteger("others", "enemyCount", 4);
    ASSERT_TRUE(QDir(folder.path()).mkdir("settings.ini"));
    WriteText(folder.filePath("settings.ini/inside"), "x");
    EXPECT_FALSE(file.Save());
    EXPECT_EQ(ReadText(folder.filePath("settings.ini/inside")), "x");
    EXPECT_EQ(Entries(folder.path()), QStringList{"settings.ini"});
}

// A save killed half-way leaves its temporary behind; the next save clears what is
// surely a leftover and nothing else, not even a lookalike.
TEST(SettingsFileTest, ASaveRemovesLeftoverTemporariesOfItsOwnNamingOnly)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath("settings.ini");
    // No process has a number this large; process 1 always runs.
    const QString gone = ".settings.ini-2147483647-0";
    const QString oldOfRunning = ".settings.ini-1-3";
    const QStringList kept{".settings.ini-1-4", ".settings.ini-2147483647-x", ".settings.ini-2147483647",
                           ".settings.ini-2147483647-0.bak", "settings.ini-2147483647-0",
                           ".other.ini-2147483647-0"};
    for (const QString& name : kept + QStringList{gone, oldOfRunning})
        WriteText(folder.filePath(name), "[probe]\n");
    ASSERT_TRUE(QDir(folder.path()).mkdir(".settings.ini-2147483647-1"));
    QFile old(folder.filePath(oldOfRunning));
    ASSERT_TRUE(old.open(QIODevice::ReadWrite));
    ASSERT_TRUE(old.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    old.close();

    SettingsFile file(Path(path));
    ASSERT_TRUE(file.Load());
    file.WriteBool("probe", "saved", true);
    ASSERT_TRUE(file.Save());
    QStringList expected = kept + QStringList{".settings.ini-2147483647-1", "settings.ini"};
    expected.sort();
    QStringList entries = Entries(folder.path());
    entries.sort();
    EXPECT_EQ(entries, expected);
}

TEST(SettingsFileTest, JunkIsReadWithoutHarmAndReplacedByAParsableFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("settings.ini");
    // Odd rounds are any bytes; even ones only the characters that mean something to a parser.
    const QByteArray significant("[]=;#\n\r \t<>\"ab\0", 15);
    QRandomGenerator random(7);
    for (int round = 0; round < 20; ++round) {
        QByteArray junk(int(random.bounded(1, 256 * 1024)), '\0');
        for (char& c : junk)
            c = round % 2 ? char(random.bounded(256)) : significant[int(random.bounded(significant.size()))];
        WriteText(path, junk);
        SettingsFile file(Path(path));
        ASSERT_TRUE(file.Load()) << round;
        file.WriteInteger("others", "enemyCount", round);
        ASSERT_TRUE(file.Save()) << round;
        SettingsFile again(Path(path));
        ASSERT_TRUE(again.Load()) << round;
        EXPECT_EQ(again.ReadInteger("others", "enemyCount", -1), round);
    }
}

// A file without a value keeps whatever the game holds, whatever that is; a written
// record reads back as itself.
TEST(GameSettingsTest, MissingValuesKeepTheCurrentOnesAndWrittenOnesReadBack)
{
    GameSettings current;
    current.field = {30, 1, 4};
    current.system = {true, true, true};
    // Without its own value the longest run is the current one.
    current.status = {1, 2, 3, 4, 5, 6, 6};
    current.enemyCount = 4;
    current.soundEnabled = false;
    current.fairPatterns = true;
    current.left = 12;
    current.top = -9;
    const QTemporaryDir folder;
    SettingsFile file(Path(folder.filePath("settings.ini")));
    ASSERT_TRUE(file.Load());
    EXPECT_EQ(ReadGameSettings(file, current), current);
    WriteGameSettings(file, current, true);
    EXPECT_EQ(ReadGameSettings(file, GameSettings{}), current);

    // Where the window system does not tell the position, the stored one stays.
    GameSettings moved = current;
    moved.enemyCount = 2;
    moved.left = 700;
    moved.top = 500;
    WriteGameSettings(file, moved, false);
    GameSettings expected = moved;
    expected.left = current.left;
    expected.top = current.top;
    EXPECT_EQ(ReadGameSettings(file, GameSettings{}), expected);
}

// ---------------------------------------------------------------------------------------
// Failures that need the settings_probe helper beside this program

QString Probe()
{
    return QCoreApplication::applicationDirPath() + "/settings_probe";
}

// Root writes anything, so permission cases run the probe as nobody when we are root.
std::optional<int> RunProbeUnprivileged(const QStringList& arguments)
{
    QProcess process;
    if (::geteuid() == 0)
        process.start("setpriv", QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", Probe()} + arguments);
    else
        process.start(Probe(), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return process.exitCode();
}

class SettingsPermissionTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(Probe())) << "settings_probe is not built beside the tests";
        // A missing file in a missing folder loads fine: anything else means the
        // probe cannot run as another user here.
        if (RunProbeUnprivileged({"load", "/nonexistent/settings.ini"}) != 0)
            GTEST_SKIP() << "cannot run the probe without privileges";
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath("settings.ini");
        WriteText(path, original);
    }

    void SetFolderMode(mode_t mode)
    {
        ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), mode), 0);
    }

    void SetFileMode(mode_t mode)
    {
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    }

    void TearDown() override
    {
        SetFolderMode(0700);
    }

    const QByteArray original = "; mine\n[others]\nenemyCount = 2\n";
    QTemporaryDir folder;
    QString path;
};

TEST_F(SettingsPermissionTest, AWritableFolderIsSavedInto)
{
    SetFolderMode(0777);
    SetFileMode(0666);
    EXPECT_EQ(RunProbeUnprivileged({"save", path}), 0);
    const QByteArray text = ReadText(path);
    EXPECT_TRUE(text.startsWith("; mine\n")) << text.constData();
    EXPECT_TRUE(text.contains("enemyCount = 2")) << text.constData();
    EXPECT_TRUE(text.contains("saved = 1")) << text.constData();
}

TEST_F(SettingsPermissionTest, AnUnwritableFolderLeavesTheFileAsItWas)
{
    SetFolderMode(0555);
    SetFileMode(0666);
    EXPECT_EQ(RunProbeUnprivileged({"save", path}), 1);
    EXPECT_EQ(ReadText(path), original);
    EXPECT_EQ(Entries(folder.path()), QStringList{"settings.ini"});
}

TEST_F(SettingsPermissionTest, AReadOnlyFileIsNotReplaced)
{
    SetFolderMode(0777);
    SetFileMode(0444);
    EXPECT_EQ(RunProbeUnprivileged({"save", path}), 1);
    EXPECT_EQ(ReadText(path), original);
    EXPECT_EQ(Entries(folder.path()), QStringList{"settings.ini"});
}

TEST_F(SettingsPermissionTest, AnUnreadableFileFailsToLoadAndIsNotReplaced)
{
    SetFolderMode(0777);
    SetFileMode(0200);
    EXPECT_EQ(RunProbeUnprivileged({"load", path}), 1);
    EXPECT_EQ(RunProbeUnprivileged({"save", path}), 1);
    EXPECT_EQ(ReadText(path), original);
}

// Every round of the probe rewrites all keys of its section with the round number; a
// kill at any moment must leave one complete round in the file, never a torn one.
TEST(SettingsKillTest, AKilledSaveLeavesTheOldOrTheNewFile)
{
    ASSERT_TRUE(QFile::exists(Probe())) << "settings_probe is not built beside the tests";
    QTemporaryDir folder;
    const QString path = folder.filePath("settings.ini");
    WriteText(path, "; before\n[probe]\nround = 0\n");

    QRandomGenerator random(11);
    int32_t lastRound = 0;
    for (int kill = 0; kill < 50; ++kill) {
        QProcess process;
        process.start(Probe(), {"save-loop", path});
        ASSERT_TRUE(process.waitForStarted());
        // However slow the machine, the first probe saves once, so that later kills meet
        // a file with rounds in it; every other one is killed at a random moment.
        QElapsedTimer waited;
        waited.start();
        while (kill == 0 && !ReadText(path).contains("round = 1") && waited.elapsed() < 10000)
            QThread::msleep(1);
        QThread::usleep(random.bounded(2000, 40000));
        process.kill();
        ASSERT_TRUE(process.waitForFinished());
        ASSERT_EQ(process.exitStatus(), QProcess::CrashExit) << "the probe stopped by itself";

        SettingsFile file(Path(path));
        ASSERT_TRUE(file.Load());
        const QByteArray text = ReadText(path);
        ASSERT_TRUE(text.startsWith("; before\n")) << kill;
        const int32_t round = file.ReadInteger("probe", "round", -1);
        ASSERT_GE(round, lastRound) << kill;
        if (round > 0) {
            for (int key = 0; key < 2000; ++key)
                ASSERT_EQ(file.ReadInteger("probe", ("key" + std::to_string(key)).c_str(), -1), round)
                    << "kill " << kill << " key " << key;
        }
        lastRound = round;
    }
    // Otherwise every kill came before the first save and nothing was tried.
    EXPECT_GT(lastRound, 0);
    // Each save clears what the kills before it left: at most the last one's temporary.
    EXPECT_LE(Entries(folder.path()).size(), 2);
}

// ---------------------------------------------------------------------------------------
// The main window reading and writing its settings

struct Box {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Answers every message box with OK while it lives, and notes what each one said.
class BoxAnswerer {
public:
    BoxAnswerer()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return;
            boxes.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                QTest::mouseClick(ok, Qt::LeftButton);
            else
                box->reject();
        });
        timer.start();
    }

    QTimer timer;
    std::vector<Box> boxes;
};

// The main window on its own, in a game folder of its own.
class TSysSettingsTest : public testing::Test {
protected:
    static QPoint Centred(const TSys& window)
    {
        const QSize screen = window.screen()->geometry().size();
        const QSize outer = window.frameGeometry().size();
        return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
    }

    int32_t Saved(const char* section, const char* key) const
    {
        SettingsFile file(Path(paths.settings));
        EXPECT_TRUE(file.Load());
        return file.ReadInteger(section, key, INT32_MIN);
    }

    const QTemporaryDir folder;
    const GamePaths paths = GamePaths::InFolder(folder.path());
    GameRandom random{1};
    GameDialogs dialogs;
};

TEST_F(TSysSettingsTest, WithoutAFileTheDefaultsApplyAndEveryKeyIsWrittenAtExit)
{
    {
        TSys window(random, paths, dialogs);
        EXPECT_FALSE(QFile::exists(paths.settings));
        EXPECT_EQ(window.fieldOption(), FieldOption{});
        EXPECT_EQ(window.enemyCount(), 3);
        EXPECT_TRUE(window.sound().enabled());
        EXPECT_EQ(window.systemOption(), SystemOption{});
        EXPECT_EQ(window.statusOption(), StatusOption{});
        EXPECT_EQ(window.frameGeometry().topLeft(), Centred(window));
        EXPECT_EQ(window.frameGeometry().height(), 420 + window.menuBar()->height());
    }
    CSimpleIniA ini;
    ASSERT_GE(ini.LoadData(ReadText(paths.settings).toStdString()), 0);
    CSimpleIniA::TNamesDepend sections;
    ini.GetAllSections(sections);
    EXPECT_EQ(sections.size(), 4u);
    size_t keys = 0;
    for (const char* section : {"fieldOption", "systemOption", "statusOption", "others"})
        keys += size_t(ini.GetSectionSize(section));
    EXPECT_EQ(keys, 19u);
    EXPECT_EQ(Saved("fieldOption", "cell"), 32);
    EXPECT_EQ(Saved("others", "soundEnabled"), 1);
    EXPECT_EQ(Saved("others", "zoom"), 1);
    EXPECT_EQ(Saved("systemOption", "confirm"), 0);
}

TEST_F(TSysSettingsTest, ValuesAreReadClampedAndThePositionRestored)
{
    WriteText(paths.settings, "[fieldoption]\ncell=0x1C\nobstacle=-1\ntrap=9\n"
                                "[SystemOption]\nconfirm=2\n"
                                "[statusOption]\nstart=5\nretry=abc\nsucceeding=4\n"
                                "[Others]\nenemyCount=0\nsoundEnabled=0\nleft=-30\ntop=17\n");
    {
        TSys window(random, paths, dialogs);
        EXPECT_EQ(window.fieldOption(), (FieldOption{28, 0, 5}));
        EXPECT_EQ(window.enemyCount(), 1);
        EXPECT_FALSE(window.sound().enabled());
        EXPECT_TRUE(window.systemOption().confirm);
        EXPECT_EQ(window.statusOption(), (StatusOption{5, 0, 0, 0, 0, 4, 4}));
        EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(-30, 17));
    }
    EXPECT_EQ(Saved("fieldOption", "cell"), 28);
    EXPECT_EQ(Saved("fieldOption", "obstacle"), 0);
    EXPECT_EQ(Saved("statusOption", "maxSucceeding"), 4);
    EXPECT_EQ(Saved("others", "left"), -30);
    EXPECT_EQ(Saved("others", "top"), 17);

    WriteText(paths.settings, "[fieldOption]\ncell=1000\n[others]\nenemyCount=99\n");
    TSys window(random, paths, dialogs);
    EXPECT_EQ(window.fieldOption().cell, 40);
    EXPECT_EQ(window.enemyCount(), 5);
}

// A hand-edited position, or one on a monitor that is gone, must not lose the window.
TEST_F(TSysSettingsTest, APositionOffEveryScreenIsCentredAndOnePartlyOnAScreenKept)
{
    QRect screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens |= screen->availableGeometry();
    const auto openAt = [&](QPoint stored) {
        WriteText(paths.settings, QStringLiteral("[others]\nleft=%1\ntop=%2\n")
                                      .arg(stored.x()).arg(stored.y()).toUtf8());
        auto window = std::make_unique<TSys>(random, paths, dialogs);
        return std::pair(window->frameGeometry(), Centred(*window));
    };

    const auto [outside, centred] = openAt(screens.bottomRight() + QPoint(1, 1));
    EXPECT_EQ(outside.topLeft(), centred);
    EXPECT_EQ(Saved("others", "left"), centred.x());
    EXPECT_EQ(Saved("others", "top"), centred.y());

    // One pixel column of the frame on the left edge of the screens is enough to stay.
    const QPoint edge(screens.left() - outside.width() + 1, screens.top() + 10);
    EXPECT_EQ(openAt(edge).first.topLeft(), edge);
    EXPECT_EQ(Saved("others", "left"), edge.x());
}

TEST_F(TSysSettingsTest, SwitchedOffStatusAndPositionLeaveTheirKeysAlone)
{
    WriteText(paths.settings, "[systemOption]\nposition=0\nstatus=0\n"
                                "[statusOption]\nstart=7\nmaxSucceeding=3\n"
                                "[others]\nleft=11\ntop=12\n");
    {
        TSys window(random, paths, dialogs);
        EXPECT_EQ(window.statusOption(), StatusOption{});
        EXPECT_EQ(window.frameGeometry().topLeft(), Centred(window));
    }
    CSimpleIniA ini;
    ASSERT_GE(ini.LoadData(ReadText(paths.settings).toStdString()), 0);
    EXPECT_EQ(ini.GetSectionSize("statusOption"), 2);
    EXPECT_EQ(Saved("statusOption", "start"), 7);
    EXPECT_EQ(Saved("statusOption", "maxSucceeding"), 3);
    EXPECT_EQ(Saved("others", "left"), 11);
    EXPECT_EQ(Saved("others", "top"), 12);
    EXPECT_EQ(Saved("systemOption", "status"), 0);
}

TEST_F(TSysSettingsTest, AnUnreadableFileIsReportedOnceEachWayAndKeptAsItIs)
{
    ASSERT_TRUE(QDir().mkpath(paths.settings));
    BoxAnswerer answerer;
    {
        TSys window(random, paths, dialogs);
        ASSERT_EQ(answerer.boxes.size(), 1u);
        EXPECT_EQ(answerer.boxes[0].text, "Failed to load settings.");
        EXPECT_EQ(window.fieldOption(), FieldOption{});
        EXPECT_EQ(window.systemOption(), SystemOption{});
    }
    ASSERT_EQ(answerer.boxes.size(), 2u);
    EXPECT_EQ(answerer.boxes[1].text, "Failed to save settings.");
    for (const Box& box : answerer.boxes) {
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.icon, QMessageBox::Warning);
        EXPECT_EQ(box.buttons, QMessageBox::Ok);
    }
    EXPECT_TRUE(QFileInfo(paths.settings).isDir());
}

} // namespace
