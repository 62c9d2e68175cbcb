#pragma once

#include "GamePlatform.h"
#include "SettingTable.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The six sound effects, read whole into memory at start-up and played from there.
class GameSound {
public:
    // folder ends with a path separator and holds the six wave files.
    // The platform must outlive this object: destruction stops playback through it.
    GameSound(const std::string& folder, GamePlatform& platform);
    virtual ~GameSound();

    GameSound(const GameSound&) = delete;
    GameSound& operator=(const GameSound&) = delete;

    void Play(int32_t event);
    void Stop();
    void SetEnabled(bool value) { m_enabled = value; }

    bool enabled() const { return m_enabled; }
    bool failed() const { return m_failed; }

    // Larger files are refused as a load failure, so start-up never reads unbounded data.
    static constexpr std::size_t MaxImageSize = 16u << 20;

private:
    using Image = std::unique_ptr<std::vector<uint8_t>>;

    static Image ReadImage(const std::string& path);

    GamePlatform& platform;
    // Null where the file could not be opened.
    std::array<Image, 6> images;
    bool m_enabled = Settings::SoundEnabled.initial != 0;
    bool m_failed = false;
};
