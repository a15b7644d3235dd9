// Brushes, the layer button and painting with the mouse.
#include "board/game.h"

namespace nerilo {

void Game::chooseGroundBrush(int code) {
    state_.groundBrush = static_cast<uint8_t>(code);
    state_.paintLayer = PaintLayer::Ground;
}

void Game::chooseBlockBrush(int code) {
    state_.blockBrush = static_cast<uint8_t>(code);
    state_.paintLayer = PaintLayer::Blocks;
}

void Game::chooseEraser() { state_.blockBrush = block::Empty; }

void Game::togglePaintLayer() {
    state_.paintLayer = state_.paintLayer == PaintLayer::Ground ? PaintLayer::Blocks : PaintLayer::Ground;
}

// In the editor block k stands on cell k, so the cell painted is the block painted.
void Game::paintCell(int cell) {
    GameState& s = state_;
    if (!s.editing) return;
    if (s.paintLayer == PaintLayer::Blocks) {
        s.blocks[cell].code = s.blockBrush;
        s.blocks[cell].picture = blockPicture(s.blockBrush);
    } else {
        s.ground[cell].code = s.groundBrush;
    }
}

void Game::pickBrushAt(int cell) {
    GameState& s = state_;
    if (!s.editing) return;
    if (s.paintLayer == PaintLayer::Blocks) s.blockBrush = s.blocks[cell].code;
    else s.groundBrush = s.ground[cell].code;
}

}  // namespace nerilo
