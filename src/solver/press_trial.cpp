#include "solver/press_trial.h"

namespace nerilo::solver {

PressOutcome PressTrial::press(const WorldState& from, char press, const std::atomic<bool>* cancel) {
    return this->press(from, *pressOf(press), cancel);
}

PressOutcome PressTrial::press(const WorldState& from, KeyPress press, const std::atomic<bool>* cancel) {
    world_.restore(from);
    const PressRun run = playPress(world_, press, PressTickCap, cancel);
    if (run.cancelled) return PressOutcome::Cancelled;
    if (run.outcome == Outcome::Cleared) return PressOutcome::Cleared;
    if (run.outcome == Outcome::Lost) return PressOutcome::Lost;
    if (run.stuck) return PressOutcome::NeverAtRest;
    return PressOutcome::Position;
}

}  // namespace nerilo::solver
