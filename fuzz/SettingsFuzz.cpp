// Arbitrary bytes as settings.ini: loaded, saved and loaded again the way the main
// window does it. Whatever the file holds, the game must receive values it can work
// with, and a saved file must read back as what was saved.
#include "GameSettings.h"
#include "SettingsFile.h"

#include "FuzzSupport.h"

#include <cstdint>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

std::string folder;
std::string path;

bool Within(int32_t value, int32_t low, int32_t high)
{
    return value >= low && value <= high;
}

// Every value within its setting's range, and nothing read that its switch keeps out.
void CheckRanges(const GameSettings& loaded, const GameSettings& defaults)
{
    VisitSettings(loaded, [](const Setting& setting, const auto& value, bool) {
        Require(Within(static_cast<int32_t>(value), setting.minimum, setting.maximum), setting.key);
    });
    Require(loaded.system.status || loaded.status == defaults.status, "statistics read while switched off");
    Require(loaded.system.position || (loaded.left == defaults.left && loaded.top == defaults.top),
            "position read while switched off");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    folder = MakeTemporaryFolder("tarvik-fuzz-settings");
    path = folder + "/settings.ini";
    std::atexit([] {
        ::unlink(path.c_str());
        ::rmdir(folder.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        Require(out.good(), "writing the input");
    }

    // The main window's state before loading: defaults, centred at some position.
    GameSettings defaults;
    defaults.left = 412;
    defaults.top = 290;

    SettingsFile first(path);
    if (!first.Load()) {
        Require(size > SettingsFile::MaxSize, "a small regular file failed to load");
        return 0;
    }
    const GameSettings loaded = ReadGameSettings(first, defaults);
    CheckRanges(loaded, defaults);

    WriteGameSettings(first, loaded, true);
    Require(first.Save(), "saving what was loaded");

    SettingsFile second(path);
    Require(second.Load(), "loading what was saved");
    Require(ReadGameSettings(second, defaults) == loaded, "the saved values read back");
    return 0;
}
