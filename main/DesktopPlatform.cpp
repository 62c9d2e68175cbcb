#include "DesktopPlatform.h"

#include <QApplication>
#include <QMessageBox>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include <dlfcn.h>

// The mixer's functions the game uses, resolved from the library at run time.
#define TARVIK_MIXER_FUNCTIONS(X)                                                            \
    X(SDL_SetHint) X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_RWFromConstMem)            \
    X(Mix_OpenAudio) X(Mix_CloseAudio) X(Mix_AllocateChannels) X(Mix_LoadWAV_RW)               \
    X(Mix_FreeChunk) X(Mix_PlayChannelTimed) X(Mix_HaltChannel)

struct DesktopPlatform::Mixer {
#define TARVIK_DECLARE(name) decltype(&::name) name = nullptr;
    TARVIK_MIXER_FUNCTIONS(TARVIK_DECLARE)
#undef TARVIK_DECLARE
};

namespace {

constexpr int Channel = 0;

// Linked in, the mixer and SDL would map about 45 libraries (sound servers, codecs,
// synthesizers, display back ends) at every start, before the window shows; loaded
// here, only a game that plays a sound pays for them. Without them the game is silent.
// Never unloaded: their threads and destructors would outlive the code.
std::unique_ptr<DesktopPlatform::Mixer> LoadMixer(const char* library)
{
    void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    auto mixer = std::make_unique<DesktopPlatform::Mixer>();
#define TARVIK_RESOLVE(name)                                                                  \
    mixer->name = reinterpret_cast<decltype(mixer->name)>(dlsym(handle, #name));              \
    if (!mixer->name)                                                                         \
        return nullptr;
    TARVIK_MIXER_FUNCTIONS(TARVIK_RESOLVE)
#undef TARVIK_RESOLVE
    return mixer;
}

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

DesktopPlatform::DesktopPlatform(const char* library)
    : library(library)
{
}

DesktopPlatform::~DesktopPlatform()
{
    if (audio != Audio::Open)
        return;
    mix->Mix_HaltChannel(-1);
    FreeChunks();
    mix->Mix_CloseAudio();
    mix->SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool DesktopPlatform::OpenAudio()
{
    if (audio != Audio::Unopened)
        return audio == Audio::Open;

    audio = Audio::Unavailable;
    mix = LoadMixer(library);
    if (!mix)
        return false;
    // Otherwise SDL swallows SIGINT and SIGTERM and the game cannot be ended by them.
    mix->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (mix->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // A small buffer keeps a sound close to the click that caused it.
    if (mix->Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        mix->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // One channel: a new sound cuts off the one still playing.
    mix->Mix_AllocateChannels(1);
    audio = Audio::Open;
    return true;
}

void DesktopPlatform::FreeChunks()
{
    for (const auto& [key, chunk] : chunks) {
        if (chunk)
            mix->Mix_FreeChunk(chunk);
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
            SDL_RWops* rw = mix->SDL_RWFromConstMem(image, static_cast<int>(size));
            it->second = rw ? mix->Mix_LoadWAV_RW(rw, 1) : nullptr;
        }
        chunk = it->second;
    }
    // Decoded before the old sound is touched: playing on the busy channel replaces it
    // at once, so the mixer never fills a buffer with silence in between.
    if (chunk)
        mix->Mix_PlayChannelTimed(Channel, chunk, 0, -1);
    else
        mix->Mix_HaltChannel(Channel);
}

void DesktopPlatform::StopSound()
{
    if (audio != Audio::Open)
        return;
    mix->Mix_HaltChannel(Channel);
    FreeChunks();
}

void DesktopPlatform::ShowError(const std::string& text)
{
    // Let the window repaint before the box covers it.
    QApplication::processEvents();
    QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Error"),
                         QString::fromStdString(text));
}
