#pragma once

#include "SettingTable.h"

#include <cstdint>

// The statistics the main window keeps; the field and the enemies read the
// current run of clears from it to pick the hat-trick look.
struct StatusOption {
    int32_t start = Settings::Start.initial;
    int32_t retry = Settings::Retry.initial;
    int32_t clear = Settings::Clear.initial;
    int32_t gameover = Settings::Gameover.initial;
    int32_t hattrick = Settings::Hattrick.initial;
    int32_t succeeding = Settings::Succeeding.initial;
    int32_t maxSucceeding = Settings::MaxSucceeding.initial;

    bool operator==(const StatusOption&) const = default;
};
