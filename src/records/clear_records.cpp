// Records: the best clear of each numbered stage, set when a stage is cleared.
#include "board/game.h"
#include "board/numbered_stages.h"

namespace nerilo {

// A clear sets a record when the player found it himself in plain play: no
// hint, no block or super mode (a different board, or a random one), and on
// one of the numbered stages beside the program.
void Game::recordClear() {
    const GameState& s = state_;
    if (!historyKept_ || history_.hintsUsed() > 0 || s.extraMode != ExtraMode::None) return;
    const int n = numberedStageAt(programFolder(), s.stagePath);
    if (n == 0) return;
    if (!records_.offer(n, s.stageFingerprint, s.stepTry, history_.path() + 'Z')) return;
    const FileUpdate saved = records_.save();
    if (!saved.keptAside.empty()) {
        platform_.messageBox(NERILO_TEXT("messages", "読めなかった記録のファイルを「%1」として残しました。").arg(saved.keptAside),
                             GameName, MsgButtons::Ok, MsgIcon::Exclamation);
    }
    if (!saved.ok()) {
        platform_.messageBox(NERILO_TEXT("messages", "記録を保存できませんでした。\n%1").arg(saved.error), GameName,
                             MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

}  // namespace nerilo
