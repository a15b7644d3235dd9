// Step-try mode: every step costs one from the counter.
#include "board/game.h"

namespace nerilo {

// Switching off is always allowed; switching on is refused only while a game
// runs with the keyboard free after a key has been pressed. Test play keeps
// the modes the editor had.
void Game::toggleStepTry() {
    GameState& s = state_;
    if (s.testPlaying) return;
    if (s.awaitingFirstKey || s.inputLocked || s.stepTry) {
        s.stepTry = !s.stepTry;
    } else {
        platform_.messageBox(NERILO_TEXT("messages", "ゲーム中には切り替えられません。"), GameName, MsgButtons::Ok,
                             MsgIcon::Exclamation);
    }
}

}  // namespace nerilo
