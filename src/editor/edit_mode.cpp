// Entering and leaving the editor, the new-stage command, and going back to
// the stage file.
#include "board/file_io.h"
#include "board/game.h"
#include "board/numbered_stages.h"

namespace nerilo {
void Game::toggleEditor() {
    GameState& s = state_;
    if (s.testPlaying) return;
    if (!s.editing) {
        // The game stops: leaving the editor leads to a freshly loaded stage
        // that waits for Start with the tick stopped. The counter shows the
        // target, which is what Save writes.
        s.editing = true;
        s.stepPhase = {};
        s.inputLocked = true;
        s.moveKind = MoveKind::Walk;
        s.ticking = false;
        history_.clear();
        s.stepsLeft = s.stepTarget;
        resetBlockPictures();
        putBlocksHome();
        for (int i = 0; i < CellCount; ++i) raiseBlock(i);
        forgetEdits();
        return;
    }

    MsgResult answer = platform_.messageBox(NERILO_TEXT("messages", "エディトモードを終了します。\n保存しますか？"),
                                            GameName, MsgButtons::YesNoCancel, MsgIcon::Exclamation);
    if (answer != MsgResult::Yes && answer != MsgResult::No) return;
    // A save that did not happen keeps the editor, so the work is not lost.
    if (answer == MsgResult::Yes && !saveStage()) return;
    s.editing = false;
    forgetEdits();
    s.stagePath = numberedStagePath(programFolder(), 1);
    loadCurrentStage();
    resetBlockPictures();
    findPlayer();
    s.roundStarted = false;
    for (int i = 0; i < CellCount; ++i) raiseOverlay(i);
}

void Game::newStage() {
    if (state_.testPlaying) return;
    MsgResult answer =
        platform_.messageBox(NERILO_TEXT("messages", "クリアします。\n保存をしていない場合はキャンセルを押してください"),
                             GameName, MsgButtons::OkCancel, MsgIcon::Exclamation);
    if (answer != MsgResult::Ok) return;
    GameState& s = state_;
    const Stage before = editedStage();
    for (int i = 0; i < CellCount; ++i) {
        s.ground[i].code = ground::Floor;
        s.blocks[i].code = block::Empty;
        s.blocks[i].picture = blockPicture(block::Empty);
    }
    s.comment.clear();
    s.stagePath.clear();  // a stage with no file yet: the panel says 新規
    fileDialogName_.clear();
    noteEdit(before);
}

// Whether Save would write something the stage file does not hold. A new
// stage has no file: it has unsaved edits once anything is drawn or written.
void Game::forgetEdits() {
    editHistory_.clear();
    strokeBase_.reset();
}

bool Game::mayDropEdits(const Text& question) {
    return !state_.editing || !hasUnsavedEdits() ||
           platform_.messageBox(question, GameName, MsgButtons::OkCancel, MsgIcon::Exclamation) == MsgResult::Ok;
}

bool Game::hasUnsavedEdits() {
    const Stage edited = editedStage();
    if (state_.stagePath.empty()) {
        Stage empty;
        empty.stepTarget = edited.stepTarget;
        return edited != empty;
    }
    StageRead read = readStageFile(state_.stagePath);
    return !read.ok() || formatStage(read.stage) != formatStage(edited);
}

// Delete in the editor: the stage file over the edits, after asking; nothing
// when the file holds what Save would write, or when there is no file. Undo
// brings the edits back.
void Game::revertEdits() {
    if (state_.stagePath.empty()) return;
    Stage stage;
    if (!readStage(state_.stagePath, stage)) return;
    const Stage edited = editedStage();
    if (formatStage(stage) == formatStage(edited)) return;
    MsgResult answer = platform_.messageBox(
        NERILO_TEXT("messages", "保存していない変更があります。\n変更を捨てて、ステージファイル「%1」を読み直しますか？")
            .arg(stageTitle(state_)),
        GameName, MsgButtons::OkCancel, MsgIcon::Exclamation);
    if (answer != MsgResult::Ok) return;
    showEditedStage(stage);
    noteEdit(edited);
}

}  // namespace nerilo
