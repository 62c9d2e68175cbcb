#pragma once

// The texts every window of the game shares, fixed for the whole run. Plain C strings,
// so the settings code and the dialogs can use them without the window. The About
// dialog shows the marked ones in the player's language.

#include "Translatable.h"

inline constexpr char TitleText[] = "Tarvik";
inline constexpr char PlatformText[] = QT_TRANSLATE_NOOP("TAboutDialog", "for Linux");
// %1 is the version, the project's, set once in the build as TARVIK_VERSION.
inline constexpr char VersionText[] = QT_TRANSLATE_NOOP("TAboutDialog", "version %1");
inline constexpr char CopyrightText[] = QT_TRANSLATE_NOOP("TAboutDialog", "Copyright (C) 2026 The Tarvik developers");
// Linux text breaks lines with a line feed alone; a carriage return would show in labels.
inline constexpr char LineBreak[] = "\n";
