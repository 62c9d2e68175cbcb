#include "SettingsFile.h"

#include <cstring>
#include <string>

// settings_probe load PATH       exit 0 when the file can be read
// settings_probe save PATH       read the file, add a key, save; exit 0 when saved
// settings_probe save-loop PATH  rewrite the file round after round until killed:
//                                every round sets all keys of section "probe" to
//                                the round number, so a mixed file shows at once
namespace {

constexpr int LoopKeys = 2000;

int SaveLoop(const std::string& path)
{
    for (;;) {
        SettingsFile file(path);
        if (!file.Load())
            return 3;
        const int32_t round = file.ReadInteger("probe", "round", 0) + 1;
        file.WriteInteger("probe", "round", round);
        for (int i = 0; i < LoopKeys; ++i)
            file.WriteInteger("probe", ("key" + std::to_string(i)).c_str(), round);
        if (!file.Save())
            return 4;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const std::string command = argv[1];
    SettingsFile file(argv[2]);
    if (command == "load")
        return file.Load() ? 0 : 1;
    if (command == "save") {
        if (!file.Load())
            return 1;
        file.WriteBool("probe", "saved", true);
        return file.Save() ? 0 : 1;
    }
    if (command == "save-loop")
        return SaveLoop(argv[2]);
    return 2;
}
