#pragma once

#include "GamePlatform.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class QWidget;

// Sound through SDL on one voice, errors in a Qt message box.
// SDL is loaded and the audio device opened on the first sound, not at start-up, so the
// window never waits for them; without either the game stays silent and says nothing.
class DesktopPlatform : public GamePlatform {
public:
    static constexpr const char* Library = "libSDL2-2.0.so.0";

    // owner: the window the error boxes belong to, none in tests and tools. library: the
    // SDL library to load; tests name one that is not there.
    explicit DesktopPlatform(QWidget* owner = nullptr, const char* library = Library);
    ~DesktopPlatform() override;

    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    // What SDL read from an image is kept until the next StopSound, and a sound may be
    // played straight from its image, so the owner of the images calls StopSound before
    // it frees or changes them.
    void PlaySound(const uint8_t* image, size_t size) override;
    void StopSound() override;
    void ShowError(const std::string& text) override;

    // Wayland neither tells a client where its window is nor lets it place one.
    static bool WindowPositionKnown();

    // Whether a sound is still being played.
    bool Playing() const;

private:
    // The loaded library, the open device and what it plays.
    struct Audio;

    bool OpenAudio();

    QWidget* const owner;
    const char* library;
    std::unique_ptr<Audio> audio;
    bool unavailable = false;
};
