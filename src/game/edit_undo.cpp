// The editor's undo and redo: every change of the edited stage notes the
// stage as it was before.
#include "game/editor.h"
#include "game/game.h"

namespace nerilo {

// Each block's code is taken at its home cell, wherever it stands now.
Stage Editor::editedStage() const {
    Stage stage;
    const WorldState& w = game_.world_.state();
    for (int i = 0; i < CellCount; ++i) {
        stage.ground[i] = w.ground[i].code;
        stage.blocks[i] = w.blocks[i].code;
    }
    stage.comment = game_.session_.comment;
    stage.stepTarget = w.stepTarget;
    return stage;
}

void Editor::show(const Stage& stage) {
    game_.applyStage(stage, true);
}

void Editor::noteEdit(const Stage& before) {
    if (editedStage() != before) history_.record(before);
}

// Undo brings back the board, the comment and the target; the file Save
// writes to stays the one being edited.
void Editor::undo() {
    if (!game_.session_.editing()) return;
    endStroke();
    if (std::optional<Stage> earlier = history_.undo(editedStage())) show(*earlier);
}

void Editor::redo() {
    if (!game_.session_.editing()) return;
    endStroke();
    if (std::optional<Stage> later = history_.redo(editedStage())) show(*later);
}

bool Editor::canUndo() const { return game_.session_.editing() && history_.canUndo(); }
bool Editor::canRedo() const { return game_.session_.editing() && history_.canRedo(); }

}  // namespace nerilo
