#pragma once
// A picture cell shows one palette entry or nothing.
#include <cstdint>

namespace nerilo {

enum class Palette : uint8_t { None, Jtip, Btip, Ptip };

struct Picture {
    Palette palette = Palette::None;
    uint8_t index = 0;
    friend bool operator==(const Picture&, const Picture&) = default;
};

constexpr Picture Jtip(int code) { return {Palette::Jtip, static_cast<uint8_t>(code)}; }
constexpr Picture Btip(int code) { return {Palette::Btip, static_cast<uint8_t>(code)}; }
constexpr Picture Ptip(int frame) { return {Palette::Ptip, static_cast<uint8_t>(frame)}; }
constexpr Picture NoPicture{};

// Player frames.
constexpr int StoneFrame = 1;
constexpr int RestFrame[4] = {11, 8, 5, 2};  // Left, Right, Up, Down

}  // namespace nerilo
