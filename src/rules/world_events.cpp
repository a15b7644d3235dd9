// The beams a player hears go on and off.
#include "rules/world.h"

namespace nerilo {
namespace {

// Emitters with power fire; a beam that only grows or shrinks because
// something moved into it is not heard, an emitter gaining or losing power is.
int firingEmitters(const WorldState& s) {
    int firing = 0;
    for (const GroundCell& cell : s.ground)
        if (cell.power == Power::Full && groundTraits(cell.code).beam != NoDirection) ++firing;
    return firing;
}

}  // namespace

int World::BeamWatch::firing() const { return firingEmitters(world_.state_); }

void World::BeamWatch::noteChange() const {
    const int after = firingEmitters(world_.state_);
    if (after > before_) world_.events_.note(WorldEvent::BeamOn);
    if (after < before_) world_.events_.note(WorldEvent::BeamOff);
}

}  // namespace nerilo
