#pragma once
// The game's sound effects, made from tones and noise at build time and
// written as WAV files beside the program. The arithmetic is plain IEEE
// (no library sine or exponential, no fused multiply-add), so every machine
// writes the same bytes and a test can hash them.
#include <cstdint>
#include <string>
#include <vector>

namespace nerilo::sound {

constexpr int SampleRate = 22050;

enum class Wave : uint8_t { Sine, Square, Saw, Triangle };

// A tone whose pitch glides from one frequency to another over its length.
struct Tone {
    double start = 0;  // seconds from the effect's start
    double length = 0.1;
    double fromHz = 440;
    double toHz = 440;
    double volume = 0.5;
    Wave wave = Wave::Sine;
    int fade = 2;  // the power of the falling envelope: 1 straight, higher dies away sooner
};

// White noise, smoothed towards a rumble by `smoothing` (0 sharp, near 1 dull).
struct Noise {
    double start = 0;
    double length = 0.1;
    double volume = 0.5;
    double smoothing = 0;
    int fade = 2;
};

struct Effect {
    std::string name;  // the event's name: "key_plate" is written as key_plate.wav
    std::vector<Tone> tones;
    std::vector<Noise> noises;
};

// One effect for each event the game announces.
const std::vector<Effect>& effects();

// The effect as 16-bit samples, mono.
std::vector<int16_t> render(const Effect& effect);
// A WAV file (RIFF, PCM, 16-bit mono) holding the samples.
std::vector<uint8_t> wavFile(const std::vector<int16_t>& samples);

}  // namespace nerilo::sound
