// Entering and leaving the editor, and the new-stage command.
#include "board/game.h"

namespace nerilo {

void Game::toggleEditor() {
    GameState& s = state_;
    s.editing = !s.editing;
    if (s.editing) {
        // The game stops: leaving the editor leads to a freshly loaded stage
        // that waits for Start with the tick stopped.
        s.stepPhase = {};
        s.inputLocked = true;
        s.moveKind = MoveKind::Walk;
        s.ticking = false;
        history_.clear();
        resetBlockPictures();
        putBlocksHome();
        for (int i = 0; i < CellCount; ++i) raiseBlock(i);
        return;
    }

    MsgResult answer = platform_.messageBox(NERILO_TEXT("messages", "エディトモードを終了します。\n保存しますか？"),
                                            GameName, MsgButtons::YesNoCancel, MsgIcon::Exclamation);
    if (answer != MsgResult::Yes && answer != MsgResult::No) {
        s.editing = true;
        return;
    }
    if (answer == MsgResult::Yes) saveStage();
    s.stagePath = programFolder() + "stage/stage1.txt";
    s.stageTitle = "stage1.txt";
    loadCurrentStage();
    resetBlockPictures();
    findPlayer();
    s.roundStarted = false;
    for (int i = 0; i < CellCount; ++i) raiseOverlay(i);
}

void Game::newStage() {
    MsgResult answer =
        platform_.messageBox(NERILO_TEXT("messages", "クリアします。\n保存をしていない場合はキャンセルを押してください"),
                             GameName, MsgButtons::OkCancel, MsgIcon::Exclamation);
    if (answer != MsgResult::Ok) return;
    GameState& s = state_;
    for (int i = 0; i < CellCount; ++i) {
        s.ground[i].code = ground::Floor;
        s.blocks[i].code = block::Empty;
        s.blocks[i].picture = blockPicture(block::Empty);
    }
    s.comment.clear();
    fileDialogName_.clear();
}

}  // namespace nerilo
