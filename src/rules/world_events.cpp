// Event names, and the beams a player hears go on and off.
#include "rules/world.h"

namespace nerilo {

const char* eventName(Event event) {
    static constexpr const char* Names[EventKindCount] = {
        "step", "push", "kick", "stop", "spring", "land", "slide", "key", "key_plate",
        "switch", "beam_on", "beam_off", "blast", "lost", "clear", "all_clear", "unlock", "undo",
    };
    return Names[static_cast<int>(event)];
}

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
    if (after > before_) world_.events_.note(Event::BeamOn);
    if (after < before_) world_.events_.note(Event::BeamOff);
}

}  // namespace nerilo
