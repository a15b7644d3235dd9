// Slides: an object carried by arrows, or a kicked ball, one whole cell per tick.
#include "board/form1.h"

namespace nerilo {
namespace {
struct SlideDirection {
    int direction;
    uint8_t ownArrow;
};
// MoveKind 5 down, 6 up, 7 right, 8 left.
constexpr SlideDirection SlideOf[4] = {
    {Down, ground::ArrowDown}, {Up, ground::ArrowUp}, {Right, ground::ArrowRight}, {Left, ground::ArrowLeft}};
// The picture moves one whole cell: [direction] = {left, top}.
constexpr int CellMove[DirectionCount][2] = {{-CellPitch, 0}, {CellPitch, 0}, {0, -CellPitch}, {0, CellPitch}};
}  // namespace

// Returns false when the slide ended the game and the tick must end at once.
bool Form1::slideStep() {
    const SlideDirection slide = SlideOf[MoveKind - 5];
    const int d = slide.direction;
    InputLock = -1;
    const int cell = BlockCell[MovingBlock];
    const bool onOwnArrow = Ji[cell].code == slide.ownArrow;
    if (!hasNeighbour(cell, d)) {
        // A slide never wraps: the edge ends it, and traps whatever rides its own arrow.
        if (onOwnArrow) {
            GAMEOVER();
            return false;
        }
        finishSlide();
        return true;
    }
    const int next = neighbourOf(cell, d);
    bool blocked = false;
    for (int i = 0; i < CellCount && !blocked; ++i)
        blocked = BlockCell[i] == next && blockTraits(Block[i].code).stopsSlide;
    const Landing landing = groundTraits(Ji[next].code).landing;
    if (!blocked && landing != Landing::PassOver) {
        MinG();
        BlockCell[MovingBlock] = static_cast<int16_t>(next);
        moveBlockBy(MovingBlock, CellMove[d][0], CellMove[d][1]);
        if (landing == Landing::Spring) {
            MoveKind = 4;
            StepPhase[d] = 1;
        }
        return true;
    }
    if (onOwnArrow && MovingBlock == PlayerBlock) {
        GAMEOVER();
        return false;
    }
    finishSlide();
    return true;
}

void Form1::finishSlide() {
    MoveKind = 0;
    KickActive = 0;
    MovingBlock = PlayerBlock;
    Suman();
    InputLock = 0;
}

}  // namespace nerilo
