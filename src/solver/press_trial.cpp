#include "solver/press_trial.h"

#include "input/key_letters.h"

namespace nerilo::solver {

PressOutcome PressTrial::press(const GameState& from, char press) {
    game_.restore(from);
    platform_.cleared = false;
    Replay replay;
    playLetter(game_, press, PressTickCap, replay);
    if (platform_.cleared) return PressOutcome::Cleared;
    if (game_.isLost()) return PressOutcome::Lost;
    if (replay.stuck) return PressOutcome::NeverAtRest;
    return PressOutcome::Position;
}

}  // namespace nerilo::solver
