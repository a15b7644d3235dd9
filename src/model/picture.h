#pragma once
// What a block or a palette entry shows: one entry of a picture set, or nothing.
#include <cstdint>

namespace nerilo {

enum class Palette : uint8_t { None, Ground, Block, Player };

struct Picture {
    Palette palette = Palette::None;
    uint8_t index = 0;
    friend bool operator==(const Picture&, const Picture&) = default;
};

constexpr Picture groundPicture(int code) { return {Palette::Ground, static_cast<uint8_t>(code)}; }
constexpr Picture blockPicture(int code) { return {Palette::Block, static_cast<uint8_t>(code)}; }
constexpr Picture playerPicture(int frame) { return {Palette::Player, static_cast<uint8_t>(frame)}; }
constexpr Picture NoPicture{};

// Player frames.
constexpr int StoneFrame = 1;
constexpr int RestFrame[4] = {11, 8, 5, 2};  // Left, Right, Up, Down

}  // namespace nerilo
