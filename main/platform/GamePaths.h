#pragma once

#include <QString>

// Where the game finds its files. The program takes them from its own folder; tests and
// tools hand in a folder of their own.
struct GamePaths {
    // Ends in '/'.
    QString folder;
    QString help;
    QString settings;
    // Ends in '/'.
    QString sound;

    static GamePaths InFolder(const QString& folder);
    // The folder of the program file, resolved through /proc/self/exe so that neither the
    // current directory nor a link the game was started through changes it.
    static GamePaths OfProgram();
};
