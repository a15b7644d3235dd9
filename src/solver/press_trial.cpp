#include "solver/press_trial.h"

#include "rules/key_letters.h"

namespace nerilo::solver {

PressOutcome PressTrial::press(const WorldState& from, char press, const std::atomic<bool>* cancel) {
    world_.restore(from);
    const PressRun run = playPress(world_, *pressOf(press), PressTickCap, cancel);
    if (run.cancelled) return PressOutcome::Cancelled;
    if (run.outcome == Outcome::Cleared) return PressOutcome::Cleared;
    if (run.outcome == Outcome::Lost) return PressOutcome::Lost;
    if (run.stuck) return PressOutcome::NeverAtRest;
    return PressOutcome::Position;
}

}  // namespace nerilo::solver
