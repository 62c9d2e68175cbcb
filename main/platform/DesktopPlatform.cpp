#include "DesktopPlatform.h"

#include "Application.h"

#include <QApplication>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr int Channel = 0;

uint32_t ReadLE32(const uint8_t* at)
{
    return at[0] | at[1] << 8 | at[2] << 16 | uint32_t{at[3]} << 24;
}

// SDL2_mixer would also decode AIFF, VOC, MP3, Ogg, modules and MIDI from the same call;
// the game ships only wave files, so nothing else reaches those decoders. SDL's wave
// reader allocates what a chunk header declares before it reads, so a few bytes could
// ask for gigabytes: every chunk must lie within the image.
bool IsWave(const uint8_t* image, size_t size)
{
    if (size < 12 || std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0)
        return false;
    for (size_t at = 12; size - at >= 8;) {
        const uint64_t end = at + 8 + uint64_t{ReadLE32(image + at + 4)};
        if (end > size)
            return false;
        // Chunks are padded to an even length; a missing last pad byte is harmless.
        at = static_cast<size_t>(std::min<uint64_t>(end + (end & 1), size));
    }
    return true;
}

} // namespace

DesktopPlatform::DesktopPlatform() = default;

DesktopPlatform::~DesktopPlatform()
{
    if (audio != Audio::Open)
        return;
    Mix_HaltChannel(-1);
    FreeChunks();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool DesktopPlatform::OpenAudio()
{
    if (audio != Audio::Unopened)
        return audio == Audio::Open;

    audio = Audio::Unavailable;
    // Otherwise SDL swallows SIGINT and SIGTERM and the game cannot be ended by them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // A small buffer keeps a sound close to the click that caused it.
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // One channel: a new sound cuts off the one still playing.
    Mix_AllocateChannels(1);
    audio = Audio::Open;
    return true;
}

void DesktopPlatform::FreeChunks()
{
    for (const auto& [key, chunk] : chunks) {
        if (chunk)
            Mix_FreeChunk(chunk);
    }
    chunks.clear();
}

void DesktopPlatform::PlaySound(const uint8_t* image, size_t size)
{
    if (!OpenAudio())
        return;
    Mix_Chunk* chunk = nullptr;
    if (image && size != 0) {
        auto [it, added] = chunks.try_emplace({image, size}, nullptr);
        if (added && IsWave(image, size) && size <= static_cast<size_t>(INT_MAX)) {
            SDL_RWops* rw = SDL_RWFromConstMem(image, static_cast<int>(size));
            it->second = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
        }
        chunk = it->second;
    }
    // Decoded before the old sound is touched: playing on the busy channel replaces it
    // at once, so the mixer never fills a buffer with silence in between.
    if (chunk)
        Mix_PlayChannel(Channel, chunk, 0);
    else
        Mix_HaltChannel(Channel);
}

void DesktopPlatform::StopSound()
{
    if (audio != Audio::Open)
        return;
    Mix_HaltChannel(Channel);
    FreeChunks();
}

// The model hands in its English text; the player reads it in their language.
void DesktopPlatform::ShowError(const std::string& text)
{
    Application::Warn(QApplication::activeWindow(), QCoreApplication::translate("GamePlatform", "Error"),
                      QCoreApplication::translate("GamePlatform", text.c_str()));
}

bool DesktopPlatform::WindowPositionKnown()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
