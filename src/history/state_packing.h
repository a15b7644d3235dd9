#pragma once
// A game state as flat bytes, so that two states can be compared and stored
// as the few bytes in which they differ. Every member of GameState but its
// texts is trivially copyable and goes into `bytes`, one after another; the
// texts are kept beside them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "board/game_state.h"

namespace nerilo {

struct PackedState {
    std::vector<uint8_t> bytes;        // packedSize() bytes
    std::array<std::string, 3> texts;  // comment, stage path, stage title
};

// The length of PackedState::bytes; the same for every state.
size_t packedSize();
void pack(const GameState& state, PackedState& packed);
GameState unpack(const PackedState& packed);

}  // namespace nerilo
