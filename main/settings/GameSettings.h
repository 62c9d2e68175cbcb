#pragma once

#include "Gamefield.h"
#include "SettingsFile.h"
#include "StatusOption.h"
#include "SystemOption.h"

#include <algorithm>
#include <cstdint>

// What the main window keeps in the settings file, read into the ranges the game
// works in. Free of Qt, so it can be exercised on its own with arbitrary files.
struct GameSettings {
    FieldOption field;
    SystemOption system;
    StatusOption status;
    int32_t enemyCount = 3;
    bool soundEnabled = true;
    // The window frame's top-left corner.
    int32_t left = 0;
    int32_t top = 0;

    // The option dialog's ranges, the ones the field and the enemies are known to work in.
    static constexpr int32_t MinCells = 24, MaxCells = 40;
    static constexpr int32_t MaxObstacles = 5, MaxTraps = 5;
    static constexpr int32_t MinEnemies = 1, MaxEnemies = 5;
    // Counters go up by one per game, so this leaves room to play without overflowing.
    static constexpr int32_t MaxCounter = 999'999'999;
    // X11 window coordinates are 16 bits; beyond them Qt's own arithmetic overflows.
    static constexpr int32_t MinPosition = -32768, MaxPosition = 32767;

    bool operator==(const GameSettings&) const = default;
};

// Values out of range come from hand edits and are clamped. The statistics and the
// position are read only where their switch is on; otherwise they keep the defaults'.
inline GameSettings ReadGameSettings(const SettingsFile& file, const GameSettings& defaults)
{
    using S = GameSettings;
    GameSettings s = defaults;
    const auto integer = [&](const char* section, const char* key, int32_t value, int32_t low, int32_t high) {
        return std::clamp(file.ReadInteger(section, key, value), low, high);
    };
    s.field.cell = integer("fieldOption", "cell", s.field.cell, S::MinCells, S::MaxCells);
    s.field.obstacle = integer("fieldOption", "obstacle", s.field.obstacle, 0, S::MaxObstacles);
    s.field.trap = integer("fieldOption", "trap", s.field.trap, 0, S::MaxTraps);

    s.system.confirm = file.ReadBool("systemOption", "confirm", false);
    s.system.position = file.ReadBool("systemOption", "position", true);
    s.system.status = file.ReadBool("systemOption", "status", true);

    if (s.system.status) {
        const auto counter = [&](const char* key, int32_t value) {
            return integer("statusOption", key, value, 0, S::MaxCounter);
        };
        s.status.start = counter("start", 0);
        s.status.retry = counter("retry", 0);
        s.status.clear = counter("clear", 0);
        s.status.gameover = counter("gameover", 0);
        s.status.hattrick = counter("hattrick", 0);
        s.status.succeeding = counter("succeeding", 0);
        s.status.maxSucceeding = counter("maxSucceeding", s.status.succeeding);
    }

    s.enemyCount = integer("others", "enemyCount", 3, S::MinEnemies, S::MaxEnemies);
    s.soundEnabled = file.ReadBool("others", "soundEnabled", true);
    if (s.system.position) {
        s.left = integer("others", "left", s.left, S::MinPosition, S::MaxPosition);
        s.top = integer("others", "top", s.top, S::MinPosition, S::MaxPosition);
    }
    return s;
}

// Keys the switched-off parts own are left as they are in the file.
inline void WriteGameSettings(SettingsFile& file, const GameSettings& s)
{
    file.WriteInteger("fieldOption", "cell", s.field.cell);
    file.WriteInteger("fieldOption", "obstacle", s.field.obstacle);
    file.WriteInteger("fieldOption", "trap", s.field.trap);

    file.WriteBool("systemOption", "confirm", s.system.confirm);
    file.WriteBool("systemOption", "position", s.system.position);
    file.WriteBool("systemOption", "status", s.system.status);

    if (s.system.status) {
        file.WriteInteger("statusOption", "start", s.status.start);
        file.WriteInteger("statusOption", "retry", s.status.retry);
        file.WriteInteger("statusOption", "clear", s.status.clear);
        file.WriteInteger("statusOption", "gameover", s.status.gameover);
        file.WriteInteger("statusOption", "hattrick", s.status.hattrick);
        file.WriteInteger("statusOption", "succeeding", s.status.succeeding);
        file.WriteInteger("statusOption", "maxSucceeding", s.status.maxSucceeding);
    }

    file.WriteInteger("others", "enemyCount", s.enemyCount);
    file.WriteBool("others", "soundEnabled", s.soundEnabled);
    if (s.system.position) {
        file.WriteInteger("others", "left", s.left);
        file.WriteInteger("others", "top", s.top);
    }
}
