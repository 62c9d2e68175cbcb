#include "GameLanguage.h"
#include "GameWindow.h"
#include "ModalHelper.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// Stands in for the desktop's opener of HTML pages.
class Opener : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// The help page the game looks for, present for as long as this object lives.
class HelpPage {
public:
    explicit HelpPage(const QString& path)
        : folder(QFileInfo(path).absolutePath())
    {
        QDir().mkpath(folder);
        QFile(path).open(QIODevice::WriteOnly);
    }
    ~HelpPage() { QDir(folder).removeRecursively(); }

private:
    const QString folder;
};

}

TEST(Help, AsksEveryTimeThenOpensThePage)
{
    GameWindow game;
    HelpPage page(game.paths.help);
    Opener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");

    auto shown = AnswerNextBox(QMessageBox::Cancel);
    QTest::keyClick(&*game, Qt::Key_F1);
    EXPECT_EQ(shown->caption, QStringLiteral("Help"));
    EXPECT_EQ(shown->text, QStringLiteral("Opening HTML help.\n\nSure?"));
    EXPECT_EQ(shown->icon, QMessageBox::Question);
    EXPECT_TRUE(opener.opened.isEmpty());

    game.StartPattern(24, 3);
    shown = AnswerNextBox(QMessageBox::Ok);
    game.Item("MainMenu_Help_Help")->trigger();
    EXPECT_TRUE(shown->seen);
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened.first(), QUrl::fromLocalFile(game.paths.help));
    EXPECT_EQ(game->state(), GameState::Started);
    EXPECT_EQ(game->busyCount(), 0);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

TEST(Help, MissingPageIsReportedWithItsPath)
{
    GameWindow game;
    ASSERT_FALSE(QFileInfo::exists(game.paths.help));
    Opener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    const auto shown = AnswerBoxes({QMessageBox::Ok, QMessageBox::Ok});
    game.Item("MainMenu_Help_Help")->trigger();
    ASSERT_EQ(shown->size(), 2u);
    const ShownBox* failure = &shown->at(1);
    EXPECT_EQ(failure->caption, QStringLiteral("Help"));
    EXPECT_EQ(failure->icon, QMessageBox::Warning);
    EXPECT_EQ(failure->text, QStringLiteral("Failed to open help file.\n\nOpen following file by yourself.\n")
                                 + game.paths.help);
    EXPECT_TRUE(opener.opened.isEmpty());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

// The page in the player's language when it is there, otherwise the English one, and
// when neither is there the box names the English page.
TEST(Help, OpensThePageOfTheLanguageWhenItIsThere)
{
    const GameLanguage german(QStringLiteral("de"));
    GameWindow game({}, 7, german.code());
    const QString germanPage = game.folder.path() + QStringLiteral("/help/de/index.html");
    Opener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    // Answers the question, and the failure box when one comes.
    const auto openHelp = [&](size_t boxes) {
        const auto shown = AnswerBoxes(std::vector<QMessageBox::StandardButton>(boxes, QMessageBox::Ok));
        game.Item("MainMenu_Help_Help")->trigger();
        EXPECT_EQ(shown->size(), boxes);
        return shown;
    };
    {
        HelpPage english(game.paths.help);
        openHelp(1);
        {
            HelpPage translated(germanPage);
            openHelp(1);
        }
        openHelp(1);
    }
    ASSERT_EQ(opener.opened.size(), 3);
    EXPECT_EQ(opener.opened[0], QUrl::fromLocalFile(game.paths.help));
    EXPECT_EQ(opener.opened[1], QUrl::fromLocalFile(germanPage));
    EXPECT_EQ(opener.opened[2], QUrl::fromLocalFile(game.paths.help));

    const auto shown = openHelp(2);
    ASSERT_EQ(shown->size(), 2u);
    EXPECT_TRUE(shown->at(1).text.endsWith(QLatin1Char('\n') + game.paths.help));
    EXPECT_FALSE(shown->at(1).text.contains(QStringLiteral("Failed")));
    EXPECT_EQ(opener.opened.size(), 3);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

TEST(Help, AboutShowsTheAboutDialogWithoutAQuestion)
{
    GameWindow game;
    QWidget* shown = nullptr;
    ActOnNextModal([&](QWidget* modal) {
        shown = modal;
        static_cast<QDialog*>(modal)->accept();
    });
    game.Item("MainMenu_Help_About")->trigger();
    EXPECT_EQ(shown, &game.forms->dialogs.AboutDialog());
    EXPECT_TRUE(game.Item("MainMenu_Help_About")->shortcut().isEmpty());
}

#include "HelpTest.moc"
