#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "Translatable.h"

// The model's only way out to the platform: sound output and error boxes.
class GamePlatform {
public:
    virtual ~GamePlatform() = default;

    // Plays a whole wave image from memory and returns at once, replacing whatever
    // still plays. A null image only stops the current sound. An image that is not
    // a valid wave plays nothing; nothing ever plays a substitute sound.
    virtual void PlaySound(const uint8_t* image, size_t size) = 0;
    virtual void StopSound() = 0;

    // A modal error box: caption "Error", exclamation icon, OK. The text is marked with
    // QT_TRANSLATE_NOOP("GamePlatform", ...), the context the platform translates it in.
    virtual void ShowError(const std::string& text) = 0;
};
