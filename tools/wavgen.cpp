// Writes the game's six sound effects: short chiptune jingles synthesised from a few
// pulse, triangle and noise voices, as 16-bit mono PCM wave files.
//
//   wavgen <folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 44100;
constexpr double Attack = 0.006;   // seconds; long enough to avoid a click
constexpr double Release = 0.060;
constexpr double Peak = 0.70;      // of full scale, leaves headroom for any resampling
constexpr double Tail = 0.040;     // silence after the last release

enum class Wave { Pulse25, Square, Triangle, Noise };

struct Note {
    double beat;    // start
    double length;  // in beats
    int midi;       // 69 is A4
};

struct Voice {
    Wave wave;
    double level;
    std::vector<Note> notes;
};

struct Tune {
    const char* file;
    double bpm;
    std::vector<Voice> voices;
};

// Band-limited step correction for the pulse waves, so high notes do not alias.
double PolyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Oscillator(Wave wave, double phase, double dt, uint32_t& noise)
{
    switch (wave) {
    case Wave::Pulse25:
    case Wave::Square: {
        const double duty = wave == Wave::Pulse25 ? 0.25 : 0.5;
        double v = phase < duty ? 1.0 : -1.0;
        v += PolyBlep(phase, dt);
        v -= PolyBlep(std::fmod(phase + 1.0 - duty, 1.0), dt);
        // Centred on zero: an offset would thump at every note's start and end.
        return v - (2.0 * duty - 1.0);
    }
    case Wave::Triangle:
        return 1.0 - 4.0 * std::abs(phase - 0.5);
    case Wave::Noise:
        noise = noise * 1664525u + 1013904223u;
        return static_cast<double>(noise >> 8) / static_cast<double>(1u << 23) - 1.0;
    }
    return 0.0;
}

// Raised-cosine attack, a gentle fall to the sustain level, raised-cosine release.
double Envelope(Wave wave, double t, double held)
{
    const double sustain = wave == Wave::Noise ? 0.0 : 0.65;
    const double fall = wave == Wave::Noise ? 0.035 : 0.12;
    double level = t < Attack ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / Attack) : 1.0;
    level *= sustain + (1.0 - sustain) * std::exp(-std::max(0.0, t - Attack) / fall);
    if (t > held)
        level *= 0.5 + 0.5 * std::cos(std::numbers::pi * std::min(1.0, (t - held) / Release));
    return level;
}

void RenderNote(std::vector<double>& mix, const Voice& voice, const Note& note, double beat)
{
    const double frequency = 440.0 * std::pow(2.0, (note.midi - 69) / 12.0);
    const double held = note.length * beat;
    const auto first = static_cast<std::size_t>(note.beat * beat * SampleRate);
    const auto count = static_cast<std::size_t>((held + Release) * SampleRate);
    if (mix.size() < first + count)
        mix.resize(first + count, 0.0);

    uint32_t noise = 0x2545F491u + static_cast<uint32_t>(note.midi);
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        // A delayed, slowly deepening vibrato makes held notes sing.
        const double depth = std::clamp((t - 0.15) / 0.3, 0.0, 1.0) * 0.004;
        const double f = frequency * (1.0 + depth * std::sin(2.0 * std::numbers::pi * 5.5 * t));
        const double dt = f / SampleRate;
        mix[first + i] += voice.level * Envelope(voice.wave, t, held)
                          * Oscillator(voice.wave, phase, dt, noise);
        phase = std::fmod(phase + dt, 1.0);
    }
}

std::vector<int16_t> Render(const Tune& tune)
{
    const double beat = 60.0 / tune.bpm;
    std::vector<double> mix;
    for (const Voice& voice : tune.voices) {
        for (const Note& note : voice.notes)
            RenderNote(mix, voice, note, beat);
    }
    mix.resize(mix.size() + static_cast<std::size_t>(Tail * SampleRate), 0.0);

    // A gentle low-pass takes the edge off the pulse voices.
    const double a = 1.0 - std::exp(-2.0 * std::numbers::pi * 7000.0 / SampleRate);
    double state = 0.0;
    double peak = 0.0;
    for (double& s : mix) {
        state += a * (s - state);
        s = state;
        peak = std::max(peak, std::abs(s));
    }

    const double scale = peak > 0.0 ? Peak * 32767.0 / peak : 0.0;
    std::vector<int16_t> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(),
                   [scale](double s) { return static_cast<int16_t>(std::lround(s * scale)); });
    return samples;
}

void Put(std::ofstream& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteWave(const std::string& path, const std::vector<int16_t>& samples)
{
    const auto dataSize = static_cast<uint32_t>(samples.size() * 2);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write("RIFF", 4);
    Put(out, 36 + dataSize, 4);
    out.write("WAVEfmt ", 8);
    Put(out, 16, 4);             // format chunk size
    Put(out, 1, 2);              // PCM
    Put(out, 1, 2);              // mono
    Put(out, SampleRate, 4);
    Put(out, SampleRate * 2, 4); // bytes per second
    Put(out, 2, 2);              // bytes per frame
    Put(out, 16, 2);             // bits per sample
    out.write("data", 4);
    Put(out, dataSize, 4);
    for (int16_t s : samples)
        Put(out, static_cast<uint16_t>(s), 2);
    out.close();
    return static_cast<bool>(out);
}

// Note numbers: C4 = 60, so C5 = 72 and C6 = 84.
std::vector<Tune> Tunes()
{
    return {
        {"title.wav", 180, {
            {Wave::Pulse25, 0.50, {{0, .5, 67}, {.5, .5, 72}, {1, .5, 76}, {1.5, .5, 79},
                                   {2, .5, 81}, {2.5, .5, 79}, {3, .5, 76}, {3.5, .5, 72},
                                   {4, .5, 77}, {4.5, .5, 74}, {5, .5, 71}, {5.5, .5, 67},
                                   {6, 1.5, 72}}},
            {Wave::Square, 0.16, {{0, 2, 64}, {2, 2, 64}, {4, 1, 65}, {5, 1, 62}, {6, 1.5, 64}}},
            {Wave::Triangle, 0.60, {{0, 1, 48}, {1, 1, 43}, {2, 1, 45}, {3, 1, 40},
                                    {4, 1, 43}, {5, 1, 43}, {6, 1.5, 48}}},
        }},
        {"start.wav", 240, {
            {Wave::Pulse25, 0.50, {{0, .5, 72}, {.5, .5, 76}, {1, .5, 79}, {1.5, 1.5, 84}}},
            {Wave::Square, 0.16, {{1.5, 1.5, 76}, {1.5, 1.5, 79}}},
            {Wave::Triangle, 0.60, {{0, 1.5, 48}, {1.5, 1.5, 48}}},
            {Wave::Noise, 0.12, {{1.5, .25, 0}}},
        }},
        {"retry.wav", 220, {
            {Wave::Pulse25, 0.50, {{0, .5, 79}, {.5, .5, 76}, {1, .5, 72}, {1.5, .5, 76},
                                   {2, 1.5, 79}}},
            {Wave::Square, 0.14, {{2, 1.5, 72}}},
            {Wave::Triangle, 0.60, {{0, 1, 48}, {1, 1, 43}, {2, 1.5, 48}}},
        }},
        {"clear.wav", 200, {
            {Wave::Pulse25, 0.50, {{0, .5, 67}, {.5, .5, 72}, {1, .5, 76}, {1.5, .5, 79},
                                   {2, .5, 84}, {2.5, .5, 88}, {3, 2, 84}}},
            {Wave::Square, 0.16, {{3, 2, 76}, {3, 2, 79}}},
            {Wave::Triangle, 0.60, {{0, 1.5, 48}, {1.5, 1.5, 43}, {3, 2, 48}}},
        }},
        {"gameover.wav", 120, {
            {Wave::Pulse25, 0.50, {{0, .75, 72}, {.75, .75, 71}, {1.5, .75, 70}, {2.25, 2, 69}}},
            {Wave::Square, 0.14, {{2.25, 2, 60}, {2.25, 2, 64}}},
            {Wave::Triangle, 0.60, {{0, .75, 45}, {.75, .75, 44}, {1.5, .75, 43},
                                    {2.25, 2, 45}}},
        }},
        {"hattrick.wav", 150, {
            {Wave::Pulse25, 0.50, {{0, .3, 67}, {1. / 3, .3, 67}, {2. / 3, .3, 67},
                                   {1, 1, 72}, {2, .5, 76}, {2.5, .5, 79}, {3, 2.5, 84}}},
            {Wave::Square, 0.15, {{0, .3, 64}, {1. / 3, .3, 64}, {2. / 3, .3, 64},
                                  {1, 1, 64}, {2, .5, 72}, {2.5, .5, 76},
                                  {3, 2.5, 76}, {3, 2.5, 79}}},
            {Wave::Pulse25, 0.14, {{3.5, .2, 88}, {3.67, .2, 91}, {3.83, .2, 96},
                                   {4, .2, 88}, {4.17, .2, 91}, {4.33, .2, 96}}},
            {Wave::Triangle, 0.60, {{0, 1, 43}, {1, 1, 48}, {2, 1, 43}, {3, 2.5, 48}}},
            {Wave::Noise, 0.14, {{1, .25, 0}, {2, .25, 0}, {3, .25, 0}}},
        }},
    };
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: wavgen <folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    for (const Tune& tune : Tunes()) {
        if (!WriteWave(folder + tune.file, Render(tune))) {
            std::fprintf(stderr, "wavgen: cannot write %s%s\n", folder.c_str(), tune.file);
            return 1;
        }
    }
    return 0;
}
