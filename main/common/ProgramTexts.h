#pragma once

// The texts every window of the game shares, fixed for the whole run. Plain C strings,
// so the settings code and the dialogs can use them without the window.

inline constexpr char TitleText[] = "Tarvik";
inline constexpr char PlatformText[] = "for Linux";
// The version itself is the project's, set once in the build.
inline constexpr char VersionText[] = "version " TARVIK_VERSION;
inline constexpr char CopyrightText[] = "Copyright (C) 2026 The Tarvik developers";
// Linux text breaks lines with a line feed alone; a carriage return would show in labels.
inline constexpr char LineBreak[] = "\n";
