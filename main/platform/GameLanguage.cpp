#include "GameLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// The game's catalogues are compiled into the program as tarvik_<code>.qm.
const QString Folder = QStringLiteral(":/translations/");
const QString Prefix = QStringLiteral("tarvik_");
const QString Suffix = QStringLiteral(".qm");

// "de" of "de-Latn-DE", "de_DE.UTF-8" or "sr@latin"; lower case.
QString LanguageOf(const QString& name)
{
    qsizetype end = 0;
    while (end < name.size() && name[end].isLetter())
        ++end;
    return name.left(end).toLower();
}

}

GameLanguage::GameLanguage(const QString& code)
{
    if (code.isEmpty() || !game.load(Folder + Prefix + code + Suffix))
        return;
    m_code = code;
    QCoreApplication::installTranslator(&game);
    // Without Qt's own catalogue its buttons simply stay English.
    if (qt.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}

QString GameLanguage::OfDesktop()
{
    return Choose(QLocale::system().uiLanguages(), Spoken());
}

QString GameLanguage::Choose(const QStringList& wanted, const QStringList& spoken)
{
    for (const QString& name : wanted) {
        const QString language = LanguageOf(name);
        if (language == QLatin1String("c") || language == QLatin1String("posix") || language == QLatin1String("en"))
            return {};
        if (spoken.contains(language))
            return language;
    }
    return {};
}

QStringList GameLanguage::Spoken()
{
    QStringList codes;
    for (const QString& file : QDir(Folder).entryList({Prefix + QLatin1Char('*') + Suffix}, QDir::Files))
        codes.append(file.mid(Prefix.size(), file.size() - Prefix.size() - Suffix.size()));
    return codes;
}
