#pragma once

#include "GamePlatform.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

struct Mix_Chunk;

// Sound through SDL2_mixer on one channel, errors in a Qt message box.
// The audio device is opened on the first sound, not at start-up, so the window never
// waits for it; without a device the game stays silent and says nothing.
class DesktopPlatform : public GamePlatform {
public:
    DesktopPlatform();
    ~DesktopPlatform() override;

    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    // Decoded chunks are kept per image until the next StopSound, so the owner of the
    // images calls StopSound before it frees or changes them.
    void PlaySound(const uint8_t* image, size_t size) override;
    void StopSound() override;
    void ShowError(const std::string& text) override;

    // Wayland neither tells a client where its window is nor lets it place one.
    static bool WindowPositionKnown();

private:
    bool OpenAudio();
    void FreeChunks();

    enum class Audio { Unopened, Open, Unavailable };
    Audio audio = Audio::Unopened;
    // Null for an image SDL could not decode, so it is not tried again.
    std::map<std::pair<const uint8_t*, size_t>, Mix_Chunk*> chunks;
};
