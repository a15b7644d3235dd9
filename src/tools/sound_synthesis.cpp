#include "tools/sound_synthesis.h"

#include <algorithm>
#include <cmath>

namespace nerilo::sound {
namespace {

constexpr double Pi = 3.14159265358979323846;

// The sine of a phase in turns, by a polynomial: the library's sine may
// round differently from one C library to the next.
double sineOfTurns(double turns) {
    double x = turns - std::floor(turns);  // 0..1
    if (x > 0.5) x -= 1.0;                  // -0.5..0.5
    // Folded into -0.25..0.25 turns, where the Taylor series is good to 1e-6.
    if (x > 0.25) x = 0.5 - x;
    if (x < -0.25) x = -0.5 - x;
    const double a = 2 * Pi * x, a2 = a * a;
    return a * (1 - a2 / 6 * (1 - a2 / 20 * (1 - a2 / 42 * (1 - a2 / 72))));
}

double waveAt(Wave wave, double turns) {
    const double x = turns - std::floor(turns);
    switch (wave) {
    case Wave::Sine: return sineOfTurns(turns);
    case Wave::Square: return x < 0.5 ? 1.0 : -1.0;
    case Wave::Saw: return 2 * x - 1;
    case Wave::Triangle: return x < 0.5 ? 4 * x - 1 : 3 - 4 * x;
    }
    return 0;
}

// A 4 ms rise against clicks, then a fall to silence at the end.
double envelope(double t, double length, int fade) {
    constexpr double Rise = 0.004;
    const double rise = t < Rise ? t / Rise : 1.0;
    double fall = 1.0;
    for (int i = 0; i < fade; ++i) fall *= 1.0 - t / length;
    return rise * fall;
}

int sampleIndex(double seconds) { return static_cast<int>(seconds * SampleRate + 0.5); }

void addTone(std::vector<double>& out, const Tone& tone) {
    const int first = sampleIndex(tone.start), count = sampleIndex(tone.length);
    double turns = 0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        out[first + i] += tone.volume * envelope(t, tone.length, tone.fade) * waveAt(tone.wave, turns);
        const double hz = tone.fromHz + (tone.toHz - tone.fromHz) * (t / tone.length);
        turns += hz / SampleRate;
    }
}

void addNoise(std::vector<double>& out, const Noise& noise, uint32_t& seed) {
    const int first = sampleIndex(noise.start), count = sampleIndex(noise.length);
    double smoothed = 0;
    for (int i = 0; i < count; ++i) {
        // xorshift32: the same numbers everywhere.
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        const double white = static_cast<double>(seed) / 2147483648.0 - 1.0;
        smoothed = noise.smoothing * smoothed + (1 - noise.smoothing) * white;
        const double t = static_cast<double>(i) / SampleRate;
        out[first + i] += noise.volume * envelope(t, noise.length, noise.fade) * smoothed;
    }
}

void putLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Notes of the scale, for the tunes.
constexpr double C5 = 523.25, D5 = 587.33, E5 = 659.26, G5 = 783.99, A5 = 880.0, C6 = 1046.5, E6 = 1318.5,
                 G6 = 1568.0, C7 = 2093.0;

// A tune of square-wave notes, each `step` seconds after the last.
std::vector<Tone> tune(std::initializer_list<double> notes, double step, double last, double volume) {
    std::vector<Tone> tones;
    double at = 0;
    for (double hz : notes) {
        const bool final = tones.size() + 1 == notes.size();
        tones.push_back({at, final ? last : step * 1.2, hz, hz, volume, Wave::Square, final ? 2 : 1});
        at += step;
    }
    return tones;
}

}  // namespace

// Each is a sketch of its event: feet are short dull noise, a push scrapes,
// springs boing upwards, beams hum up or down. The loss falls in a slow minor
// line and the clear rises in a bright major one, so neither is mistaken.
const std::vector<Effect>& effects() {
    static const std::vector<Effect> all = [] {
        std::vector<Effect> list;
        list.push_back({"step", {{0, 0.05, 160, 110, 0.3, Wave::Sine, 3}}, {{0, 0.04, 0.25, 0.7, 3}}});
        list.push_back({"push", {{0, 0.16, 90, 70, 0.4, Wave::Triangle, 2}}, {{0, 0.18, 0.35, 0.85, 1}}});
        list.push_back({"kick", {{0, 0.09, 320, 120, 0.5, Wave::Sine, 2}}, {{0, 0.02, 0.4, 0.3, 2}}});
        list.push_back({"stop", {{0, 0.07, 210, 180, 0.45, Wave::Triangle, 3}}, {{0, 0.03, 0.3, 0.6, 3}}});
        list.push_back({"spring", {{0, 0.28, 180, 720, 0.45, Wave::Triangle, 1}, {0, 0.28, 360, 1440, 0.12, Wave::Sine, 1}}, {}});
        list.push_back({"land", {{0, 0.12, 95, 60, 0.55, Wave::Sine, 2}}, {{0, 0.06, 0.3, 0.8, 2}}});
        list.push_back({"slide", {{0, 0.22, 300, 500, 0.12, Wave::Sine, 1}}, {{0, 0.22, 0.3, 0.5, 1}}});
        list.push_back({"key", {{0, 0.08, E6, E6, 0.3, Wave::Sine, 1}, {0.07, 0.2, G6, G6, 0.3, Wave::Sine, 2}}, {}});
        list.push_back({"key_plate", {{0, 0.05, A5, A5, 0.25, Wave::Square, 1}, {0.06, 0.05, E5, E5, 0.25, Wave::Square, 1},
                                      {0.12, 0.16, C6, C6, 0.25, Wave::Square, 2}}, {{0, 0.03, 0.3, 0.2, 2}}});
        list.push_back({"switch", {{0, 0.02, 1200, 1200, 0.3, Wave::Square, 1}, {0.03, 0.03, 700, 700, 0.3, Wave::Square, 2}}, {}});
        list.push_back({"beam_on", {{0, 0.3, 220, 440, 0.25, Wave::Saw, 1}, {0, 0.3, 223, 446, 0.2, Wave::Saw, 1}}, {}});
        list.push_back({"beam_off", {{0, 0.3, 440, 110, 0.25, Wave::Saw, 2}, {0, 0.3, 446, 112, 0.2, Wave::Saw, 2}}, {}});
        list.push_back({"blast", {{0, 0.5, 80, 30, 0.45, Wave::Sine, 2}}, {{0, 0.7, 0.7, 0.6, 3}, {0, 0.1, 0.35, 0.0, 2}}});
        list.push_back({"lost", tune({G5, E5 * 1.0595, D5, C5 * 0.9439}, 0.18, 0.6, 0.35), {}});
        list.push_back({"clear", tune({C5, E5, G5, C6}, 0.09, 0.4, 0.35), {}});
        list.push_back({"all_clear", tune({C5, E5, G5, C6, G5, C6, E6, C7}, 0.12, 0.9, 0.32), {}});
        list.push_back({"unlock", {{0, 0.08, C6, C6, 0.2, Wave::Sine, 1}, {0.06, 0.08, E6, E6, 0.2, Wave::Sine, 1},
                                   {0.12, 0.08, G6, G6, 0.2, Wave::Sine, 1}, {0.18, 0.3, C7, C7, 0.2, Wave::Sine, 2}}, {}});
        list.push_back({"undo", {{0, 0.1, 660, 330, 0.3, Wave::Triangle, 1}}, {}});
        return list;
    }();
    return all;
}

std::vector<int16_t> render(const Effect& effect) {
    double end = 0;
    for (const Tone& tone : effect.tones) end = std::max(end, tone.start + tone.length);
    for (const Noise& noise : effect.noises) end = std::max(end, noise.start + noise.length);
    std::vector<double> mix(sampleIndex(end) + 1, 0.0);
    for (const Tone& tone : effect.tones) addTone(mix, tone);
    uint32_t seed = 2463534242u;
    for (const Noise& noise : effect.noises) addNoise(mix, noise, seed);

    std::vector<int16_t> samples;
    samples.reserve(mix.size());
    for (double v : mix) samples.push_back(static_cast<int16_t>(std::floor(std::clamp(v, -1.0, 1.0) * 32767 + 0.5)));
    return samples;
}

std::vector<uint8_t> wavFile(const std::vector<int16_t>& samples) {
    const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> bytes;
    bytes.reserve(44 + dataSize);
    auto text = [&](const char* four) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(four[i]));
    };
    text("RIFF");
    putLittleEndian(bytes, 36 + dataSize, 4);
    text("WAVE");
    text("fmt ");
    putLittleEndian(bytes, 16, 4);              // the size of this chunk
    putLittleEndian(bytes, 1, 2);               // PCM
    putLittleEndian(bytes, 1, 2);               // mono
    putLittleEndian(bytes, SampleRate, 4);
    putLittleEndian(bytes, SampleRate * 2, 4);  // bytes a second
    putLittleEndian(bytes, 2, 2);               // bytes a frame
    putLittleEndian(bytes, 16, 2);              // bits a sample
    text("data");
    putLittleEndian(bytes, dataSize, 4);
    for (int16_t s : samples) putLittleEndian(bytes, static_cast<uint16_t>(s), 2);
    return bytes;
}

}  // namespace nerilo::sound
