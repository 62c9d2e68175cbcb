#include "DesktopPlatform.h"

#include "Application.h"

#include <QGuiApplication>
#include <QTimer>

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>
#include <span>
#include <utility>

#include <dlfcn.h>

namespace {

// SDL's functions the game uses, resolved from the library at run time.
#define TARVIK_SDL_FUNCTIONS(X)                                                               \
    X(SDL_SetHint) X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_OpenAudioDevice)            \
    X(SDL_PauseAudioDevice) X(SDL_LockAudioDevice) X(SDL_UnlockAudioDevice)                    \
    X(SDL_CloseAudioDevice) X(SDL_RWFromConstMem) X(SDL_LoadWAV_RW) X(SDL_FreeWAV)             \
    X(SDL_NewAudioStream) X(SDL_AudioStreamPut) X(SDL_AudioStreamGet)                          \
    X(SDL_AudioStreamAvailable) X(SDL_AudioStreamFlush) X(SDL_FreeAudioStream)

struct Sdl {
#define TARVIK_DECLARE(name) decltype(&::name) name = nullptr;
    TARVIK_SDL_FUNCTIONS(TARVIK_DECLARE)
#undef TARVIK_DECLARE

    // Linked in, SDL would map dozens of libraries (sound servers, codecs, display back
    // ends) at every start, before the window shows; loaded here, only a game that plays
    // a sound pays for them. Never unloaded: its threads and destructors would outlive
    // the code.
    bool Load(const char* library)
    {
        void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return false;
#define TARVIK_RESOLVE(name)                                                                  \
    name = reinterpret_cast<decltype(name)>(dlsym(handle, #name));                             \
    if (!name)                                                                                \
        return false;
        TARVIK_SDL_FUNCTIONS(TARVIK_RESOLVE)
#undef TARVIK_RESOLVE
        return true;
    }
};

constexpr int MaxRate = 384000;
// Frames per device buffer, and per block a voice feeds its converter: small, so a sound
// starts close to the click that caused it.
constexpr int BufferFrames = 1024;
// How often a device that may have finished its sound is looked at, in milliseconds.
constexpr int QuietCheck = 500;

uint32_t FrameBytes(SDL_AudioFormat format, uint8_t channels)
{
    return SDL_AUDIO_BITSIZE(format) / 8 * channels;
}

uint32_t ReadLE32(const uint8_t* at)
{
    return at[0] | at[1] << 8 | at[2] << 16 | uint32_t{at[3]} << 24;
}

// The game ships only wave files. SDL's wave reader allocates what a chunk header
// declares before it reads, so a few bytes could ask for gigabytes: every chunk must lie
// within the image. Also finds the first data chunk, where plain samples lie.
bool IsWave(const uint8_t* image, size_t size, std::span<const uint8_t>& data)
{
    if (size < 12 || std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0)
        return false;
    for (size_t at = 12; size - at >= 8;) {
        const uint64_t end = at + 8 + uint64_t{ReadLE32(image + at + 4)};
        if (end > size)
            return false;
        if (data.empty() && std::memcmp(image + at, "data", 4) == 0)
            data = {image + at + 8, static_cast<size_t>(end) - at - 8};
        // Chunks are padded to an even length; a missing last pad byte is harmless.
        at = static_cast<size_t>(std::min<uint64_t>(end + (end & 1), size));
    }
    return true;
}

// An image's samples as SDL reads them. Empty when SDL cannot read the image.
struct Samples {
    SDL_AudioFormat format = 0;
    uint8_t channels = 0;
    int rate = 0;
    std::span<const uint8_t> bytes;
    // SDL's copy, kept only when it differs from the image's own bytes.
    uint8_t* copy = nullptr;
};

// The sound being played, converted to the device's format a block at a time.
struct Voice {
    SDL_AudioStream* stream = nullptr;
    std::span<const uint8_t> left;
    size_t block = 0;
};

} // namespace

struct DesktopPlatform::Audio {
    Sdl sdl;
    // Open only while a sound plays and a moment after: SDL's audio thread wakes for every
    // buffer, silent or not, for as long as the device is open, so an open device would
    // cost a game in play more than all its drawing.
    SDL_AudioDeviceID device = 0;
    SDL_AudioSpec output{};
    QTimer quiet;
    bool quietBefore = false;
    // Shared with the audio thread: touched only under the device's lock.
    Voice voice;
    std::map<std::pair<const uint8_t*, size_t>, Samples> read;

    // On the audio thread.
    static void Fill(void* self, Uint8* out, int size)
    {
        Audio& audio = *static_cast<Audio*>(self);
        const Sdl& sdl = audio.sdl;
        Voice& v = audio.voice;
        int done = 0;
        while (v.stream && done < size) {
            if (!v.left.empty() && sdl.SDL_AudioStreamAvailable(v.stream) < size - done) {
                size_t n = std::min(v.left.size(), v.block);
                if (sdl.SDL_AudioStreamPut(v.stream, v.left.data(), static_cast<int>(n)) != 0)
                    n = v.left.size();
                v.left = v.left.subspan(n);
                if (v.left.empty())
                    sdl.SDL_AudioStreamFlush(v.stream);
                continue;
            }
            const int got = sdl.SDL_AudioStreamGet(v.stream, out + done, size - done);
            if (got <= 0)
                break;
            done += got;
        }
        std::memset(out + done, audio.output.silence, static_cast<size_t>(size - done));
    }

    // Swaps in the next voice; returns the one it replaces.
    Voice Replace(Voice next)
    {
        sdl.SDL_LockAudioDevice(device);
        std::swap(voice, next);
        sdl.SDL_UnlockAudioDevice(device);
        return next;
    }

    const Samples& Read(const uint8_t* image, size_t size)
    {
        auto [it, added] = read.try_emplace({image, size});
        Samples& samples = it->second;
        std::span<const uint8_t> data;
        if (!added || !IsWave(image, size, data) || size > static_cast<size_t>(INT_MAX))
            return samples;
        SDL_RWops* rw = sdl.SDL_RWFromConstMem(image, static_cast<int>(size));
        SDL_AudioSpec wave{};
        Uint8* bytes = nullptr;
        Uint32 length = 0;
        if (!rw || !sdl.SDL_LoadWAV_RW(rw, 1, &wave, &bytes, &length))
            return samples;
        const Uint32 frame = FrameBytes(wave.format, wave.channels);
        length -= frame ? length % frame : length;
        // SDL's resampler overflows on rates of millions; no sound device plays so fast.
        if (length == 0 || wave.freq <= 0 || wave.freq > MaxRate) {
            sdl.SDL_FreeWAV(bytes);
            return samples;
        }
        samples.format = wave.format;
        samples.channels = wave.channels;
        samples.rate = wave.freq;
        // Plain PCM, as the game's own sounds are, is played straight from the image
        // rather than kept twice.
        if (length <= data.size() && std::memcmp(bytes, data.data(), length) == 0) {
            sdl.SDL_FreeWAV(bytes);
            samples.bytes = data.first(length);
        } else {
            samples.copy = bytes;
            samples.bytes = {bytes, length};
        }
        return samples;
    }

    void ForgetRead()
    {
        for (const auto& [key, samples] : read)
            sdl.SDL_FreeWAV(samples.copy);
        read.clear();
    }

    bool OpenDevice()
    {
        if (device != 0)
            return true;
        SDL_AudioSpec wanted{};
        wanted.freq = 44100;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = 2;
        wanted.samples = BufferFrames;
        wanted.callback = &Audio::Fill;
        wanted.userdata = this;
        device = sdl.SDL_OpenAudioDevice(nullptr, 0, &wanted, &output,
            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
        if (device != 0)
            sdl.SDL_PauseAudioDevice(device, 0);
        return device != 0;
    }

    // Waits for the audio thread to end.
    void CloseDevice()
    {
        quiet.stop();
        if (device != 0)
            sdl.SDL_CloseAudioDevice(device);
        device = 0;
        sdl.SDL_FreeAudioStream(voice.stream);
        voice = {};
    }
};

DesktopPlatform::DesktopPlatform(QWidget* owner, const char* library)
    : owner(owner)
    , library(library)
{
}

DesktopPlatform::~DesktopPlatform()
{
    if (!audio)
        return;
    audio->CloseDevice();
    audio->ForgetRead();
    audio->sdl.SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool DesktopPlatform::OpenAudio()
{
    if (audio)
        return audio->OpenDevice();
    if (unavailable)
        return false;

    unavailable = true;
    auto opened = std::make_unique<Audio>();
    Sdl& sdl = opened->sdl;
    if (!sdl.Load(library))
        return false;
    // Otherwise SDL swallows SIGINT and SIGTERM and the game cannot be ended by them.
    sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl.SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (!opened->OpenDevice()) {
        sdl.SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    opened->quiet.setSingleShot(true);
    QObject::connect(&opened->quiet, &QTimer::timeout, [this] {
        // Closed only after a whole check of silence, so the last buffers are played out.
        const bool quiet = !Playing();
        if (quiet && audio->quietBefore)
            return audio->CloseDevice();
        audio->quietBefore = quiet;
        audio->quiet.start(QuietCheck);
    });
    audio = std::move(opened);
    unavailable = false;
    return true;
}

void DesktopPlatform::PlaySound(const uint8_t* image, size_t size)
{
    if (!OpenAudio())
        return;
    const Sdl& sdl = audio->sdl;
    Voice next;
    if (image && size != 0) {
        const Samples& samples = audio->Read(image, size);
        const SDL_AudioSpec& out = audio->output;
        if (!samples.bytes.empty())
            next.stream = sdl.SDL_NewAudioStream(samples.format, samples.channels, samples.rate,
                                                 out.format, out.channels, out.freq);
        if (next.stream) {
            next.left = samples.bytes;
            next.block = size_t{FrameBytes(samples.format, samples.channels)} * BufferFrames;
        }
    }
    // Everything is ready before the old sound is touched: one voice replaces the other
    // at once, so the device never plays a buffer of silence between them.
    sdl.SDL_FreeAudioStream(audio->Replace(next).stream);
    // Without an event loop (a tool, a test) the device stays open until the end.
    audio->quietBefore = false;
    if (QCoreApplication::instance())
        audio->quiet.start(QuietCheck);
}

void DesktopPlatform::StopSound()
{
    if (!audio)
        return;
    audio->sdl.SDL_FreeAudioStream(audio->Replace({}).stream);
    audio->ForgetRead();
}

bool DesktopPlatform::Playing() const
{
    if (!audio || audio->device == 0)
        return false;
    const Sdl& sdl = audio->sdl;
    sdl.SDL_LockAudioDevice(audio->device);
    const Voice& v = audio->voice;
    const bool playing = v.stream && (!v.left.empty() || sdl.SDL_AudioStreamAvailable(v.stream) > 0);
    sdl.SDL_UnlockAudioDevice(audio->device);
    return playing;
}

// The model hands in its English text; the player reads it in their language.
void DesktopPlatform::ShowError(const std::string& text)
{
    Application::Warn(owner, QCoreApplication::translate("GamePlatform", "Error"),
                      QCoreApplication::translate("GamePlatform", text.c_str()));
}

bool DesktopPlatform::WindowPositionKnown()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
