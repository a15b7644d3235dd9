// Setting up the board and the round, and what the world says of a press.
#include "rules/world.h"

namespace nerilo {
namespace {

// The state with everything sameGame ignores set to one value.
WorldState withoutWhatMovedLast(WorldState state) {
    state.movingBlock = 0;
    state.pushedBlock = 0;
    state.moveKind = MoveKind::Walk;
    state.awaitingFirstKey = false;
    return state;
}

}  // namespace

bool sameGame(const WorldState& a, const WorldState& b) { return withoutWhatMovedLast(a) == withoutWhatMovedLast(b); }

World::World(Watched watched, PowerSpreader spreader) : watched_(watched == Watched::Yes), spreader_(spreader) {
    // First drawn order: the blocks in cell order, then the overlays in front of them.
    for (int i = 0; i < CellCount; ++i) {
        state_.blockCell[i] = static_cast<uint8_t>(i);
        drawing_.left[i] = static_cast<int16_t>(cellLeft(i));
        drawing_.top[i] = static_cast<int16_t>(cellTop(i));
        drawing_.blockOrder[i] = static_cast<uint32_t>(1 + i);
        drawing_.overlayOrder[i] = static_cast<uint32_t>(1 + CellCount + i);
    }
    drawing_.lastRaise = 2 * CellCount;
}

void World::raiseAllBlocks() {
    for (int i = 0; i < CellCount; ++i) raiseBlock(i);
}

void World::raiseAllOverlays() {
    for (int i = 0; i < CellCount; ++i) raiseOverlay(i);
}

void World::putBlocksHome() {
    for (int i = 0; i < CellCount; ++i) {
        state_.blockCell[i] = static_cast<uint8_t>(i);
        moveBlockToCell(i, i);
    }
}

void World::placeStage(const std::array<uint8_t, CellCount>& ground, const std::array<uint8_t, CellCount>& blocks) {
    putBlocksHome();
    for (int i = 0; i < CellCount; ++i) {
        state_.ground[i].code = ground[i];
        state_.blocks[i].code = blocks[i];
    }
    noteLiveBlocks(state_);
    state_.cleared = false;
}

void World::load(const Stage& stage) {
    state_.keysHeld = 0;
    placeStage(stage.ground, stage.blocks);
    state_.stepTarget = static_cast<int32_t>(stage.stepTarget);
    state_.stepsLeft = state_.stepTarget;
    resetPictures();
    findPlayer();
    stop();
}

void World::clearOverlays() {
    for (Overlay& overlay : state_.overlays) overlay.marked = false;
}

void World::resetPictures() {
    drawing_.playerPose = NoPose;
    state_.caught = false;
    for (int i = 0; i < CellCount; ++i) {
        state_.overlays[i].marked = false;
        if (state_.blocks[i].code == block::OliveBall) raiseBlock(i);
    }
}

void World::findPlayer() {
    for (int k = 0; k < CellCount; ++k) {
        if (state_.blocks[k].code == block::Player) {
            raiseBlock(k);
            state_.playerBlock = static_cast<uint8_t>(k);
        }
    }
}

// The board as it stands; the overlays come to the front and the last player
// block plays. The circuit may lose the round at once.
void World::emptyBoard() {
    placeStage({}, {});
    raiseAllOverlays();
}

// The olive balls first, then the player: he is drawn in front of them.
void World::showAsPlaced(bool overlaysInFront) {
    resetPictures();
    findPlayer();
    if (overlaysInFront) raiseAllOverlays();
}

void World::takeBoardAsStart() {
    state_.keysHeld = 0;
    showAsPlaced();
}

void World::holdForEditing() {
    state_.stepPhase = {};
    state_.moveKind = MoveKind::Walk;
    stop();
    state_.stepsLeft = state_.stepTarget;
    resetPictures();
    putBlocksHome();
    raiseAllBlocks();
}

void World::halt() {
    state_.ticking = false;
    state_.keysHeld = 0;
    state_.moveKind = MoveKind::Walk;
    state_.stepPhase = {};
    state_.kickInProgress = false;
}

void World::startRound() {
    WorldState& s = state_;
    noteLiveBlocks(s);
    s.stepsLeft = s.stepTarget;
    s.inputLocked = false;
    s.ticking = true;
    s.cleared = false;
    for (int i = 0; i < CellCount; ++i) {
        raiseOverlay(i);
        if (s.blocks[i].code == block::Player) {
            s.playerBlock = static_cast<uint8_t>(i);
            s.movingBlock = static_cast<uint8_t>(i);
        }
    }
    s.kickInProgress = false;
    evaluateCircuit();
    s.awaitingFirstKey = true;
    s.moveKind = MoveKind::Walk;
    s.stepPhase = {};
}

// The keyboard is freed after the circuit is evaluated, so a blast that
// catches the player at once leaves him stone with the keyboard free.
void World::restartRound() {
    WorldState& s = state_;
    noteLiveBlocks(s);
    s.ticking = true;
    s.stepsLeft = s.stepTarget;
    s.keysHeld = 0;
    resetPictures();
    findPlayer();
    s.movingBlock = s.playerBlock;
    s.kickInProgress = false;
    evaluateCircuit();
    s.inputLocked = false;
    s.awaitingFirstKey = true;
    s.moveKind = MoveKind::Walk;
    s.stepPhase = {};
}

void World::stop() {
    state_.ticking = false;
    state_.inputLocked = true;
}

// A kick costs nothing; the move that brings the counter to 0 is not carried
// out, because losing stops the tick first.
void World::countStep() {
    if (state_.moveKind != MoveKind::Kick) --state_.stepsLeft;
    if (state_.stepsLeft <= 0) loseGame();
}

}  // namespace nerilo
