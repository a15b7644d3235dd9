// The stage comment and the step target.
#include <cmath>

#include "model/fields.h"
#include "game/editor.h"
#include "game/game.h"
#include "model/text_codec.h"

namespace nerilo {

// Cancel keeps the comment; an empty answer clears it. The comment may run
// over several lines.
void Editor::editComment() { game_.run(typeComment()); }

Task<> Editor::typeComment() {
    if (game_.session_.testPlaying()) co_return;
    const Question question = textQuestion(QuestionKind::Lines, NERILO_TEXT("messages", "コメントを入力してください"),
                                           NERILO_TEXT("messages", "Nerilo(コメント設定)"), game_.session_.comment);
    const Answer answer = co_await game_.ask(question);
    const std::optional<std::string>& text = answer.text;
    if (!text) co_return;
    // Refused here rather than at Save, so the author can still fix it.
    Conversion encoded = utf8ToCp932(*text);
    if (!encoded.ok()) {
        game_.tell(NERILO_TEXT("messages", "このコメントは保存できません。\n%1").arg(encoded.error));
        co_return;
    }
    const Stage before = editedStage();
    game_.session_.comment = *text;
    noteEdit(before);
}

// The box offers the target, not the counter of a game left in the middle.
// "0" and an empty answer keep the target; any other text sets its leading
// number (0 when it has none), a negative one included.
void Editor::editStepTarget() { game_.run(typeStepTarget()); }

Task<> Editor::typeStepTarget() {
    if (game_.session_.testPlaying()) co_return;
    const Question question = textQuestion(QuestionKind::Line, NERILO_TEXT("messages", "目標歩数を決めてください"),
                                           NERILO_TEXT("messages", "Nerilo(タイマー設定)"),
                                           decimalText(game_.world_.state().stepTarget));
    const Answer answer = co_await game_.ask(question);
    const std::string text = answer.text.value_or(std::string());
    if (text.empty() || text == "0") co_return;
    const double value = std::trunc(leadingNumber(text));
    if (!(std::fabs(value) <= 99999999)) {
        game_.tell(NERILO_TEXT("messages", "目標歩数が大きすぎます。"));
        co_return;
    }
    const Stage before = editedStage();
    game_.world_.setStepTarget(static_cast<int32_t>(value));
    noteEdit(before);
}

}  // namespace nerilo
