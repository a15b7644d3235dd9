// Entering and leaving the editor, the new-stage command, and going back to
// the stage file.
#include "model/file_io.h"
#include "game/editor.h"
#include "game/game.h"
#include "model/numbered_stages.h"

namespace nerilo {
void Editor::toggle() {
    SessionState& s = game_.session_;
    if (s.testPlaying()) return;
    if (s.editing()) {
        game_.run(leave());
        return;
    }
    {
        // The game stops: leaving the editor leads to a freshly loaded stage
        // that waits for Start with the tick stopped. The counter shows the
        // target, which is what Save writes.
        s.mode = Mode::Editing;
        game_.world_.holdForEditing();
        game_.round_.begin();
        forgetEdits();
    }
}

Task<> Editor::leave() {
    SessionState& s = game_.session_;
    const Question question = messageQuestion(NERILO_TEXT("messages", "エディトモードを終了します。\n保存しますか？"),
                                              MsgButtons::YesNoCancel, MsgIcon::Exclamation);
    const Answer reply = co_await game_.ask(question);
    const MsgResult answer = reply.button;
    if (answer != MsgResult::Yes && answer != MsgResult::No) co_return;
    // A save that did not happen keeps the editor, so the work is not lost.
    if (answer == MsgResult::Yes) {
        const bool saved = co_await game_.stages_.checkAndSave();
        if (!saved) co_return;
    }
    s.mode = Mode::Playing;
    forgetEdits();
    s.stagePath = numberedStagePath(game_.programFolder(), 1);
    game_.loadCurrentStage();
    game_.world_.showAsPlaced(true);
    s.roundStarted = false;
    co_await game_.daily_.openWaiting();
}

void Editor::newStage() { game_.run(clearBoard()); }

Task<> Editor::clearBoard() {
    if (game_.session_.testPlaying()) co_return;
    const Question question =
        messageQuestion(NERILO_TEXT("messages", "クリアします。\n保存をしていない場合はキャンセルを押してください"),
                        MsgButtons::OkCancel, MsgIcon::Exclamation, MsgResult::Cancel);
    const Answer answer = co_await game_.ask(question);
    if (answer.button != MsgResult::Ok) co_return;
    const Stage before = editedStage();
    for (int i = 0; i < CellCount; ++i) {
        game_.world_.paintGround(i, ground::Floor);
        game_.world_.paintBlock(i, block::Empty);
    }
    game_.session_.comment.clear();
    game_.session_.stagePath.clear();  // a stage with no file yet: the panel says 新規
    game_.stages_.fileDialogName_.clear();
    noteEdit(before);
}

// Whether Save would write something the stage file does not hold. A new
// stage has no file: it has unsaved edits once anything is drawn or written.
void Editor::forgetEdits() {
    history_.clear();
    strokeBase_.reset();
}

// Enter keeps the edits: dropping them takes a deliberate OK.
Task<bool> Editor::mayDropEdits(Text question) {
    if (!game_.session_.editing() || !hasUnsavedEdits()) co_return true;
    const Question asked = messageQuestion(question, MsgButtons::OkCancel, MsgIcon::Exclamation, MsgResult::Cancel);
    const Answer answer = co_await game_.ask(asked);
    co_return answer.button == MsgResult::Ok;
}

bool Editor::hasUnsavedEdits() const {
    const Stage edited = editedStage();
    if (game_.session_.stagePath.empty()) {
        Stage empty;
        empty.stepTarget = edited.stepTarget;
        return edited != empty;
    }
    StageRead read = readStageFile(game_.session_.stagePath);
    return !read.ok() || formatStage(read.stage) != formatStage(edited);
}

// Delete in the editor: the stage file over the edits, after asking; nothing
// when the file holds what Save would write, or when there is no file. Undo
// brings the edits back.
void Editor::revert() { game_.run(revertAfterAsking()); }

Task<> Editor::revertAfterAsking() {
    if (game_.session_.stagePath.empty()) co_return;
    Stage stage;
    if (!game_.stages_.read(game_.session_.stagePath, stage)) co_return;
    const Stage edited = editedStage();
    if (formatStage(stage) == formatStage(edited)) co_return;
    const Question question = messageQuestion(
        NERILO_TEXT("messages", "保存していない変更があります。\n変更を捨てて、ステージファイル「%1」を読み直しますか？")
            .arg(stageTitle(game_.session_)),
        MsgButtons::OkCancel, MsgIcon::Exclamation, MsgResult::Cancel);
    const Answer answer = co_await game_.ask(question);
    if (answer.button != MsgResult::Ok) co_return;
    show(stage);
    noteEdit(edited);
}

}  // namespace nerilo
