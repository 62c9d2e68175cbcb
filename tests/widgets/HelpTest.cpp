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

class HelpPage {
public:
    HelpPage()
    {
        QDir().mkpath(QFileInfo(HelpFilePath).absolutePath());
        QFile file(HelpFilePath);
        file.open(QIODevice::WriteOnly);
    }
    ~HelpPage() { QDir(QFileInfo(HelpFilePath).absolutePath()).removeRecursively(); }
};

}

TEST(Help, AsksEveryTimeThenOpensThePage)
{
    GameWindow game;
    HelpPage page;
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
    EXPECT_EQ(opener.opened.first(), QUrl::fromLocalFile(HelpFilePath));
    EXPECT_EQ(game->state(), GameState::Started);
    EXPECT_EQ(game->busyCount(), 0);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

TEST(Help, MissingPageIsReportedWithItsPath)
{
    GameWindow game;
    ASSERT_FALSE(QFileInfo::exists(HelpFilePath));
    Opener opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "open");
    const auto shown = AnswerBoxes({QMessageBox::Ok, QMessageBox::Ok});
    game.Item("MainMenu_Help_Help")->trigger();
    ASSERT_EQ(shown->size(), 2u);
    const ShownBox* failure = &shown->at(1);
    EXPECT_EQ(failure->caption, QStringLiteral("Help"));
    EXPECT_EQ(failure->icon, QMessageBox::Warning);
    EXPECT_EQ(failure->text, QStringLiteral("Failed to open help file.\n\nOpen following file by yourself.\n`")
                                 + HelpFilePath + QStringLiteral("`"));
    EXPECT_TRUE(opener.opened.isEmpty());
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
    EXPECT_EQ(shown, &game.forms->aboutDialog);
    EXPECT_TRUE(game.Item("MainMenu_Help_About")->shortcut().isEmpty());
}

#include "HelpTest.moc"
