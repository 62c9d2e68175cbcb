#pragma once

#include <QString>

// Where the game finds its files. The program takes them from its own folder; tests and
// tools hand in a folder of their own.
struct GamePaths {
    // Ends in '/'.
    QString folder;
    // The English page. A translation lies beside it in a folder named after its language.
    QString help;
    QString settings;
    // Ends in '/'.
    QString sound;
    // The help page in the language the game speaks; empty in English.
    QString translatedHelp;
    // The settings are the player's own file under their configuration folder, whose
    // folders are made at the first save; otherwise they lie in the game folder.
    bool playerSettings = false;

    // The page Help opens: the translated one when it is there, otherwise the English one.
    QString HelpPage() const;

    // language is the code of the language the game speaks ("de"), empty for English.
    static GamePaths InFolder(const QString& folder, const QString& language = {});
    // The folder of the program file, resolved through /proc/self/exe so that neither the
    // current directory nor a link the game was started through changes it. A portable
    // game (the build folder, a per-user install, an unpacked folder) keeps the settings
    // beside the program when settings.ini is there or the player may write the folder.
    // A system-wide install always, and a portable game otherwise, give every player a
    // file of their own instead, under $XDG_CONFIG_HOME (or ~/.config).
    static GamePaths OfProgram(const QString& language = {});
};
