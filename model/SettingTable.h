#pragma once

#include <algorithm>
#include <cstdint>

// One value the game keeps between runs: where it stands in the settings file, the value
// a new game starts with, and the range a stored value is brought into. The model's
// defaults, the settings file and the option dialog all take these facts from here.
struct Setting {
    const char* section;
    const char* key;
    int32_t initial;
    int32_t minimum;
    int32_t maximum;

    constexpr int32_t Clamp(int32_t value) const { return std::clamp(value, minimum, maximum); }
};

namespace Settings {

// Counters go up by one per game, so this leaves room to play without overflowing.
inline constexpr int32_t MaxCounter = 999'999'999;
// X11 window coordinates are 16 bits; beyond them Qt's own arithmetic overflows.
inline constexpr int32_t MinPosition = -32768;
inline constexpr int32_t MaxPosition = 32767;

// The pattern: the option dialog's ranges, the ones the field and the enemies are known
// to work in.
inline constexpr Setting Cell{"fieldOption", "cell", 32, 24, 40};
inline constexpr Setting Obstacle{"fieldOption", "obstacle", 3, 0, 5};
inline constexpr Setting Trap{"fieldOption", "trap", 2, 0, 5};

// Switches are 1 or 0; any other integer in the file reads as on.
inline constexpr Setting Confirm{"systemOption", "confirm", 0, 0, 1};
inline constexpr Setting Position{"systemOption", "position", 1, 0, 1};
inline constexpr Setting Status{"systemOption", "status", 1, 0, 1};

inline constexpr Setting Start{"statusOption", "start", 0, 0, MaxCounter};
inline constexpr Setting Retry{"statusOption", "retry", 0, 0, MaxCounter};
inline constexpr Setting Clear{"statusOption", "clear", 0, 0, MaxCounter};
inline constexpr Setting Gameover{"statusOption", "gameover", 0, 0, MaxCounter};
inline constexpr Setting Hattrick{"statusOption", "hattrick", 0, 0, MaxCounter};
inline constexpr Setting Succeeding{"statusOption", "succeeding", 0, 0, MaxCounter};
// A file without it takes the current run as the longest.
inline constexpr Setting MaxSucceeding{"statusOption", "maxSucceeding", 0, 0, MaxCounter};

inline constexpr Setting EnemyCount{"others", "enemyCount", 3, 1, 5};
inline constexpr Setting SoundEnabled{"others", "soundEnabled", 1, 0, 1};
// A start deals only patterns the solver proves clearable.
inline constexpr Setting FairPatterns{"others", "fairPatterns", 0, 0, 1};
// The window frame's top-left corner; without them the window is centred.
inline constexpr Setting Left{"others", "left", 0, MinPosition, MaxPosition};
inline constexpr Setting Top{"others", "top", 0, MinPosition, MaxPosition};
// The board's size in whole steps, 1 being 100 %. The screen limits it further; ten
// steps are as many as the height of an 8K screen holds.
inline constexpr Setting Zoom{"others", "zoom", 1, 1, 10};

} // namespace Settings
