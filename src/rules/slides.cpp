// Slides: an object carried by arrows, or a kicked ball, one whole cell per tick.
#include "rules/blocks_on_cell.h"
#include "rules/world.h"

namespace nerilo {
namespace {
constexpr uint8_t OwnArrow[DirectionCount] = {ground::ArrowLeft, ground::ArrowRight, ground::ArrowUp, ground::ArrowDown};
// The picture moves one whole cell: [direction] = {left, top}.
constexpr int CellMove[DirectionCount][2] = {{-CellPitch, 0}, {CellPitch, 0}, {0, -CellPitch}, {0, CellPitch}};
}  // namespace

// Returns false when the slide ended the game and the tick must end at once.
bool World::slideStep() {
    WorldState& s = state_;
    const int d = slideDirection(s.moveKind);
    s.inputLocked = true;
    const int cell = s.blockCell[s.movingBlock];
    const bool onOwnArrow = s.ground[cell].code == OwnArrow[d];
    if (!hasNeighbour(cell, d)) {
        // A slide never wraps: the edge ends it, and traps whatever rides its own arrow.
        if (onOwnArrow) {
            loseGame();
            return false;
        }
        finishSlide();
        return true;
    }
    const int next = neighbourOf(cell, d);
    bool blocked = false;
    forEachBlockOn(s, next, [&](int i) {
        blocked = blockTraits(s.blocks[i].code).stopsSlide;
        return !blocked;
    });
    const Landing landing = groundTraits(s.ground[next].code).landing;
    if (!blocked && landing != Landing::PassOver) {
        transformVacatedCell();
        s.blockCell[s.movingBlock] = static_cast<uint8_t>(next);
        moveBlockBy(s.movingBlock, CellMove[d][0], CellMove[d][1]);
        if (landing == Landing::Spring) {
            events_.note(WorldEvent::Spring);
            s.moveKind = MoveKind::Jump;
            s.stepPhase[d] = 1;
        }
        return true;
    }
    if (onOwnArrow && s.movingBlock == s.playerBlock) {
        loseGame();
        return false;
    }
    finishSlide();
    return true;
}

void World::finishSlide() {
    WorldState& s = state_;
    if (s.kickInProgress) events_.note(WorldEvent::Stop);
    s.moveKind = MoveKind::Walk;
    s.kickInProgress = false;
    s.movingBlock = s.playerBlock;
    evaluateCircuit();
    s.inputLocked = false;
}

}  // namespace nerilo
