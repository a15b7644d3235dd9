#pragma once
// Whether key letters clear a stage from its start: how a stage code's proof
// is believed, played on a quiet copy that no player sees.
#include <string_view>

#include "model/stage_file.h"
#include "rules/world_state.h"

namespace nerilo::solver {

// True when the presses (L R U D l r u d Z), played from the start of a round
// in plain play, clear the stage with the last of them: a press that loses,
// never comes to rest or comes after the clear spoils the proof.
bool proofClears(const Stage& stage, std::string_view keys);
// The same from any position at rest, in the modes it holds.
bool clearsFrom(const WorldState& start, std::string_view keys);

}  // namespace nerilo::solver
