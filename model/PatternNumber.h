#pragma once

#include "Gamefield.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

// What makes a pattern: its options and the seed its start draws from. Written as
// "cells-trees-ponds-ducks-seed", e.g. "32-3-2-3-48213907", a player can read it out and
// type it in, and the same number deals the same pattern on any machine: the cells, the
// trees, the ponds and where the pieces start.
struct PatternNumber {
    FieldOption field;
    int32_t enemies = 0;
    uint32_t seed = 0;

    static constexpr uint32_t MaxSeed = 99'999'999;

    // A seed from the clock, for a start nobody typed a number for.
    static uint32_t ClockSeed();

    std::string Text() const;

    enum class Fault {
        Form,  // not five numbers joined by dashes
        Range, // an option beyond what the Option dialog offers
        Long,  // a number with more digits than it may have
    };
    // text in UTF-8. Blanks around it are ignored, and the full-width digits, dashes and
    // blank an input method types count as their ASCII forms.
    static std::variant<PatternNumber, Fault> Parse(std::string_view text);

    bool operator==(const PatternNumber&) const = default;
};
