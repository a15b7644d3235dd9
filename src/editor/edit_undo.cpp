// The editor's undo and redo: every change of the edited stage notes the
// stage as it was before.
#include "board/game.h"

namespace nerilo {

// Each block's code is taken at its home cell, wherever it stands now.
Stage Game::editedStage() const {
    Stage stage;
    for (int i = 0; i < CellCount; ++i) {
        stage.ground[i] = state_.ground[i].code;
        stage.blocks[i] = state_.blocks[i].code;
    }
    stage.comment = state_.comment;
    stage.stepTarget = state_.stepTarget;
    return stage;
}

void Game::showEditedStage(const Stage& stage) {
    applyStage(stage, true);
    for (int i = 0; i < CellCount; ++i) state_.blocks[i].picture = blockPicture(state_.blocks[i].code);
}

void Game::noteEdit(const Stage& before) {
    if (editedStage() != before) editHistory_.record(before);
}

// Undo brings back the board, the comment and the target; the file Save
// writes to stays the one being edited.
void Game::undoEdit() {
    if (!state_.editing) return;
    endStroke();
    if (std::optional<Stage> earlier = editHistory_.undo(editedStage())) showEditedStage(*earlier);
}

void Game::redoEdit() {
    if (!state_.editing) return;
    endStroke();
    if (std::optional<Stage> later = editHistory_.redo(editedStage())) showEditedStage(*later);
}

}  // namespace nerilo
