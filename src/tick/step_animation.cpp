// The four-phase step animation, the arrival and the landing rules.
#include "board/form1.h"

namespace nerilo {
namespace {

struct Offset {
    int left = 0;
    int top = 0;
};

constexpr Offset QuarterStepOf[DirectionCount] = {{-QuarterStep, 0}, {QuarterStep, 0}, {0, -QuarterStep}, {0, QuarterStep}};

// Extra offsets of a jump in phases 1 to 3: a raised arc. They do not add up to
// two cells; the arrival puts the picture exactly on the landing cell.
constexpr Offset JumpOffset[DirectionCount][3] = {
    {{-120, -240}, {-120, -120}, {-120, 120}},
    {{120, -240}, {120, -120}, {120, 120}},
    {{0, -360}, {0, -240}, {0, 0}},
    {{0, -120}, {0, 0}, {0, 240}},
};

// Player frames after phases 1 to 3: [direction][phase - 1][jump].
constexpr uint8_t PhaseFrame[DirectionCount][3][2] = {
    {{12, 11}, {11, 11}, {13, 11}},
    {{9, 8}, {8, 8}, {10, 8}},
    {{6, 5}, {5, 5}, {7, 5}},
    {{3, 2}, {2, 2}, {4, 2}},
};

// Adds one cell change in direction d; a step that left the board comes in on
// the opposite edge. Returns whether it wrapped.
bool stepCell(int16_t& cell, int d) {
    int next = cell + cellOffset(d);
    bool wrapped = false;
    switch (d) {
    case Left: wrapped = next == -1 || next % BoardSide == BoardSide - 1; if (wrapped) next += BoardSide; break;
    case Right: wrapped = next % BoardSide == 0; if (wrapped) next -= BoardSide; break;
    case Up: wrapped = next >= -BoardSide && next <= -1; if (wrapped) next += CellCount; break;
    default: wrapped = next >= CellCount && next <= CellCount + BoardSide - 1; if (wrapped) next -= CellCount; break;
    }
    cell = static_cast<int16_t>(next);
    return wrapped;
}

}  // namespace

void Form1::moveBlockBy(int k, int dx, int dy) {
    Block[k].left += dx;
    Block[k].top += dy;
}

void Form1::runStepPhase(int d) {
    const int phase = StepPhase[d];
    if (phase == 4) {
        arrive(d);
        return;
    }
    const Offset step = QuarterStepOf[d];
    moveBlockBy(MovingBlock, step.left, step.top);
    ++StepPhase[d];
    if (MoveKind == 1) moveBlockBy(PushedBlock, step.left, step.top);
    if (MoveKind == 4) moveBlockBy(MovingBlock, JumpOffset[d][phase - 1].left, JumpOffset[d][phase - 1].top);
    if (KickActive != -1) Block[MovingBlock].picture = Ptip(PhaseFrame[d][phase - 1][MoveKind == 4 ? 1 : 0]);
}

void Form1::arrive(int d) {
    const Offset step = QuarterStepOf[d];
    moveBlockBy(MovingBlock, step.left, step.top);
    StepPhase[d] = 0;
    MinG();
    if (stepCell(BlockCell[MovingBlock], d)) moveBlockToCell(MovingBlock, BlockCell[MovingBlock]);

    if (MoveKind == 1) {
        moveBlockBy(PushedBlock, step.left, step.top);
        BlockCell[PushedBlock] = static_cast<int16_t>(BlockCell[PushedBlock] + cellOffset(d));
        if (blockTraits(Block[PushedBlock].code).conducts) {
            Suman();
        } else {
            clearOverlays();
            CHANGE();
        }
    } else if (MoveKind == 4) {
        stepCell(BlockCell[MovingBlock], d);
        moveBlockToCell(MovingBlock, BlockCell[MovingBlock]);
    }

    if (KickActive == -1) Suman();
    else Block[MovingBlock].picture = Ptip(RestFrame[d]);
    land(d);
}

void Form1::land(int d) {
    const int c = BlockCell[MovingBlock];
    for (int i = 0; i < CellCount; ++i) {
        if (i != MovingBlock && BlockCell[i] == c && blockTraits(Block[i].code).occupies) {
            StepPhase[d] = 1;
            MoveKind = 0;
            return;
        }
    }
    switch (groundTraits(Ji[c].code).landing) {
    case Landing::PassOver:
        StepPhase[d] = 1;
        MoveKind = 0;
        break;
    case Landing::Spring:
        MoveKind = 4;
        StepPhase[d] = 1;
        break;
    case Landing::StandOn:
        MoveKind = 0;
        ABCchecker();
        if (MoveKind == 0) {
            if (KickActive == -1) {
                KickActive = 0;
                MovingBlock = PlayerBlock;
                Suman();
            }
            InputLock = 0;
        }
        break;
    }
}

}  // namespace nerilo
