#include "reference/worst_case.h"

namespace nerilo {

Stage serpentineStage() {
    Stage stage;
    auto at = [&stage](int row, int column) -> uint8_t& { return stage.ground[row * BoardSide + column]; };
    for (int row = 0; row < BoardSide; ++row) {
        for (int column = 1; column < BoardSide - 1; ++column) at(row, column) = ground::HorizontalBar;
        // Rows 14, 12, ... run leftwards and climb at column 0; rows 13, 11, ...
        // run rightwards and climb at column 14.
        const bool leftward = row % 2 == 0;
        if (leftward) {
            at(row, 0) = row > 0 ? ground::BackslashBar : ground::HorizontalBar;  // right side to top
            at(row, BoardSide - 1) = ground::BackslashBar;                         // bottom to left
        } else {
            at(row, 0) = ground::SlashBar;               // bottom to right
            at(row, BoardSide - 1) = ground::SlashBar;   // left to top
        }
    }
    at(BoardSide - 1, BoardSide - 1) = ground::Target;
    for (int column = 2; column < BoardSide - 1; column += 4) at(0, column) = ground::EmitterDown;
    stage.blocks[3] = block::SkullBall;
    stage.blocks[11] = block::SkullBall;
    stage.blocks[7 * BoardSide + 7] = block::Player;
    return stage;
}

}  // namespace nerilo
