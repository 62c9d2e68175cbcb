#include "GameSound.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Records what the model asks of the platform; a played image is kept as text so the
// test can tell which file it came from.
class RecordingPlatform : public GamePlatform {
public:
    void PlaySound(const uint8_t* image, size_t size) override
    {
        played.push_back(image ? std::string(reinterpret_cast<const char*>(image), size)
                               : std::string("<none>"));
    }
    void StopSound() override { ++stops; }
    void ShowError(const std::string& text) override { errors.push_back(text); }

    std::vector<std::string> played;
    int stops = 0;
    std::vector<std::string> errors;
};

const std::vector<std::string> AllFiles{
    "title.wav", "start.wav", "retry.wav", "clear.wav", "gameover.wav", "hattrick.wav",
};

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path()
            / ("tarvik-sound-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Each file holds its own name, so a played image shows where it came from.
    void Write(const std::string& name) const
    {
        std::ofstream(folder / name, std::ios::binary) << name;
    }
    std::string Folder() const { return folder.string() + "/"; }

    fs::path folder;
    RecordingPlatform platform;
};

void PlayAll(GameSound& sound)
{
    for (int32_t event = 1; event <= 6; ++event)
        sound.Play(event);
}

TEST_F(SoundTest, EventsPlayTheirOwnFileAndOthersNothing)
{
    for (const auto& name : AllFiles)
        Write(name);
    GameSound sound(Folder(), platform);
    EXPECT_TRUE(sound.enabled());
    EXPECT_FALSE(sound.failed());

    PlayAll(sound);
    EXPECT_EQ(platform.played, AllFiles);

    platform.played.clear();
    for (int32_t event : {0, 7, -1, 100})
        sound.Play(event);
    EXPECT_TRUE(platform.played.empty());
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(SoundTest, MissingFilesOnlyStopWithoutMessage)
{
    // No folder at all.
    {
        GameSound sound(Folder() + "absent/", platform);
        EXPECT_FALSE(sound.failed());
        PlayAll(sound);
        EXPECT_EQ(platform.played, std::vector<std::string>(6, "<none>"));
    }
    EXPECT_TRUE(platform.errors.empty());

    // Only the clear sound.
    platform.played.clear();
    Write("clear.wav");
    GameSound sound(Folder(), platform);
    PlayAll(sound);
    EXPECT_EQ(platform.played, (std::vector<std::string>{
        "<none>", "<none>", "<none>", "clear.wav", "<none>", "<none>"}));
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(SoundTest, SwitchingOffSilencesAndOnPlaysWithoutReloading)
{
    Write("clear.wav");
    GameSound sound(Folder(), platform);
    sound.SetEnabled(false);
    EXPECT_FALSE(sound.enabled());
    PlayAll(sound);
    EXPECT_TRUE(platform.played.empty());

    // The images came from memory: the files are gone by now.
    fs::remove_all(folder);
    sound.SetEnabled(true);
    sound.Play(4);
    EXPECT_EQ(platform.played, std::vector<std::string>{"clear.wav"});
}

TEST_F(SoundTest, StopAndDestructionStopThePlatform)
{
    {
        GameSound sound(Folder(), platform);
        EXPECT_EQ(platform.stops, 0);
        sound.Stop();
        EXPECT_EQ(platform.stops, 1);
    }
    EXPECT_EQ(platform.stops, 2);
}

// A file that opens but cannot be read (a directory) and one over the size cap both
// take the failure path; later files are not even looked at.
TEST_F(SoundTest, ReadErrorDropsEverythingAndWarnsOnce)
{
    for (const auto& name : AllFiles)
        Write(name);
    fs::remove(folder / "start.wav");
    fs::create_directory(folder / "start.wav");
    fs::remove(folder / "retry.wav");
    fs::create_directory(folder / "retry.wav");

    GameSound sound(Folder(), platform);
    EXPECT_TRUE(sound.failed());
    EXPECT_EQ(platform.errors, std::vector<std::string>{"Failed to load sound file."});

    PlayAll(sound);
    sound.SetEnabled(false);
    sound.SetEnabled(true);
    EXPECT_TRUE(sound.enabled());
    PlayAll(sound);
    EXPECT_TRUE(platform.played.empty());
}

TEST_F(SoundTest, FileOverTheSizeCapIsALoadFailure)
{
    Write("title.wav");
    fs::resize_file(folder / "title.wav", GameSound::MaxImageSize);
    {
        GameSound sound(Folder(), platform);
        EXPECT_FALSE(sound.failed());
        sound.Play(1);
        ASSERT_EQ(platform.played.size(), 1u);
        EXPECT_EQ(platform.played[0].size(), GameSound::MaxImageSize);
    }

    platform.played.clear();
    fs::resize_file(folder / "title.wav", GameSound::MaxImageSize + 1);
    GameSound sound(Folder(), platform);
    EXPECT_TRUE(sound.failed());
    EXPECT_EQ(platform.errors.size(), 1u);
    PlayAll(sound);
    EXPECT_TRUE(platform.played.empty());
}

} // namespace
