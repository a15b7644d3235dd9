// Questions as data: a command that asks stops where it asks, and the
// answer, from the platform at once or from the front end later, lets it go on.
#include "game/conversation.h"
#include "game/game.h"

namespace nerilo {

Question messageQuestion(const Text& text, MsgButtons buttons, MsgIcon icon, std::optional<MsgResult> onEnter) {
    Question question;
    question.onEnter = onEnter;
    question.text = text;
    question.buttons = buttons;
    question.icon = icon;
    return question;
}

Question textQuestion(QuestionKind kind, const Text& prompt, const Text& title, const std::string& offered) {
    Question question;
    question.kind = kind;
    question.text = prompt;
    question.title = title;
    question.defaultText = offered;
    return question;
}

Question fileQuestion(QuestionKind kind, const FileDialogRequest& request) {
    Question question;
    question.kind = kind;
    question.file = request;
    return question;
}

Question clearQuestion(const ClearBanner& banner) {
    Question question;
    question.kind = QuestionKind::StageClear;
    question.banner = banner;
    return question;
}

std::span<const MsgResult> buttonsOf(MsgButtons buttons) {
    static constexpr MsgResult Ok[] = {MsgResult::Ok}, OkCancel[] = {MsgResult::Ok, MsgResult::Cancel},
                               YesNoCancel[] = {MsgResult::Yes, MsgResult::No, MsgResult::Cancel},
                               SaveCancel[] = {MsgResult::Save, MsgResult::Cancel};
    switch (buttons) {
    case MsgButtons::OkCancel: return OkCancel;
    case MsgButtons::YesNoCancel: return YesNoCancel;
    case MsgButtons::SaveCancel: return SaveCancel;
    case MsgButtons::Ok: break;
    }
    return Ok;
}

Text buttonCaption(MsgResult button) {
    switch (button) {
    case MsgResult::Cancel: return NERILO_TEXT("buttons", "キャンセル");
    case MsgResult::Yes: return NERILO_TEXT("buttons", "はい");
    case MsgResult::No: return NERILO_TEXT("buttons", "いいえ");
    case MsgResult::Save: return NERILO_TEXT("buttons", "保存する");
    case MsgResult::Ok: break;
    }
    return NERILO_TEXT("buttons", "OK");
}

Answer defaultAnswer(const Question& question) {
    Answer answer;
    answer.button = question.onEnter.value_or(firstButton(question.buttons));
    if (question.kind == QuestionKind::Line || question.kind == QuestionKind::Lines) answer.text = question.defaultText;
    return answer;
}

bool Conversation::Asking::await_ready() {
    answer_ = conversation_.platform_.answerAtOnce(question_);
    return answer_.has_value();
}

void Conversation::Asking::await_suspend(coro::coroutine_handle<> command) {
    Conversation& c = conversation_;
    c.questions_.emplace_back(++c.lastQuestion_, std::move(question_));
    c.awaited_ = c.lastQuestion_;
    c.waiting_ = command;
}

Answer Conversation::Asking::await_resume() {
    if (answer_) return std::move(*answer_);
    return *std::exchange(conversation_.answer_, std::nullopt);
}

Conversation::Asking Conversation::ask(const Question& question) { return Asking(*this, question); }

void Conversation::tell(Question notice) {
    if (!platform_.answerAtOnce(notice)) questions_.emplace_back(++lastQuestion_, std::move(notice));
}

void Conversation::tell(const Text& text, MsgIcon icon) {
    Question notice;
    notice.text = text;
    notice.icon = icon;
    tell(std::move(notice));
}

bool Conversation::answer(const Answer& answer) {
    if (questions_.empty()) return false;
    const uint64_t answered = questions_.front().first;
    questions_.pop_front();
    if (answered != awaited_) return false;
    awaited_ = 0;
    answer_ = answer;
    std::exchange(waiting_, {}).resume();
    finishCommand();
    return true;
}

void Conversation::waitForSearch(coro::coroutine_handle<> command) {
    searching_ = true;
    waiting_ = command;
}

void Conversation::goOn() {
    if (!searching_) return;
    searching_ = false;
    std::exchange(waiting_, {}).resume();
    finishCommand();
}

void Conversation::run(Task<> command) {
    if (command_) return;
    command_.emplace(std::move(command));
    command_->start();
    finishCommand();
}

// A command that ended is let go; one that failed passes its exception on.
void Conversation::finishCommand() {
    if (!command_ || !command_->done()) return;
    Task<> ended = std::move(*command_);
    command_.reset();
    ended.result();
}

void Game::answer(const Answer& answer) {
    if (!conversation_.answer(answer)) return;
    // A test play whose clear window was open ends once it closes.
    if (editor_.testCleared_) editor_.endTestPlay();
    searches_.follow();
}

}  // namespace nerilo
