#pragma once

#include <SimpleIni.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The INI file the game keeps its options in. Names match without regard to case, and
// everything the game does not know (sections, keys, comments, order) is written back
// as it was found. The file is read whole into memory and replaced whole on saving, so
// an interrupted save leaves either the old or the new file, never a mix.
class SettingsFile {
public:
    // Larger files were not written by the game; reading them whole is not worth the risk.
    static constexpr std::size_t MaxSize = 1024 * 1024;

    explicit SettingsFile(std::string path);

    // A missing file is no failure and is not created. False when the file exists but
    // cannot be read: no permission, not a regular file, too large, an I/O error.
    bool Load();

    int32_t ReadInteger(const char* section, const char* key, int32_t defaultValue) const;
    bool ReadBool(const char* section, const char* key, bool defaultValue) const;
    void WriteInteger(const char* section, const char* key, int32_t value);
    void WriteBool(const char* section, const char* key, bool value);

    // Writes the whole content to a new file beside the old one and renames it over.
    // On failure the old file is untouched and no temporary file is left; one left by an
    // earlier save that was killed is removed. Refused after a failed Load, so a file
    // that could not be read is not replaced.
    bool Save();

    // Makes the folder the file goes into, and any missing above it, private to the user
    // as the XDG base directories want. True when the folder is there afterwards.
    bool CreateFolder() const;

    const std::string& path() const { return m_path; }

    // Decimal or "0x"/"0X" hexadecimal with an optional sign, the whole text, within
    // 32 bits; anything else has no value.
    static std::optional<int32_t> ParseInteger(std::string_view text);

private:
    std::string m_path;
    CSimpleIniA m_ini;
    // A file that could not be read, or a value that could not be stored, is never saved.
    bool m_failed = false;
};
