// The four-phase step animation, the arrival and the landing rules.
#include "rules/blocks_on_cell.h"
#include "rules/world.h"

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
bool stepCell(uint8_t& cell, int d) {
    int next = cell + cellOffset(d);
    bool wrapped = false;
    switch (d) {
    case Left: wrapped = next == -1 || next % BoardSide == BoardSide - 1; if (wrapped) next += BoardSide; break;
    case Right: wrapped = next % BoardSide == 0; if (wrapped) next -= BoardSide; break;
    case Up: wrapped = next >= -BoardSide && next <= -1; if (wrapped) next += CellCount; break;
    default: wrapped = next >= CellCount && next <= CellCount + BoardSide - 1; if (wrapped) next -= CellCount; break;
    }
    cell = static_cast<uint8_t>(next);
    return wrapped;
}

}  // namespace

void World::runStepPhase(int d) {
    WorldState& s = state_;
    const int phase = s.stepPhase[d];
    if (phase == 4) {
        arrive(d);
        return;
    }
    const Offset step = QuarterStepOf[d];
    moveBlockBy(s.movingBlock, step.left, step.top);
    ++s.stepPhase[d];
    if (s.moveKind == MoveKind::Push) moveBlockBy(s.pushedBlock, step.left, step.top);
    if (s.moveKind == MoveKind::Jump)
        moveBlockBy(s.movingBlock, JumpOffset[d][phase - 1].left, JumpOffset[d][phase - 1].top);
    if (!s.kickInProgress)
        setPose(PhaseFrame[d][phase - 1][s.moveKind == MoveKind::Jump ? 1 : 0]);
}

void World::arrive(int d) {
    WorldState& s = state_;
    const Offset step = QuarterStepOf[d];
    moveBlockBy(s.movingBlock, step.left, step.top);
    s.stepPhase[d] = 0;
    transformVacatedCell();
    if (stepCell(s.blockCell[s.movingBlock], d)) moveBlockToCell(s.movingBlock, s.blockCell[s.movingBlock]);

    if (s.moveKind == MoveKind::Push) {
        moveBlockBy(s.pushedBlock, step.left, step.top);
        s.blockCell[s.pushedBlock] = static_cast<uint8_t>(s.blockCell[s.pushedBlock] + cellOffset(d));
        // A conductor changes the circuit; anything else can only move beams.
        if (blockTraits(s.blocks[s.pushedBlock].code).conducts) {
            evaluateCircuit();
        } else {
            clearOverlays();
            applyPowerEffects();
        }
    } else if (s.moveKind == MoveKind::Jump) {
        stepCell(s.blockCell[s.movingBlock], d);
        moveBlockToCell(s.movingBlock, s.blockCell[s.movingBlock]);
    }

    // While a kicked ball rolls, the circuit waits for it to stop.
    if (!s.kickInProgress) setPose(RestFrame[d]);
    land(d);
}

void World::land(int d) {
    WorldState& s = state_;
    const int c = s.blockCell[s.movingBlock];
    if (s.moveKind == MoveKind::Jump) events_.note(WorldEvent::Land);
    bool occupied = false;
    forEachBlockOn(s, c, [&](int i) {
        occupied = i != s.movingBlock && blockTraits(s.blocks[i].code).occupies;
        return !occupied;
    });
    if (occupied) {
        s.stepPhase[d] = 1;
        s.moveKind = MoveKind::Walk;
        return;
    }
    switch (groundTraits(s.ground[c].code).landing) {
    case Landing::PassOver:
        s.stepPhase[d] = 1;
        s.moveKind = MoveKind::Walk;
        break;
    case Landing::Spring:
        events_.note(WorldEvent::Spring);
        s.moveKind = MoveKind::Jump;
        s.stepPhase[d] = 1;
        break;
    case Landing::StandOn:
        s.moveKind = MoveKind::Walk;
        checkMoverCell();
        if (s.moveKind == MoveKind::Walk) {
            if (s.kickInProgress) {
                events_.note(WorldEvent::Stop);
                s.kickInProgress = false;
                s.movingBlock = s.playerBlock;
                evaluateCircuit();
            }
            s.inputLocked = false;
        }
        break;
    }
}

}  // namespace nerilo
