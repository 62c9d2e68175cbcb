#pragma once

#include <QRect>
#include <QString>

// Program-wide texts, rectangles and paths, fixed for the whole run.

extern const QString TitleText;
extern const QString PlatformText;
extern const QString VersionText;
extern const QString CopyrightText;
extern const QString LineBreak;

// Client area and off-screen bitmap geometry.
inline constexpr QRect BufferRect{0, 0, 556, 420};
inline constexpr QRect FieldRect{8, 8, 540, 364};
inline constexpr QRect MessageRect{8, 380, 540, 32};

// The folder of the program file, ending in '/', resolved once from /proc/self/exe
// so the game finds its files whatever the current directory.
extern const QString ProgramFolder;
extern const QString HelpFilePath;
extern const QString SettingsFilePath;
extern const QString SoundFolderPath;
