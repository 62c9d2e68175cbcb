#include "PatternNumber.h"

#include "SettingTable.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace {

// Two digits name any option, eight any seed.
constexpr size_t OptionDigits = 2;
constexpr size_t SeedDigits = 8;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// What an input method may give for a digit, a dash or a blank of a number, as its
// ASCII form; 0 for anything else. A Japanese one types full-width digits, and its dash
// key gives the long vowel mark, full-width or half-width; word processors turn hyphens
// into dashes and minus signs.
char AsciiOf(char32_t c)
{
    if (c >= U'\uFF10' && c <= U'\uFF19')
        return static_cast<char>('0' + (c - U'\uFF10'));
    if ((c >= U'\u2010' && c <= U'\u2015') || c == U'\u2212' || c == U'\u30FC' || c == U'\uFF0D' || c == U'\uFF70')
        return '-';
    return c == U'\u3000' ? ' ' : 0;
}

// The text with those characters in their ASCII forms. Each of them takes three bytes
// in UTF-8; any other byte, valid UTF-8 or not, stays as it is.
std::string Folded(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[i + k]); };
        if (i + 2 < text.size() && (byte(0) & 0xF0) == 0xE0 && (byte(1) & 0xC0) == 0x80 && (byte(2) & 0xC0) == 0x80) {
            const char32_t c = char32_t(byte(0) & 0x0F) << 12 | char32_t(byte(1) & 0x3F) << 6 | char32_t(byte(2) & 0x3F);
            if (const char ascii = AsciiOf(c)) {
                folded += ascii;
                i += 2;
                continue;
            }
        }
        folded += text[i];
    }
    return folded;
}

} // namespace

uint32_t PatternNumber::ClockSeed()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ticks) % (uint64_t{MaxSeed} + 1));
}

std::string PatternNumber::Text() const
{
    return std::to_string(field.cell) + '-' + std::to_string(field.obstacle) + '-' + std::to_string(field.trap) + '-'
        + std::to_string(enemies) + '-' + std::to_string(seed);
}

std::variant<PatternNumber, PatternNumber::Fault> PatternNumber::Parse(std::string_view typed)
{
    const std::string folded = Folded(typed);
    std::string_view text = folded;
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);

    std::array<std::string_view, 5> parts;
    size_t count = 0;
    for (size_t start = 0;;) {
        const size_t dash = text.find('-', start);
        if (count == parts.size())
            return Fault::Form;
        parts[count++] = text.substr(start, dash == std::string_view::npos ? dash : dash - start);
        if (dash == std::string_view::npos)
            break;
        start = dash + 1;
    }
    if (count != parts.size())
        return Fault::Form;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].empty() || !std::all_of(parts[i].begin(), parts[i].end(), IsDigit))
            return Fault::Form;
        if (parts[i].size() > (i + 1 == parts.size() ? SeedDigits : OptionDigits))
            return Fault::Long;
    }

    std::array<uint32_t, 5> values{};
    for (size_t i = 0; i < parts.size(); ++i) {
        for (const char c : parts[i])
            values[i] = values[i] * 10 + static_cast<uint32_t>(c - '0');
    }
    PatternNumber number;
    number.field = {static_cast<int32_t>(values[0]), static_cast<int32_t>(values[1]), static_cast<int32_t>(values[2])};
    number.enemies = static_cast<int32_t>(values[3]);
    number.seed = values[4];
    const auto inRange = [](const Setting& setting, int32_t value) { return setting.Clamp(value) == value; };
    if (!inRange(Settings::Cell, number.field.cell) || !inRange(Settings::Obstacle, number.field.obstacle)
        || !inRange(Settings::Trap, number.field.trap) || !inRange(Settings::EnemyCount, number.enemies))
        return Fault::Range;
    return number;
}
