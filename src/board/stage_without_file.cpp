// A stage opened without a file: one read from a stage code.
#include "board/game.h"

namespace nerilo {

bool Game::openStageWithoutFile(const Stage& stage) {
    if (state_.testPlaying) return false;
    if (!mayDropEdits(NERILO_TEXT("messages", "保存していない変更があります。\n変更を捨てて、別のステージを開きますか？"))) return false;
    stageWithoutFile_ = stage;
    enterLoadedState({}, stage);
    return true;
}

}  // namespace nerilo
