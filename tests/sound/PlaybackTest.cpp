#include "DesktopPlatform.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numbers>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include <dlfcn.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr int Rate = 44100;
constexpr double Low = 440.0;
constexpr double High = 880.0;

// A mono wave image of a sine tone, faded in and out, with samples of 2 or 3 bytes.
std::vector<uint8_t> ToneImage(double frequency, double seconds, uint32_t rate = Rate, uint32_t depth = 2)
{
    const auto frames = static_cast<uint32_t>(seconds * rate);
    std::vector<uint8_t> b;
    b.reserve(44 + frames * depth);
    auto put = [&b](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto tag = [&b](const char* t) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<uint8_t>(t[i]));
    };
    tag("RIFF"); put(36 + frames * depth, 4); tag("WAVE");
    tag("fmt "); put(16, 4); put(1, 2); put(1, 2); put(rate, 4); put(rate * depth, 4); put(depth, 2);
    put(8 * depth, 2);
    tag("data"); put(frames * depth, 4);
    const double full = (1 << (8 * depth - 1)) - 1;
    for (uint32_t i = 0; i < frames; ++i) {
        const double fade = std::min({1.0, i / 220.0, (frames - i) / 220.0});
        const double s = 0.5 * fade * std::sin(2 * std::numbers::pi * frequency * i / rate);
        put(static_cast<uint32_t>(std::lround(s * full)), static_cast<int>(depth));
    }
    return b;
}

enum class Heard { Silence, Low, High, Sound };

std::ostream& operator<<(std::ostream& out, Heard heard)
{
    static const char* const names[]{"silence", "low tone", "high tone", "other sound"};
    return out << names[static_cast<int>(heard)];
}

// Labels short windows of the mixed output (stereo, 16-bit) by level and by which test
// tone carries most of the energy, and merges them into runs.
std::vector<std::pair<Heard, int>> Listen(const std::vector<int16_t>& stereo)
{
    constexpr std::size_t Window = 1024;
    std::vector<std::pair<Heard, int>> runs;
    for (std::size_t at = 0; at + 2 * Window <= stereo.size(); at += 2 * Window) {
        double energy = 0;
        auto share = [&](double frequency) {
            const double k = 2 * std::cos(2 * std::numbers::pi * frequency / Rate);
            double s1 = 0, s2 = 0;
            for (std::size_t i = 0; i < Window; ++i) {
                const double s0 = stereo[at + 2 * i] / 32768.0 + k * s1 - s2;
                s2 = s1;
                s1 = s0;
            }
            const double power = s1 * s1 + s2 * s2 - k * s1 * s2;
            return 2 * power / (Window * Window) / energy;
        };
        for (std::size_t i = 0; i < Window; ++i)
            energy += std::pow(stereo[at + 2 * i] / 32768.0, 2);
        energy /= Window;

        Heard heard = Heard::Sound;
        if (energy < 1e-6)
            heard = Heard::Silence;
        else if (share(Low) > 0.8)
            heard = Heard::Low;
        else if (share(High) > 0.8)
            heard = Heard::High;
        if (!runs.empty() && runs.back().first == heard)
            ++runs.back().second;
        else
            runs.emplace_back(heard, 1);
    }
    return runs;
}

// What was heard in order, without the silence before the first sound and without
// single mixed windows where one sound gives way to the next.
std::vector<Heard> Sequence(const std::vector<std::pair<Heard, int>>& runs)
{
    std::vector<Heard> seq;
    for (const auto& [heard, windows] : runs) {
        if (heard == Heard::Sound && windows == 1)
            continue;
        if (heard == Heard::Silence && seq.empty())
            continue;
        if (seq.empty() || seq.back() != heard)
            seq.push_back(heard);
    }
    return seq;
}

// Each test gets its own output file: ctest runs test cases in parallel processes.
class PlaybackTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        output = fs::temp_directory_path()
            / ("tarvik-disk-audio-" + std::to_string(::getpid()) + ".raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        platform = std::make_unique<DesktopPlatform>();
    }
    void TearDown() override { fs::remove(output); }

    // Closing the device flushes the output file.
    std::vector<std::pair<Heard, int>> Recorded()
    {
        platform.reset();
        std::ifstream in(output, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        std::vector<int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return Listen(samples);
    }

    fs::path output;
    std::unique_ptr<DesktopPlatform> platform;
    const std::vector<uint8_t> low = ToneImage(Low, 2.0);
    const std::vector<uint8_t> high = ToneImage(High, 2.0);
};

// The trailing silence shows Stop cut the two-second tone short while the device ran on.
TEST_F(PlaybackTest, SecondSoundReplacesFirstAndStopEndsIt)
{
    platform->PlaySound(low.data(), low.size());
    std::this_thread::sleep_for(250ms);
    platform->PlaySound(high.data(), high.size());
    std::this_thread::sleep_for(250ms);
    platform->StopSound();
    std::this_thread::sleep_for(300ms);

    const auto runs = Recorded();
    ASSERT_EQ(Sequence(runs), (std::vector<Heard>{Heard::Low, Heard::High, Heard::Silence}));
    EXPECT_GE(runs.back().second, 2);
}

TEST_F(PlaybackTest, AbsentOrInvalidImageOnlyStops)
{
    const std::vector<uint8_t> invalid(4000, 'x');
    for (const uint8_t* image : std::array{static_cast<const uint8_t*>(nullptr), invalid.data()}) {
        if (!platform)
            platform = std::make_unique<DesktopPlatform>();
        platform->PlaySound(low.data(), low.size());
        std::this_thread::sleep_for(250ms);
        platform->PlaySound(image, image ? invalid.size() : 0);
        std::this_thread::sleep_for(300ms);

        const auto runs = Recorded();
        ASSERT_EQ(Sequence(runs), (std::vector<Heard>{Heard::Low, Heard::Silence}))
            << (image ? "invalid image" : "absent image");
        EXPECT_GE(runs.back().second, 2);
    }
}

// The same image twice in a row plays again from what was kept of it without a gap, and a
// generated sound plays too.
TEST_F(PlaybackTest, SoundsPlayAgainAndGeneratedOnesPlayToo)
{
    std::ifstream in(std::string(TARVIK_SOUND_DIR) + "clear.wav", std::ios::binary);
    const std::vector<uint8_t> clear{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(clear.empty());

    platform->PlaySound(high.data(), high.size());
    std::this_thread::sleep_for(150ms);
    platform->PlaySound(high.data(), high.size());
    std::this_thread::sleep_for(150ms);
    platform->PlaySound(clear.data(), clear.size());
    std::this_thread::sleep_for(250ms);

    const auto runs = Recorded();
    EXPECT_EQ(Sequence(runs), (std::vector<Heard>{Heard::High, Heard::Sound}));
    EXPECT_GE(runs.back().second, 3);
}

// Samples unlike the device's are converted as they play: a wrong rate would shift the
// pitch, a wrong depth would give noise.
TEST_F(PlaybackTest, OtherRatesAndDepthsKeepTheirPitch)
{
    const auto low = ToneImage(Low, 2.0, 22050);
    const auto high = ToneImage(High, 2.0, 48000, 3);
    platform->PlaySound(low.data(), low.size());
    std::this_thread::sleep_for(250ms);
    platform->PlaySound(high.data(), high.size());
    std::this_thread::sleep_for(250ms);

    EXPECT_EQ(Sequence(Recorded()), (std::vector<Heard>{Heard::Low, Heard::High}));
}

TEST(PlaybackWithoutDeviceTest, StaysSilentAndQuiet)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    DesktopPlatform platform;
    const auto image = ToneImage(Low, 0.1);
    platform.PlaySound(image.data(), image.size());
    platform.StopSound();
    platform.PlaySound(nullptr, 0);
}

// A player without the sound library gets a silent game, not an error box.
TEST(PlaybackWithoutLibraryTest, StaysSilentAndQuiet)
{
    struct Counting : DesktopPlatform {
        using DesktopPlatform::DesktopPlatform;
        void ShowError(const std::string&) override { ++errors; }
        int errors = 0;
    } platform(nullptr, "libtarvik-no-such-sound-library.so.0");
    const auto image = ToneImage(Low, 0.1);
    platform.PlaySound(image.data(), image.size());
    platform.PlaySound(nullptr, 0);
    platform.StopSound();
    EXPECT_EQ(platform.errors, 0);
}

// The sound library costs a start nothing: it is mapped by the first sound, not before.
TEST(PlaybackLoadTest, TheFirstSoundLoadsTheLibrary)
{
    const auto loaded = [] {
        void* handle = dlopen(DesktopPlatform::Library, RTLD_NOW | RTLD_NOLOAD);
        if (handle)
            dlclose(handle);
        return handle != nullptr;
    };
    if (loaded())
        GTEST_SKIP() << "an earlier test in this process loaded it";
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    DesktopPlatform platform;
    EXPECT_FALSE(loaded());
    const auto image = ToneImage(Low, 0.1);
    platform.PlaySound(image.data(), image.size());
    EXPECT_TRUE(loaded());
}

// An open device keeps SDL's audio thread waking for every buffer, so a game in play would
// never sleep: the device closes once a sound has played out and opens for the next.
TEST(PlaybackIdleTest, TheDeviceIsOpenOnlyWhileASoundPlays)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    const auto threads = [] {
        return std::distance(fs::directory_iterator("/proc/self/task"), fs::directory_iterator());
    };
    const auto idle = threads();
    DesktopPlatform platform;
    const auto image = ToneImage(Low, 0.2);
    for (int round = 0; round < 2; ++round) {
        platform.PlaySound(image.data(), image.size());
        EXPECT_TRUE(platform.Playing());
        EXPECT_GT(threads(), idle);
        const auto end = std::chrono::steady_clock::now() + 5s;
        while (threads() > idle && std::chrono::steady_clock::now() < end) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(20ms);
        }
        EXPECT_EQ(threads(), idle) << "round " << round;
    }
}

} // namespace
