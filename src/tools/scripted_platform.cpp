#include "tools/scripted_platform.h"

#include "model/file_io.h"

namespace nerilo {

std::optional<Answer> ScriptedPlatform::answerAtOnce(const Question& question) {
    if (deferAnswers && question.kind != QuestionKind::Splash) return std::nullopt;
    Answer answer = defaultAnswer(question);
    switch (question.kind) {
    case QuestionKind::Message: answer.button = chooseButton(question); break;
    case QuestionKind::Line:
    case QuestionKind::Lines: answer.text = typeText(question); break;
    case QuestionKind::OpenFile:
    case QuestionKind::SaveFile: answer.file = chooseFile(question.file); break;
    case QuestionKind::StageClear:
        clears.push_back(question.banner);
        if (whileClearShown) whileClearShown();
        break;
    case QuestionKind::Splash: ++splashes; break;
    }
    return answer;
}

MsgResult ScriptedPlatform::chooseButton(const Question& question) {
    const MsgResult onEnter = defaultAnswer(question).button;
    messages.push_back({question.text.japanese(), question.title.japanese(), question.buttons, question.icon, onEnter});
    if (messageAnswers.empty()) return onEnter;
    MsgResult answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

// A line's script answers with text, an empty one for Cancel; the lines' with
// text or nothing.
std::optional<std::string> ScriptedPlatform::typeText(const Question& question) {
    inputs.push_back({question.text.japanese(), question.title.japanese(), question.defaultText});
    if (question.kind == QuestionKind::Line) {
        if (inputAnswers.empty()) return question.defaultText;
        std::string answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    if (textAnswers.empty()) return question.defaultText;
    std::optional<std::string> answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

std::optional<FileChoice> ScriptedPlatform::chooseFile(const FileDialogRequest& request) {
    dialogs.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    std::string path = fileAnswers.front();
    fileAnswers.pop_front();
    return FileChoice{path, fileTitle(path)};
}

}  // namespace nerilo
