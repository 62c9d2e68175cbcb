#include "BoardMessages.h"
#include "BuiltLanguages.h"
#include "GameLanguage.h"
#include "GameSolver.h"
#include "GameWindow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <map>

namespace {

// The accelerators among the texts of one menu or dialog must differ.
void ExpectUniqueAccelerators(const QStringList& texts, const char* where)
{
    std::map<QString, QString> seen;
    for (const QString& text : texts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (key.isEmpty())
            continue;
        const auto [it, added] = seen.emplace(key, text);
        EXPECT_TRUE(added) << where << ": " << qPrintable(key) << " for " << qPrintable(text) << " and "
                           << qPrintable(it->second);
    }
}

QStringList TextsOf(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        if (!action->isSeparator())
            texts.append(action->text());
    return texts;
}

QStringList TextsOf(const QWidget& dialog)
{
    QStringList texts;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts.append(button->text());
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts.append(label->text());
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
        texts.append(box->title());
    return texts;
}

}

TEST(Language, TheDesktopsFirstLanguageThatTheGameSpeaksWins)
{
    const QStringList spoken{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
    const std::vector<std::pair<QStringList, QString>> cases{
        {{"de-DE", "de-Latn-DE", "de"}, "de"}, {{"pt-BR", "pt", "sr@latin", "ES"}, "es"},
        {{"C"}, ""}, {{"POSIX"}, ""}, {{}, ""}, {{"ja", "en-GB", "fr"}, ""}, {{"ja", "zz"}, ""},
    };
    for (const auto& [wanted, chosen] : cases)
        EXPECT_EQ(GameLanguage::Choose(wanted, spoken), chosen) << qPrintable(wanted.join(','));
    EXPECT_TRUE(GameLanguage(QStringLiteral("xx")).code().isEmpty());
    // What Qt reads from LANG=ja_JP.UTF-8.
    EXPECT_EQ(GameLanguage::Choose({"ja-JP", "ja"}, GameLanguage::Spoken()), QStringLiteral("ja"));
}

// What a player of each language sees: unique accelerators in every menu and dialog,
// texts that fit their controls, and board messages that fit the message line.
TEST(Language, EveryLanguageFitsTheWindowAndItsDialogs)
{
    QStringList built = QStringLiteral(TARVIK_LANGUAGES).split(QLatin1Char(' '));
    QStringList spoken = GameLanguage::Spoken();
    built.sort();
    spoken.sort();
    ASSERT_EQ(spoken, built);
    for (const QString& code : spoken) {
        SCOPED_TRACE(code.toStdString());
        const GameLanguage language(code);
        GameWindow game({}, 7, code);

        ExpectUniqueAccelerators(TextsOf(game->menuBar()->actions()), "menu bar");
        for (const QMenu* menu : game->findChildren<QMenu*>())
            ExpectUniqueAccelerators(TextsOf(menu->actions()), qPrintable(menu->objectName()));
        const std::initializer_list<QDialog*> dialogs{&game.forms->dialogs.OptionDialog(), &game.forms->dialogs.StatusDialog(),
                                                      &game.forms->dialogs.AboutDialog(), &game.forms->dialogs.PatternDialog()};
        for (const QDialog* dialog : dialogs)
            ExpectUniqueAccelerators(TextsOf(*dialog), qPrintable(dialog->objectName()));
        EXPECT_NE(game.forms->dialogs.OptionDialog().windowTitle(), QStringLiteral("Option"));

        // The widest ratio, the longest par.
        game.forms->dialogs.StatusDialog().SetStatusOption({1, 0, 1, 0, 0, 0, 0});
        SolverResult lost;
        lost.verdict = Verdict::Lost;
        game.forms->dialogs.PatternDialog().SetPar(lost);

        for (const QDialog* dialog : dialogs) {
            if (dialog->layout())
                dialog->layout()->activate();
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                EXPECT_LE(button->sizeHint().width(), button->width()) << qPrintable(button->text());
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                // A wrapping label fits when its lines at its width fit its height.
                if (label->wordWrap()) {
                    EXPECT_LE(label->heightForWidth(label->width()), label->height())
                        << qPrintable(label->text());
                    continue;
                }
                for (const QString& line : label->text().split(QLatin1Char('\n')))
                    EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->contentsRect().width())
                        << qPrintable(line);
            }
            // A field's own size hint is room for 17 letters x and its frame and margins.
            for (const QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
                const QFontMetrics fm = edit->fontMetrics();
                const int frame = edit->sizeHint().width() - 17 * fm.horizontalAdvance(QLatin1Char('x'));
                EXPECT_LE(fm.horizontalAdvance(edit->placeholderText()), edit->width() - frame)
                    << qPrintable(edit->placeholderText());
            }
        }

        // Drawn, in whatever fonts its letters come from, every message keeps off the edges
        // of its line: a letter that reached one would be clipped.
        const QFontMetrics metrics(game->board().messageFont());
        for (const BoardMessage& message : BoardMessages::All) {
            const QString text = QCoreApplication::translate("TSys", message.text);
            EXPECT_NE(text, QLatin1String(message.text));
            EXPECT_LE(metrics.horizontalAdvance(text), BoardGeometry::MessageRect.width()) << qPrintable(text);
            game->board().DrawMessage(message);
            const QImage line = game->board().offscreen().toImage().copy(BoardGeometry::MessageRect);
            const QRgb background = line.pixel(0, 0);
            QRect ink;
            for (int y = 0; y < line.height(); ++y)
                for (int x = 0; x < line.width(); ++x)
                    if (line.pixel(x, y) != background)
                        ink |= QRect(x, y, 1, 1);
            EXPECT_TRUE(line.rect().adjusted(1, 1, -1, -1).contains(ink) && ink.height() > 16)
                << qPrintable(text) << " inked " << ink.x() << ',' << ink.y() << ' ' << ink.width() << 'x' << ink.height();
        }
    }
}
