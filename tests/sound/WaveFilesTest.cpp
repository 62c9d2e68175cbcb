#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

uint32_t Le(const std::vector<uint8_t>& b, std::size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    return v;
}

class WaveFilesTest : public ::testing::TestWithParam<const char*> {};

// Header fields are checked chunk by chunk, then the samples for length, level and
// soft edges: a click at the start or end is a jump from silence.
TEST_P(WaveFilesTest, IsShortCleanPcm)
{
    const std::string path = std::string(TARVIK_SOUND_DIR) + GetParam();
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.is_open()) << path;
    const std::vector<uint8_t> b{std::istreambuf_iterator<char>(in), {}};

    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
    EXPECT_EQ(Le(b, 4, 4), b.size() - 8);
    EXPECT_EQ(std::memcmp(b.data() + 8, "WAVE", 4), 0);

    uint32_t channels = 0;
    std::vector<int16_t> samples;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id(reinterpret_cast<const char*>(b.data() + at), 4);
        const uint32_t size = Le(b, at + 4, 4);
        ASSERT_LE(at + 8 + size, b.size()) << id;
        if (id == "fmt ") {
            EXPECT_EQ(Le(b, at + 8, 2), 1u) << "PCM";
            channels = Le(b, at + 10, 2);
            EXPECT_TRUE(channels == 1 || channels == 2);
            EXPECT_EQ(Le(b, at + 12, 4), 44100u);
            EXPECT_EQ(Le(b, at + 16, 4), 44100u * channels * 2);
            EXPECT_EQ(Le(b, at + 20, 2), channels * 2);
            EXPECT_EQ(Le(b, at + 22, 2), 16u);
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                samples.push_back(static_cast<int16_t>(Le(b, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    ASSERT_GT(channels, 0u);
    ASSERT_FALSE(samples.empty());

    const double seconds = static_cast<double>(samples.size()) / channels / 44100.0;
    EXPECT_GT(seconds, 0.3);
    EXPECT_LT(seconds, 3.0);

    auto level = [&](std::size_t from, std::size_t to) {
        int peak = 0;
        for (std::size_t i = from; i < to; ++i)
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        return peak / 32768.0;
    };
    const std::size_t ms = 44 * channels;
    EXPECT_LT(level(0, samples.size()), 0.95) << "clipping";
    EXPECT_GT(level(0, samples.size()), 0.3) << "too quiet";
    EXPECT_LT(level(0, ms / 4), 0.01) << "click at the start";
    EXPECT_LT(level(0, ms), 0.15) << "hard attack";
    EXPECT_LT(level(samples.size() - 10 * ms, samples.size()), 0.01) << "click at the end";
}

INSTANTIATE_TEST_SUITE_P(Sounds, WaveFilesTest,
    ::testing::Values("title.wav", "start.wav", "retry.wav", "clear.wav", "gameover.wav",
                      "hattrick.wav"),
    [](const auto& info) { return std::string(info.param).substr(0, std::strlen(info.param) - 4); });

} // namespace
