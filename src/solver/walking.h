#pragma once
// How much of a clear is plain walking: the depth table of the numbered stages
// and the generator's bands both hold a room to it.
#include <optional>
#include <string_view>

#include "rules/world_state.h"

namespace nerilo::solver {

// A plain walking press is one after which, once everything is at rest, only
// the player's cell has changed: no block moved or changed its kind, no ground
// cell changed its tile or its power, no beam or blast mark came or went and
// no key was picked up or used. Walks, spring jumps and rides on arrows are
// plain; pushes, kicks, cell actions, pickups and the clear are not.
// Counts them while playing `keys` from `start`; nullopt when the keys do not
// clear the stage or lose on the way.
std::optional<int> plainWalkingPresses(const WorldState& start, std::string_view keys);
std::optional<int> plainWalkingPresses(const WorldState& start, std::string_view keys);

}  // namespace nerilo::solver
