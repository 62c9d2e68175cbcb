#include "DesktopPlatform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put(Bytes& b, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void Tag(Bytes& b, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>(tag[i]));
}

struct Chunk {
    const char* tag;
    Bytes body;
    // What the header claims, when it is not the truth.
    uint32_t declared = 0;
};

Bytes Riff(const std::vector<Chunk>& chunks)
{
    Bytes b;
    Tag(b, "RIFF");
    Put(b, 0, 4);
    Tag(b, "WAVE");
    for (const Chunk& c : chunks) {
        Tag(b, c.tag);
        Put(b, c.declared ? c.declared : static_cast<uint32_t>(c.body.size()), 4);
        b.insert(b.end(), c.body.begin(), c.body.end());
        if (c.body.size() % 2)
            b.push_back(0);
    }
    const auto riffSize = static_cast<uint32_t>(b.size() - 8);
    for (int i = 0; i < 4; ++i)
        b[4 + i] = static_cast<uint8_t>(riffSize >> (8 * i));
    return b;
}

Chunk Format()
{
    Bytes f;
    Put(f, 1, 2);     // PCM
    Put(f, 1, 2);     // mono
    Put(f, 8000, 4);  // frames per second
    Put(f, 8000, 4);  // bytes per second
    Put(f, 1, 2);     // block
    Put(f, 8, 2);     // bits
    return {"fmt ", f};
}

Chunk Samples()
{
    Bytes d;
    for (int i = 0; i < 4000; ++i)
        d.push_back(i % 16 < 8 ? 0x40 : 0xC0);
    return {"data", d};
}

// The same tone as an AIFF file, which a general sound library would happily play.
Bytes Aiff()
{
    const Bytes samples = Samples().body;
    auto big = [](Bytes& b, uint32_t value, int bytes) {
        for (int i = bytes - 1; i >= 0; --i)
            b.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    Bytes b;
    Tag(b, "FORM");
    big(b, static_cast<uint32_t>(4 + 8 + 18 + 8 + 8 + samples.size()), 4);
    Tag(b, "AIFF");
    Tag(b, "COMM");
    big(b, 18, 4);
    big(b, 1, 2);                                       // mono
    big(b, static_cast<uint32_t>(samples.size()), 4);   // frames
    big(b, 8, 2);                                       // bits
    // 8000 as an 80-bit extended float.
    const uint8_t rate[10]{0x40, 0x0B, 0xFA, 0, 0, 0, 0, 0, 0, 0};
    b.insert(b.end(), rate, rate + 10);
    Tag(b, "SSND");
    big(b, static_cast<uint32_t>(8 + samples.size()), 4);
    big(b, 0, 4);
    big(b, 0, 4);
    for (uint8_t s : samples)
        b.push_back(static_cast<uint8_t>(s ^ 0x80));
    return b;
}

class WaveImage : public testing::Test {
protected:
    static void SetUpTestSuite() { ::setenv("SDL_AUDIODRIVER", "dummy", 1); }

    bool Plays(const Bytes& image)
    {
        platform.PlaySound(image.data(), image.size());
        const bool playing = platform.Playing();
        platform.StopSound();
        return playing;
    }

    DesktopPlatform platform;
};

TEST_F(WaveImage, AWellFormedWavePlaysAlsoWithOddChunksBeforeItsSamples)
{
    ASSERT_TRUE(Plays(Riff({Format(), Samples()})));
    EXPECT_TRUE(Plays(Riff({Format(), {"LIST", Bytes(7, 'x')}, Samples()})));
    // A missing pad byte after an odd last chunk is common and harmless.
    Bytes odd = Riff({Format(), {"data", Bytes(3999, 0x40)}});
    odd.pop_back();
    EXPECT_TRUE(Plays(odd));
}

// A chunk header is a request for memory to SDL's wave reader: a few dozen bytes
// must not make it reserve gigabytes.
TEST_F(WaveImage, AChunkLongerThanTheFileIsNotAWave)
{
    Chunk huge = Samples();
    huge.declared = 0xFFFFFFF0u;
    EXPECT_FALSE(Plays(Riff({Format(), huge})));
    EXPECT_FALSE(Plays(Riff({Format(), {"LIST", Bytes(8, 'x'), 0x7FFFFFFFu}, Samples()})));
    Chunk shortBy1 = Samples();
    shortBy1.declared = static_cast<uint32_t>(shortBy1.body.size() + 1);
    EXPECT_FALSE(Plays(Riff({Format(), shortBy1})));
}

TEST_F(WaveImage, OtherSoundFormatsAreNotPlayed)
{
    EXPECT_FALSE(Plays(Aiff()));
    Bytes riff = Riff({Format(), Samples()});
    riff[8] = 'A';
    EXPECT_FALSE(Plays(riff));
    EXPECT_FALSE(Plays(Bytes(riff.begin(), riff.begin() + 11)));
}

} // namespace
