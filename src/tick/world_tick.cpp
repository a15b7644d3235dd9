// The world tick: one call every 100 ms while a game runs.
#include "board/form1.h"

namespace nerilo {

void Form1::Timer1_Timer() {
    // Nothing moves on a board that is being edited (Delete restarts the tick
    // there): the editor and Save treat block control i as the block of cell i.
    if (Editcheck.checked) return;

    raiseBlock(MovingBlock);
    if (MoveKind == 2) {
        startKick();
    } else {
        for (int d = 0; d < DirectionCount; ++d) {
            if (StepPhase[d] >= 1 && StepPhase[d] <= 4) runStepPhase(d);
        }
    }
    ABCchecker();
    if (MoveKind >= 5 && MoveKind <= 8 && !slideStep()) return;
    ABCchecker();
}

// A kick hands the tick to the ball: it rolls as a slide in the kick's
// direction, and the player stays where he is.
void Form1::startKick() {
    KickActive = -1;
    MovingBlock = PushedBlock;
    constexpr uint8_t slideOf[DirectionCount] = {8, 7, 6, 5};
    for (int d = 0; d < DirectionCount; ++d) {
        if (StepPhase[d] == 1) {
            StepPhase[d] = 0;
            MoveKind = slideOf[d];
            return;
        }
    }
}

}  // namespace nerilo
