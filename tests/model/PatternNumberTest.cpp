#include "TestGame.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The pattern as text: each board square shows its cell (0-9, A-Z, a-z), then the trees,
// the ponds, the player's cell and the ducks' cells in their order.
std::string Picture(const Game& game)
{
    static const char cells[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const GameField& field = game.field();
    std::string text;
    for (int32_t row = 0; row < GameField::Rows; ++row) {
        for (int32_t column = 0; column < GameField::Columns; ++column)
            text += cells[field.Grid(column, row)];
        text += '\n';
    }
    std::string trees = "trees", ponds = " ponds";
    for (int32_t c = 0; c < field.option().cell; ++c) {
        if (field.Cell(c).obstacle >= 0)
            trees += ' ' + std::to_string(c);
        if (field.Cell(c).trap >= 0)
            ponds += ' ' + std::to_string(c);
    }
    text += trees + ponds + " player " + std::to_string(game.player().cellIndex()) + " ducks";
    for (const int32_t c : game.enemy().cells())
        text += ' ' + std::to_string(c);
    return text;
}

} // namespace

// What a number means is pinned here: a change to how patterns are dealt must not change
// the pattern a player's number names.
TEST(PatternNumber, NumbersDealTheSamePatternsForEver)
{
    const struct {
        const char* number;
        const char* picture;
    } golden[] = {
        {"32-3-2-3-48213907", "OJJJJMMMMMMTT1111S\n"
                              "ORRRR000GGGTTDDDDS\n"
                              "ORRRR000GGGTTDDDDS\n"
                              "ORRRR000GGGTTDDDD4\n"
                              "ORRRR000GGGPPDDDD4\n"
                              "O3333000GGGPPDDDD4\n"
                              "K6VVVHHHIIIUU22224\n"
                              "K6VVVQQQIIIUU22224\n"
                              "K6FFFQQQIIIUU22224\n"
                              "K6888QQQIIIUU55554\n"
                              "K6888QQQBB99E7LLL4\n"
                              "KCCCCAAABB99E7LLL4\n"
                              "KCCCCAAANNNNN7LLL4\n"
                              "trees 1 21 30 ponds 3 23 player 10 ducks 30 21 26"},
        {"24-0-0-1-0", "7777777777CCCCHHH6\n"
                       "7777777777CCCCHHH6\n"
                       "44444GBBBBCCCCHHH6\n"
                       "44444GBBBBJJJJHHH6\n"
                       "44444G3333JJJJHHH6\n"
                       "44444G333355588NNN\n"
                       "44444G333355588NNN\n"
                       "MMMMFFFFFD55588NNN\n"
                       "AAAAFFFFFD0022222E\n"
                       "AAAAFFFFFD0022222E\n"
                       "AAAAFFFFFD0099999E\n"
                       "IIII11111DKK99999E\n"
                       "LLLLLLLLLLKK99999E\n"
                       "trees ponds player 8 ducks 22"},
        {"40-5-5-5-99999999", "EEEccccc66BBBBKKKK\n"
                              "IIIccccc66ROOO444T\n"
                              "IIIccccc66ROOOaaa5\n"
                              "bbb99999LLROOOaaa5\n"
                              "bbb99999LL2222GGGG\n"
                              "bbbHAAAALL2222GGGG\n"
                              "VVVHAAAALL8SS0CCCC\n"
                              "XXXXXXXXLL8SS0CCCC\n"
                              "XXXXXXXX338SS0CCCC\n"
                              "MMMMZZZZFWWWWNNNPD\n"
                              "UQQQJ777FYYYYNNNPD\n"
                              "UQQQJ777FYYYYNNNPD\n"
                              "UQQQJ111FYYYYdddPD\n"
                              "trees 2 4 5 24 37 ponds 7 14 21 35 36 player 30 ducks 26 35 5 7 1"},
    };
    for (const auto& g : golden) {
        const auto parsed = PatternNumber::Parse(g.number);
        ASSERT_TRUE(std::holds_alternative<PatternNumber>(parsed)) << g.number;
        // Whatever the source drew before: the number alone decides.
        TestGame<GameRandom> game(12345u);
        game.SetState(GameState::Started);
        game.game.Deal(std::get<PatternNumber>(parsed));
        EXPECT_EQ(Picture(game.game), g.picture) << g.number;
        EXPECT_EQ(game.game.number().Text(), g.number);
    }
}

TEST(PatternNumber, TypedNumbersAreReadOrTheFaultIsNamed)
{
    using Fault = PatternNumber::Fault;
    const auto fault = [](const char* text) {
        const auto parsed = PatternNumber::Parse(text);
        return std::holds_alternative<Fault>(parsed) ? std::get<Fault>(parsed) : static_cast<Fault>(-1);
    };
    const auto read = PatternNumber::Parse("  24-0-5-1-00000042\n");
    ASSERT_TRUE(std::holds_alternative<PatternNumber>(read));
    EXPECT_EQ(std::get<PatternNumber>(read), (PatternNumber{{24, 0, 5}, 1, 42}));
    for (const char* text : {"", "32-3-2-3", "32-3-2-3-1-2", "32-3-2-3-", "32--2-3-1", "32-3-2-3-1x", "-32-3-2-3-1",
                             "32 3 2 3 1", "32-3-2-+3-1", "３２-3-2-3-1Ａ"})
        EXPECT_EQ(fault(text), Fault::Form) << text;
    for (const char* text : {"23-3-2-3-1", "41-3-2-3-1", "32-6-2-3-1", "32-3-6-3-1", "32-3-2-0-1", "32-3-2-6-1"})
        EXPECT_EQ(fault(text), Fault::Range) << text;
    for (const char* text : {"32-3-2-3-123456789", "032-3-2-3-1", "32-3-2-3-99999999999999999999999"})
        EXPECT_EQ(fault(text), Fault::Long) << text;
}

// An input method types full-width digits, and its dash key gives a long vowel mark; a word
// processor makes dashes of hyphens. Each counts as its ASCII form, one digit a digit, and
// anything else, a broken UTF-8 sequence included, is no part of a number.
TEST(PatternNumber, TypedFormsOfDigitsAndDashesReadAsTheirAsciiOnes)
{
    const auto ascii = PatternNumber::Parse("32-3-2-3-48213907");
    for (const char* text : {"３２－３－２－３－４８２１３９０７", "３２ー３ー２ー３ー４８２１３９０７", "\u3000３2ｰ3‐2–3−48213907\u3000",
                             "32―3‑2—3‒48213907"})
        EXPECT_EQ(PatternNumber::Parse(text), ascii) << text;
    using Fault = PatternNumber::Fault;
    const std::pair<const char*, Fault> faults[] = {
        {"３２－３－２－３－１２３４５６７８９", Fault::Long}, {"４１－３－２－３－１", Fault::Range},
        {"32-3-2-3-1\xEF\xBC", Fault::Form},  {"32\xE2\x80-3-2-3-1", Fault::Form},
        {"32・3・2・3・1", Fault::Form},         {"32-3-2-3-１\xEF\xBC\xBA", Fault::Form},
    };
    for (const auto& [text, fault] : faults)
        EXPECT_EQ(PatternNumber::Parse(text), (std::variant<PatternNumber, Fault>(fault))) << text;
}
