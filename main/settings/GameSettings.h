#pragma once

#include "Gamefield.h"
#include "SettingTable.h"
#include "SettingsFile.h"
#include "StatusOption.h"
#include "SystemOption.h"

#include <cstdint>
#include <type_traits>

// What the main window keeps in the settings file. Free of Qt, so it can be exercised on
// its own with arbitrary files.
struct GameSettings {
    FieldOption field;
    SystemOption system;
    StatusOption status;
    int32_t enemyCount = Settings::EnemyCount.initial;
    bool soundEnabled = Settings::SoundEnabled.initial != 0;
    bool fairPatterns = Settings::FairPatterns.initial != 0;
    // The window frame's top-left corner at 100 %.
    int32_t left = Settings::Left.initial;
    int32_t top = Settings::Top.initial;
    int32_t zoom = Settings::Zoom.initial;

    bool operator==(const GameSettings&) const = default;
};

// Calls visit(setting, value, kept) for every value of the record, in the order of the
// file. The statistics are kept only while their switch is on, and the position likewise;
// the switches come first, so a reader sees the switch it has just read.
template <typename Record, typename Visit>
    requires std::is_same_v<std::remove_const_t<Record>, GameSettings>
void VisitSettings(Record& s, Visit&& visit)
{
    visit(Settings::Cell, s.field.cell, true);
    visit(Settings::Obstacle, s.field.obstacle, true);
    visit(Settings::Trap, s.field.trap, true);
    visit(Settings::Confirm, s.system.confirm, true);
    visit(Settings::Position, s.system.position, true);
    visit(Settings::Status, s.system.status, true);
    visit(Settings::Start, s.status.start, s.system.status);
    visit(Settings::Retry, s.status.retry, s.system.status);
    visit(Settings::Clear, s.status.clear, s.system.status);
    visit(Settings::Gameover, s.status.gameover, s.system.status);
    visit(Settings::Hattrick, s.status.hattrick, s.system.status);
    visit(Settings::Succeeding, s.status.succeeding, s.system.status);
    visit(Settings::MaxSucceeding, s.status.maxSucceeding, s.system.status);
    visit(Settings::EnemyCount, s.enemyCount, true);
    visit(Settings::SoundEnabled, s.soundEnabled, true);
    visit(Settings::FairPatterns, s.fairPatterns, true);
    visit(Settings::Left, s.left, s.system.position);
    visit(Settings::Top, s.top, s.system.position);
    visit(Settings::Zoom, s.zoom, true);
}

// A missing or unreadable value keeps the current one; values out of range come from
// hand edits and are clamped. What is not kept (see VisitSettings) is not read.
inline GameSettings ReadGameSettings(const SettingsFile& file, const GameSettings& current)
{
    GameSettings s = current;
    VisitSettings(s, [&](const Setting& setting, auto& value, bool kept) {
        if (!kept)
            return;
        if constexpr (std::is_same_v<std::remove_reference_t<decltype(value)>, bool>) {
            value = file.ReadBool(setting.section, setting.key, value);
        } else {
            const int32_t fallback = &setting == &Settings::MaxSucceeding ? s.status.succeeding : value;
            value = setting.Clamp(file.ReadInteger(setting.section, setting.key, fallback));
        }
    });
    return s;
}

// What is not kept is left in the file as it is, and so is the position when the window
// system does not tell where the window is.
inline void WriteGameSettings(SettingsFile& file, const GameSettings& s, bool positionKnown)
{
    VisitSettings(s, [&](const Setting& setting, const auto& value, bool kept) {
        const bool position = &setting == &Settings::Left || &setting == &Settings::Top;
        if (kept && (positionKnown || !position))
            file.WriteInteger(setting.section, setting.key, static_cast<int32_t>(value));
    });
}
