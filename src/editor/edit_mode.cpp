// Entering and leaving edit mode, and the new-stage command.
#include "board/form1.h"

namespace nerilo {

void Form1::Editcheck_Click() {
    Editcheck.checked = !Editcheck.checked;
    if (Editcheck.checked) {
        // The game stops: leaving the editor leads to a freshly loaded stage
        // that waits for Start with the tick stopped.
        StepPhase = {};
        InputLock = -1;
        MoveKind = 0;
        Timer1Enabled = false;
        Check1.enabled = true;
        Editmode.visible = true;
        enableGameCommands(false);
        PaintBoard();
        putBlocksHome();
        for (int i = 0; i < CellCount; ++i) raiseBlock(i);
        Height = EditingHeight;
        platform_.setWindowHeight(Height);
        return;
    }

    MsgResult answer = platform_.messageBox("エディトモードを終了します。\n保存しますか？", "Nerilo",
                                            MsgButtons::YesNoCancel, MsgIcon::Exclamation);
    if (answer != MsgResult::Yes && answer != MsgResult::No) {
        Editcheck.checked = true;
        return;
    }
    if (answer == MsgResult::Yes) hozon_Click();
    StagePath = MyPath() + "stage/stage1.txt";
    StageName.caption = "stage1.txt";
    Opener();
    PaintBoard();
    findPlayer();
    Editmode.visible = false;
    kaisi.enabled = true;
    retry.enabled = true;
    Check1.enabled = false;
    Command1.enabled = true;
    for (int i = 0; i < CellCount; ++i) raiseBeam(i);
    Height = PlayingHeight;
    platform_.setWindowHeight(Height);
}

void Form1::Newedit_Click() {
    MsgResult answer = platform_.messageBox("クリアします。\n保存をしていない場合はキャンセルを押してください", "Nerilo",
                                            MsgButtons::OkCancel, MsgIcon::Exclamation);
    if (answer != MsgResult::Ok) return;
    for (int i = 0; i < CellCount; ++i) {
        Ji[i].code = ground::Floor;
        Block[i].code = block::Empty;
        Block[i].picture = Btip(block::Empty);
    }
    ComentsTag.clear();
    VospFileName.clear();
}

}  // namespace nerilo
