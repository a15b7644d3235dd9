#pragma once
// The blocks standing on a cell.

#include "rules/world_state.h"

namespace nerilo {

// Calls visit(k) for every block k on `cell` that was not empty when the
// round started (WorldState::liveBlocks), in block order: where several stand
// on one cell, a later one may override what an earlier one decided. Stops
// early when visit returns false. Pushes, landings, slides and pickups ask
// this several times a tick, and the solver millions of times a second; a
// board holds a handful of blocks among its 225.
template <class Visit>
void forEachBlockOn(const WorldState& state, int cell, Visit visit) {
    for (int i = 0; i < state.liveBlockCount; ++i) {
        const int k = state.liveBlocks[i];
        if (state.blockCell[k] == cell && !visit(k)) return;
    }
}

}  // namespace nerilo
