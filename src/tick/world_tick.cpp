// The world tick: one call every 100 ms while a game runs.
#include "board/game.h"

namespace nerilo {

void Game::tick() {
    moveWorld();
    settlePress();
}

void Game::moveWorld() {
    GameState& s = state_;
    // Nothing moves on a board that is being edited, even when a scripted Start
    // or Retry reaches it: the editor and Save treat block i as the block of cell i.
    if (s.editing) return;
    if (playingSolution()) {
        stepSolution();
        if (testCleared_) endTestPlay();
        if (!s.testPlaying) return;
    }

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
void Game::startKick() {
    GameState& s = state_;
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
