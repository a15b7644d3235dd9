// The stage comment and the step target.
#include <cmath>

#include "model/fields.h"
#include "game/game.h"
#include "model/text_codec.h"

namespace nerilo {

// Cancel keeps the comment; an empty answer clears it. The comment may run
// over several lines.
void Game::editComment() {
    if (session_.testPlaying) return;
    std::optional<std::string> text = platform_.textBox(NERILO_TEXT("messages", "コメントを入力してください"),
                                                        NERILO_TEXT("messages", "Nerilo(コメント設定)"), session_.comment);
    if (!text) return;
    // Refused here rather than at Save, so the author can still fix it.
    Conversion encoded = utf8ToCp932(*text);
    if (!encoded.ok()) {
        platform_.messageBox(NERILO_TEXT("messages", "このコメントは保存できません。\n%1").arg(encoded.error), GameName,
                             MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    const Stage before = editedStage();
    session_.comment = *text;
    noteEdit(before);
}

// The box offers the target, not the counter of a game left in the middle.
// "0" and an empty answer keep the target; any other text sets its leading
// number (0 when it has none), a negative one included.
void Game::editStepTarget() {
    if (session_.testPlaying) return;
    WorldState& w = world_.state();
    std::string text =
        platform_.inputBox(NERILO_TEXT("messages", "目標歩数を決めてください"), NERILO_TEXT("messages", "Nerilo(タイマー設定)"),
                           decimalText(w.stepTarget));
    if (text.empty() || text == "0") return;
    double value = std::trunc(leadingNumber(text));
    if (!(std::fabs(value) <= 99999999)) {
        platform_.messageBox(NERILO_TEXT("messages", "目標歩数が大きすぎます。"), GameName, MsgButtons::Ok,
                             MsgIcon::Exclamation);
        return;
    }
    const Stage before = editedStage();
    w.stepTarget = static_cast<int32_t>(value);
    w.stepsLeft = w.stepTarget;
    noteEdit(before);
}

}  // namespace nerilo
