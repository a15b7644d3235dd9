// The world tick: one call every 100 ms while a round runs.
#include "rules/world.h"

namespace nerilo {

void World::tick() {
    WorldState& s = state_;
    const BeamWatch beams(*this);
    raiseBlock(s.movingBlock);
    if (s.moveKind == MoveKind::Kick) {
        startKick();
    } else {
        for (int d = 0; d < DirectionCount; ++d) {
            if (s.stepPhase[d] >= 1 && s.stepPhase[d] <= 4) runStepPhase(d);
        }
    }
    checkMoverCell();
    if (isSlide(s.moveKind) && !slideStep()) return;
    checkMoverCell();
}

// A kick hands the tick to the ball: it rolls as a slide in the kick's
// direction, and the player stays where he is.
void World::startKick() {
    WorldState& s = state_;
    s.kickInProgress = true;
    s.movingBlock = s.pushedBlock;
    for (int d = 0; d < DirectionCount; ++d) {
        if (s.stepPhase[d] == 1) {
            s.stepPhase[d] = 0;
            s.moveKind = slideTowards(d);
            return;
        }
    }
}

}  // namespace nerilo
