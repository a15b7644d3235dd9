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

// A stroke is what one press of the mouse button paints until its release:
// one undo step however many cells it crosses.
void Game::beginStroke() {
    if (!state_.editing) return;
    endStroke();
    strokeBase_ = editedStage();
}

void Game::endStroke() {
    if (!strokeBase_) return;
    noteEdit(*strokeBase_);
    strokeBase_.reset();
}

// In the editor block k stands on cell k, so the cell painted is the block
// painted. A cell painted outside a stroke is a stroke of its own.
void Game::paintCell(int cell) {
    GameState& s = state_;
    if (!s.editing) return;
    const bool ownStroke = !strokeBase_;
    if (ownStroke) beginStroke();
    if (s.paintLayer == PaintLayer::Blocks) {
        s.blocks[cell].code = s.blockBrush;
        s.blocks[cell].picture = blockPicture(s.blockBrush);
    } else {
        s.ground[cell].code = s.groundBrush;
    }
    if (ownStroke) endStroke();
}

void Game::pickBrushAt(int cell) {
    GameState& s = state_;
    if (!s.editing) return;
    if (s.paintLayer == PaintLayer::Blocks) s.blockBrush = s.blocks[cell].code;
    else s.groundBrush = s.ground[cell].code;
}

}  // namespace nerilo
