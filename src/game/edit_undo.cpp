// The editor's undo and redo: every change of the edited stage notes the
// stage as it was before.
#include "game/game.h"

namespace nerilo {

// Each block's code is taken at its home cell, wherever it stands now.
Stage Game::editedStage() const {
    Stage stage;
    const WorldState& w = world_.state();
    for (int i = 0; i < CellCount; ++i) {
        stage.ground[i] = w.ground[i].code;
        stage.blocks[i] = w.blocks[i].code;
    }
    stage.comment = session_.comment;
    stage.stepTarget = w.stepTarget;
    return stage;
}

void Game::showEditedStage(const Stage& stage) {
    applyStage(stage, true);
}

void Game::noteEdit(const Stage& before) {
    if (editedStage() != before) editHistory_.record(before);
}

// Undo brings back the board, the comment and the target; the file Save
// writes to stays the one being edited.
void Game::undoEdit() {
    if (!session_.editing()) return;
    endStroke();
    if (std::optional<Stage> earlier = editHistory_.undo(editedStage())) showEditedStage(*earlier);
}

void Game::redoEdit() {
    if (!session_.editing()) return;
    endStroke();
    if (std::optional<Stage> later = editHistory_.redo(editedStage())) showEditedStage(*later);
}

}  // namespace nerilo
