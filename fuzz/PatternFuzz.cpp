// Arbitrary bytes typed into the Pattern number dialog. Whatever they are, the parser
// names a number or one of its faults, and the text of a number it names reads back as
// that same number: a number the dialog shows must play the pattern it names.
#include "PatternNumber.h"

#include "FuzzSupport.h"

#include <cstdint>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Fault = PatternNumber::Fault;
    const auto parsed = PatternNumber::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const Fault* fault = std::get_if<Fault>(&parsed)) {
        Require(*fault == Fault::Form || *fault == Fault::Range || *fault == Fault::Long, "a fault the dialog names");
        return 0;
    }
    const PatternNumber& number = std::get<PatternNumber>(parsed);
    Require(number.seed <= PatternNumber::MaxSeed, "a seed of eight digits at most");
    const auto again = PatternNumber::Parse(number.Text());
    Require(std::holds_alternative<PatternNumber>(again) && std::get<PatternNumber>(again) == number,
            "the number's text reads back as the number");
    return 0;
}
