// What the cell under the moving object does to it, and the lost game.
#include "rules/world.h"

namespace nerilo {

void World::checkMoverCell() {
    WorldState& s = state_;
    const int cell = s.blockCell[s.movingBlock];
    const bool stepping = s.stepPhase[Left] | s.stepPhase[Right] | s.stepPhase[Up] | s.stepPhase[Down];
    if (!stepping) {
        const uint8_t g = s.ground[cell].code;
        if (g == ground::YellowPlate) {
            if (s.movingBlock == s.playerBlock) {
                loseGame();
                return;
            }
        } else if (groundTraits(g).slide != NoDirection) {
            if (s.moveKind != slideTowards(groundTraits(g).slide)) events_.note(WorldEvent::Slide);
            s.moveKind = slideTowards(groundTraits(g).slide);
        }
    }
    if (s.overlays[cell].marked && s.movingBlock == s.playerBlock) loseGame();
}

void World::loseGame() {
    WorldState& s = state_;
    if (s.blocks[s.movingBlock].code != block::Player) {
        // A kicked ball was trapped: the player gets control back and the game goes on.
        events_.note(WorldEvent::Stop);
        s.movingBlock = s.playerBlock;
        s.moveKind = MoveKind::Walk;
        s.inputLocked = false;
        return;
    }
    // The same tick may catch him twice (the landing, then the tick's own check): one loss.
    if (s.ticking) events_.note(WorldEvent::Lost);
    s.inputLocked = true;
    s.kickInProgress = false;
    s.ticking = false;
    s.moveKind = MoveKind::Walk;
    s.stepPhase = {};
    moveBlockToCell(s.playerBlock, s.blockCell[s.playerBlock]);
    s.caught = true;
}

}  // namespace nerilo
