#pragma once

#include "GamePlatform.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The six sound effects, read whole into memory at start-up and played from there.
class GameSound {
public:
    // folder ends with a path separator and holds the six wave files.
    GameSound(const std::string& folder, GamePlatform& platform);
    virtual ~GameSound();

    GameSound(const GameSound&) = delete;
    GameSound& operator=(const GameSound&) = delete;

    void Play(int32_t event);
    void Stop();
    void SetEnabled(bool value) { m_enabled = value; }

    bool enabled() const { return m_enabled; }
    bool failed() const { return m_failed; }

    // sound-helper: add the private members
private:
    GamePlatform& platform;
    bool m_enabled = true;
    bool m_failed = false;
};
