// Brushes, the layer button and painting with the mouse.
#include "game/editor.h"
#include "game/game.h"

namespace nerilo {

void Editor::chooseGroundBrush(int code) {
    game_.session_.groundBrush = static_cast<uint8_t>(code);
    game_.session_.paintLayer = PaintLayer::Ground;
}

void Editor::chooseBlockBrush(int code) {
    game_.session_.blockBrush = static_cast<uint8_t>(code);
    game_.session_.paintLayer = PaintLayer::Blocks;
}

void Editor::chooseEraser() { game_.session_.blockBrush = block::Empty; }

void Editor::togglePaintLayer() {
    game_.session_.paintLayer = game_.session_.paintLayer == PaintLayer::Ground ? PaintLayer::Blocks : PaintLayer::Ground;
}

// A stroke is what one press of the mouse button paints until its release:
// one undo step however many cells it crosses.
void Editor::beginStroke() {
    if (!game_.session_.editing()) return;
    endStroke();
    strokeBase_ = editedStage();
}

void Editor::endStroke() {
    if (!strokeBase_) return;
    noteEdit(*strokeBase_);
    strokeBase_.reset();
}

// In the editor block k stands on cell k, so the cell painted is the block
// painted. A cell painted outside a stroke is a stroke of its own.
void Editor::paintCell(int cell) {
    const SessionState& s = game_.session_;
    if (!s.editing() || game_.asking()) return;
    const bool ownStroke = !strokeBase_;
    if (ownStroke) beginStroke();
    if (s.paintLayer == PaintLayer::Blocks) game_.world_.paintBlock(cell, s.blockBrush);
    else game_.world_.paintGround(cell, s.groundBrush);
    if (ownStroke) endStroke();
}

void Editor::pickBrushAt(int cell) {
    SessionState& s = game_.session_;
    if (!s.editing() || game_.asking()) return;
    const WorldState& w = game_.world_.state();
    if (s.paintLayer == PaintLayer::Blocks) s.blockBrush = w.blocks[cell].code;
    else s.groundBrush = w.ground[cell].code;
}

}  // namespace nerilo
