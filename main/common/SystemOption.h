#pragma once

#include "SettingTable.h"

// The main window's three switches, copied whole to and from the option dialog.
struct SystemOption {
    bool confirm = Settings::Confirm.initial != 0;
    bool position = Settings::Position.initial != 0;
    bool status = Settings::Status.initial != 0;

    bool operator==(const SystemOption&) const = default;
};
