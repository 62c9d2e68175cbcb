#pragma once

// The main window's three switches, copied whole to and from the option dialog.
struct SystemOption {
    bool confirm = false;
    bool position = true;
    bool status = true;

    bool operator==(const SystemOption&) const = default;
};
