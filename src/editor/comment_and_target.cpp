// The stage comment and the step target.
#include <cmath>

#include "board/fields.h"
#include "board/game.h"
#include "board/text_codec.h"

namespace nerilo {

void Game::editComment() {
    std::string text = platform_.inputBox(NERILO_TEXT("messages", "コメントを入力してください"),
                                          NERILO_TEXT("messages", "Nerilo(コメント設定)"), state_.comment);
    if (text.empty()) return;
    // Refused here rather than at Save, so the author can still fix it.
    Conversion encoded = utf8ToCp932(text);
    if (!encoded.ok()) {
        platform_.messageBox(NERILO_TEXT("messages", "このコメントは保存できません。\n%1").arg(encoded.error), GameName,
                             MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    state_.comment = text;
}

// "0" and an empty answer keep the target; any other text sets its leading
// number (0 when it has none), a negative one included.
void Game::editStepTarget() {
    std::string text =
        platform_.inputBox(NERILO_TEXT("messages", "目標歩数を決めてください"), NERILO_TEXT("messages", "Nerilo(タイマー設定)"),
                           decimalText(state_.stepsLeft));
    if (text.empty() || text == "0") return;
    double value = std::trunc(leadingNumber(text));
    if (!(std::fabs(value) <= 99999999)) {
        platform_.messageBox(NERILO_TEXT("messages", "目標歩数が大きすぎます。"), GameName, MsgButtons::Ok,
                             MsgIcon::Exclamation);
        return;
    }
    state_.stepTarget = static_cast<int32_t>(value);
    state_.stepsLeft = state_.stepTarget;
}

}  // namespace nerilo
