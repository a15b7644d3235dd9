// Hazard checks and the lost game.
#include "board/form1.h"

namespace nerilo {

void Form1::ABCchecker() {
    const int cell = BlockCell[MovingBlock];
    if (StepPhase == std::array<uint8_t, DirectionCount>{}) {
        const uint8_t g = Ji[cell].code;
        if (g == ground::YellowPlate) {
            if (MovingBlock == PlayerBlock) {
                GAMEOVER();
                return;
            }
        } else if (groundTraits(g).slide != NoDirection) {
            constexpr uint8_t slideKind[DirectionCount] = {8, 7, 6, 5};
            MoveKind = slideKind[groundTraits(g).slide];
        }
    }
    if (BeemPic[cell].marked && MovingBlock == PlayerBlock) GAMEOVER();
}

void Form1::GAMEOVER() {
    if (Block[MovingBlock].code != block::Player) {
        // A kicked ball was trapped: the player gets control back and the game goes on.
        MovingBlock = PlayerBlock;
        MoveKind = 0;
        InputLock = 0;
        return;
    }
    InputLock = -1;
    KickActive = 0;
    Timer1Enabled = false;
    MoveKind = 0;
    StepPhase = {};
    moveBlockToCell(PlayerBlock, BlockCell[PlayerBlock]);
    Block[PlayerBlock].picture = Ptip(StoneFrame);
    Command1.caption = "再挑戦";
}

}  // namespace nerilo
