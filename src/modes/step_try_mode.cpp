// Step-try mode: every step costs one from the counter.
#include "board/form1.h"

namespace nerilo {

// Switching off is always allowed; switching on is refused only while a game
// runs with the keyboard free after a key has been pressed.
void Form1::Tokein_Click() {
    if (FreshRound == -1 || InputLock == -1 || Tokein.checked) {
        Tokein.checked = !Tokein.checked;
        Check2.foreColor = Tokein.checked ? Yellow : White;
    } else {
        platform_.messageBox("ゲーム中には切り替えられません。", "Nerilo", MsgButtons::Ok, MsgIcon::Exclamation);
    }
}

}  // namespace nerilo
