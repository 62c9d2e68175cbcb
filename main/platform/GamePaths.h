#pragma once

#include <QString>

// The folder of the program file, ending in '/', resolved once from /proc/self/exe
// so the game finds its files whatever the current directory.
extern const QString ProgramFolder;
extern const QString HelpFilePath;
extern const QString SettingsFilePath;
extern const QString SoundFolderPath;
