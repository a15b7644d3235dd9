#include "board/game.h"

namespace nerilo {

Game::Game(Platform& platform, PowerSpreader spreader) : platform_(platform), spreader_(spreader) {
    // First drawn order: the blocks in cell order, then the overlays in front of them.
    GameState& s = state_;
    for (int i = 0; i < CellCount; ++i) {
        s.blockCell[i] = static_cast<int16_t>(i);
        s.blocks[i].left = cellLeft(i);
        s.blocks[i].top = cellTop(i);
        s.blocks[i].z = static_cast<uint32_t>(1 + i);
        s.overlays[i].z = static_cast<uint32_t>(1 + CellCount + i);
    }
    s.lastRaise = 2 * CellCount;
}

void Game::raiseBlock(int k) { state_.blocks[k].z = ++state_.lastRaise; }
void Game::raiseOverlay(int cell) { state_.overlays[cell].z = ++state_.lastRaise; }

void Game::moveBlockToCell(int k, int cell) {
    state_.blocks[k].left = cellLeft(cell);
    state_.blocks[k].top = cellTop(cell);
}

void Game::putBlocksHome() {
    for (int i = 0; i < CellCount; ++i) {
        state_.blockCell[i] = static_cast<int16_t>(i);
        moveBlockToCell(i, i);
    }
}

void Game::clearOverlays() {
    for (Overlay& overlay : state_.overlays) overlay.marked = false;
}

void Game::resetBlockPictures() {
    for (int i = 0; i < CellCount; ++i) {
        state_.blocks[i].picture = blockPicture(state_.blocks[i].code);
        state_.overlays[i].marked = false;
        if (state_.blocks[i].code == block::OliveBall) raiseBlock(i);
    }
}

// After a stage load: the last player block wins and is drawn in front of everything.
void Game::findPlayer() {
    for (int k = 0; k < CellCount; ++k) {
        if (state_.blocks[k].code == block::Player) {
            raiseBlock(k);
            state_.playerBlock = static_cast<uint8_t>(k);
        }
    }
}

bool isLost(const GameState& state) {
    return !state.ticking && state.inputLocked && state.blocks[state.playerBlock].picture == playerPicture(StoneFrame);
}

}  // namespace nerilo
