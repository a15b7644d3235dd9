// Brushes, the layer button and painting with the mouse.
#include "game/game.h"

namespace nerilo {

void Game::chooseGroundBrush(int code) {
    session_.groundBrush = static_cast<uint8_t>(code);
    session_.paintLayer = PaintLayer::Ground;
}

void Game::chooseBlockBrush(int code) {
    session_.blockBrush = static_cast<uint8_t>(code);
    session_.paintLayer = PaintLayer::Blocks;
}

void Game::chooseEraser() { session_.blockBrush = block::Empty; }

void Game::togglePaintLayer() {
    session_.paintLayer = session_.paintLayer == PaintLayer::Ground ? PaintLayer::Blocks : PaintLayer::Ground;
}

// A stroke is what one press of the mouse button paints until its release:
// one undo step however many cells it crosses.
void Game::beginStroke() {
    if (!session_.editing()) return;
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
    const SessionState& s = session_;
    if (!s.editing()) return;
    const bool ownStroke = !strokeBase_;
    if (ownStroke) beginStroke();
    if (s.paintLayer == PaintLayer::Blocks) world_.paintBlock(cell, s.blockBrush);
    else world_.paintGround(cell, s.groundBrush);
    if (ownStroke) endStroke();
}

void Game::pickBrushAt(int cell) {
    SessionState& s = session_;
    if (!s.editing()) return;
    const WorldState& w = world_.state();
    if (s.paintLayer == PaintLayer::Blocks) s.blockBrush = w.blocks[cell].code;
    else s.groundBrush = w.ground[cell].code;
}

}  // namespace nerilo
