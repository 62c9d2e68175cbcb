#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The language the game speaks: the desktop's when the game has it, otherwise English,
// the language its texts are written in. While an object of this class lives, the
// catalogues of its language are installed: the game's own, and Qt's for the texts Qt
// writes itself (the buttons of message boxes), when the system has them.
class GameLanguage {
public:
    // code names a language the game speaks ("de"); empty for English, which needs nothing.
    explicit GameLanguage(const QString& code);

    GameLanguage(const GameLanguage&) = delete;
    GameLanguage& operator=(const GameLanguage&) = delete;

    // Empty for English, also when the catalogue of the language asked for is missing.
    const QString& code() const { return m_code; }

    // The desktop's choice: the first of its languages, most wanted first, that the game
    // speaks. Reaching C, POSIX or any English first, or none at all, gives English.
    static QString OfDesktop();
    // wanted as QLocale::uiLanguages() gives them ("de-Latn-DE", "fr", "C"); spoken as Spoken().
    static QString Choose(const QStringList& wanted, const QStringList& spoken);
    // The languages built into the program besides English, by their codes.
    static QStringList Spoken();

private:
    QString m_code;
    QTranslator game;
    QTranslator qt;
};
