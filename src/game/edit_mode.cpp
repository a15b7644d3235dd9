// Entering and leaving the editor, the new-stage command, and going back to
// the stage file.
#include "model/file_io.h"
#include "game/game.h"
#include "model/numbered_stages.h"

namespace nerilo {
void Game::toggleEditor() {
    SessionState& s = session_;
    if (s.testPlaying()) return;
    if (s.editing()) {
        run(leaveEditor());
        return;
    }
    {
        // The game stops: leaving the editor leads to a freshly loaded stage
        // that waits for Start with the tick stopped. The counter shows the
        // target, which is what Save writes.
        s.mode = Mode::Editing;
        world_.holdForEditing();
        beginRoundHistory();
        forgetEdits();
    }
}

Task<> Game::leaveEditor() {
    SessionState& s = session_;
    const Question question = messageQuestion(NERILO_TEXT("messages", "エディトモードを終了します。\n保存しますか？"),
                                              MsgButtons::YesNoCancel, MsgIcon::Exclamation);
    const Answer reply = co_await ask(question);
    const MsgResult answer = reply.button;
    if (answer != MsgResult::Yes && answer != MsgResult::No) co_return;
    // A save that did not happen keeps the editor, so the work is not lost.
    if (answer == MsgResult::Yes) {
        const bool saved = co_await save();
        if (!saved) co_return;
    }
    s.mode = Mode::Playing;
    forgetEdits();
    s.stagePath = numberedStagePath(programFolder(), 1);
    loadCurrentStage();
    world_.showAsPlaced(true);
    s.roundStarted = false;
}

void Game::newStage() { run(clearBoard()); }

Task<> Game::clearBoard() {
    if (session_.testPlaying()) co_return;
    const Question question =
        messageQuestion(NERILO_TEXT("messages", "クリアします。\n保存をしていない場合はキャンセルを押してください"),
                        MsgButtons::OkCancel, MsgIcon::Exclamation, MsgResult::Cancel);
    const Answer answer = co_await ask(question);
    if (answer.button != MsgResult::Ok) co_return;
    const Stage before = editedStage();
    for (int i = 0; i < CellCount; ++i) {
        world_.paintGround(i, ground::Floor);
        world_.paintBlock(i, block::Empty);
    }
    session_.comment.clear();
    session_.stagePath.clear();  // a stage with no file yet: the panel says 新規
    fileDialogName_.clear();
    noteEdit(before);
}

// Whether Save would write something the stage file does not hold. A new
// stage has no file: it has unsaved edits once anything is drawn or written.
void Game::forgetEdits() {
    editHistory_.clear();
    strokeBase_.reset();
}

// Enter keeps the edits: dropping them takes a deliberate OK.
Task<bool> Game::mayDropEdits(Text question) {
    if (!session_.editing() || !hasUnsavedEdits()) co_return true;
    const Question asked = messageQuestion(question, MsgButtons::OkCancel, MsgIcon::Exclamation, MsgResult::Cancel);
    const Answer answer = co_await ask(asked);
    co_return answer.button == MsgResult::Ok;
}

bool Game::hasUnsavedEdits() {
    const Stage edited = editedStage();
    if (session_.stagePath.empty()) {
        Stage empty;
        empty.stepTarget = edited.stepTarget;
        return edited != empty;
    }
    StageRead read = readStageFile(session_.stagePath);
    return !read.ok() || formatStage(read.stage) != formatStage(edited);
}

// Delete in the editor: the stage file over the edits, after asking; nothing
// when the file holds what Save would write, or when there is no file. Undo
// brings the edits back.
void Game::revertEdits() { run(revertAfterAsking()); }

Task<> Game::revertAfterAsking() {
    if (session_.stagePath.empty()) co_return;
    Stage stage;
    if (!readStage(session_.stagePath, stage)) co_return;
    const Stage edited = editedStage();
    if (formatStage(stage) == formatStage(edited)) co_return;
    const Question question = messageQuestion(
        NERILO_TEXT("messages", "保存していない変更があります。\n変更を捨てて、ステージファイル「%1」を読み直しますか？")
            .arg(stageTitle(session_)),
        MsgButtons::OkCancel, MsgIcon::Exclamation, MsgResult::Cancel);
    const Answer answer = co_await ask(question);
    if (answer.button != MsgResult::Ok) co_return;
    showEditedStage(stage);
    noteEdit(edited);
}

}  // namespace nerilo
