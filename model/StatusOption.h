#pragma once

#include <cstdint>

// The statistics the main window keeps; the field and the enemies read the
// current run of clears from it to pick the hat-trick look.
struct StatusOption {
    int32_t start = 0;
    int32_t retry = 0;
    int32_t clear = 0;
    int32_t gameover = 0;
    int32_t hattrick = 0;
    int32_t succeeding = 0;
    int32_t maxSucceeding = 0;

    bool operator==(const StatusOption&) const = default;
};
