// Start, Retry, the Start/Retry button and the step counter.
#include "board/fields.h"
#include "board/form1.h"

namespace nerilo {

void Form1::kaisi_Click() {
    Command1.caption = "再挑戦";
    Label1.caption = Label1.tag;
    kaisi.enabled = false;
    InputLock = 0;
    Timer1Enabled = true;
    for (int i = 0; i < CellCount; ++i) {
        raiseBeam(i);
        if (Block[i].code == block::Player) {
            PlayerBlock = static_cast<uint8_t>(i);
            MovingBlock = static_cast<uint8_t>(i);
        }
    }
    KickActive = 0;
    Suman();
    FreshRound = -1;
    MoveKind = 0;
    StepPhase = {};
}

void Form1::retry_Click() {
    // An unreadable stage file (after the last stage, or deleted meanwhile) is
    // reported and the game stays exactly as it was.
    Stage stage;
    if (!readStage(StagePath, stage)) return;

    Timer1Enabled = true;
    Label1.caption = Label1.tag;
    setKeyCount(0);
    applyStage(stage, false);
    PaintBoard();
    findPlayer();
    MovingBlock = PlayerBlock;
    KickActive = 0;
    Suman();
    InputLock = 0;
    FreshRound = -1;
    MoveKind = 0;
    StepPhase = {};
    kaisi.enabled = false;
}

void Form1::Command1_Click() {
    if (Command1.caption == "開始") kaisi_Click();
    else if (Command1.caption == "再挑戦") retry_Click();
}

// A kick costs nothing; the move that brings the counter to 0 is not carried
// out, because GAMEOVER stops the tick first.
void Form1::CountStep() {
    if (MoveKind != 2) Label1.caption = decimalText(static_cast<long long>(leadingNumber(Label1.caption)) - 1);
    if (leadingNumber(Label1.caption) <= 0) GAMEOVER();
}

}  // namespace nerilo
