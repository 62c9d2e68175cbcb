// Arbitrary bytes as one of the six wave files, loaded at start-up and played through
// SDL on its dummy driver. The first byte picks the file.
#include "DesktopPlatform.h"
#include "GameSound.h"

#include "FuzzSupport.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

constexpr std::array<const char*, 6> FileNames{
    "title.wav", "start.wav", "retry.wav", "clear.wav", "gameover.wav", "hattrick.wav",
};

// Real playback; the error box is Qt's and needs an application object, so it is
// only counted here. No input within the size cap may reach it.
class FuzzPlatform : public DesktopPlatform {
public:
    void ShowError(const std::string&) override { ++errors; }
    int errors = 0;
};

std::string folder;
std::unique_ptr<FuzzPlatform> platform;

void RemoveFiles()
{
    for (const char* name : FileNames)
        ::unlink((folder + "/" + name).c_str());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    folder = MakeTemporaryFolder("tarvik-fuzz-sound");
    platform = std::make_unique<FuzzPlatform>();
    std::atexit([] {
        platform.reset();
        RemoveFiles();
        ::rmdir(folder.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t slot = data[0] % FileNames.size();
    RemoveFiles();
    {
        std::ofstream out(folder + "/" + FileNames[slot], std::ios::binary);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
        Require(out.good(), "writing the input");
    }

    GameSound sound(folder + "/", *platform);
    Require(!sound.failed() && platform->errors == 0, "a file within the cap failed to load");
    // Every event, so the chosen file plays between absent ones, and twice, so a
    // decoded sound is played again from the cache.
    for (int32_t event = 1; event <= 6; ++event)
        sound.Play(event);
    sound.Play(static_cast<int32_t>(slot) + 1);
    sound.Play(static_cast<int32_t>(slot) + 1);
    return 0;
}
