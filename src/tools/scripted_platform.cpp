#include "tools/scripted_platform.h"

#include "model/file_io.h"

namespace nerilo {

MsgResult ScriptedPlatform::showMessageBox(const Text& text, const Text& title, MsgButtons buttons, MsgIcon icon,
                                           MsgResult onEnter) {
    messages.push_back({text.japanese(), title.japanese(), buttons, icon, onEnter});
    if (messageAnswers.empty()) return onEnter;
    MsgResult answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::string ScriptedPlatform::inputBox(const Text& prompt, const Text& title, const std::string& defaultText) {
    inputs.push_back({prompt.japanese(), title.japanese(), defaultText});
    if (inputAnswers.empty()) return defaultText;
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPlatform::textBox(const Text& prompt, const Text& title,
                                                     const std::string& defaultText) {
    inputs.push_back({prompt.japanese(), title.japanese(), defaultText});
    if (textAnswers.empty()) return defaultText;
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

std::optional<FileChoice> ScriptedPlatform::openFileDialog(const FileDialogRequest& request) { return chooseFile(request); }
std::optional<FileChoice> ScriptedPlatform::saveFileDialog(const FileDialogRequest& request) { return chooseFile(request); }

}  // namespace nerilo
