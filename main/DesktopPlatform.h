#pragma once

#include "GamePlatform.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

struct Mix_Chunk;

// Sound through SDL2_mixer on one channel, errors in a Qt message box.
// The mixer is loaded and the audio device opened on the first sound, not at start-up,
// so the window never waits for them; without either the game stays silent and says
// nothing.
class DesktopPlatform : public GamePlatform {
public:
    static constexpr const char* Library = "libSDL2_mixer-2.0.so.0";

    // The mixer library to load; tests name one that is not there.
    explicit DesktopPlatform(const char* library = Library);
    ~DesktopPlatform() override;

    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    // Decoded chunks are kept per image until the next StopSound, so the owner of the
    // images calls StopSound before it frees or changes them.
    void PlaySound(const uint8_t* image, size_t size) override;
    void StopSound() override;
    void ShowError(const std::string& text) override;

    // The functions resolved from the mixer library.
    struct Mixer;

private:
    bool OpenAudio();
    void FreeChunks();

    enum class Audio { Unopened, Open, Unavailable };
    Audio audio = Audio::Unopened;
    const char* library;
    std::unique_ptr<Mixer> mix;
    // Null for an image SDL could not decode, so it is not tried again.
    std::map<std::pair<const uint8_t*, size_t>, Mix_Chunk*> chunks;
};
