#pragma once
// Everything a game is at one moment: for tests and tools that compare or
// copy whole games.
#include "game/session_state.h"
#include "rules/world.h"

namespace nerilo {

struct GameSnapshot {
    WorldState world;
    Drawing drawing;
    SessionState session;
    friend bool operator==(const GameSnapshot&, const GameSnapshot&) = default;
};

}  // namespace nerilo
