#pragma once
// A replay of a recorded clear as the game plays it: its letters, how far it
// has come, and the player's own modes, which come back when it ends.
#include <cstddef>
#include <string>

#include "rules/world_state.h"

namespace nerilo {

struct Playback {
    std::string keys;
    size_t next = 0;
    bool playerStepTry = false;
    ExtraMode playerExtraMode = ExtraMode::None;
};

}  // namespace nerilo
