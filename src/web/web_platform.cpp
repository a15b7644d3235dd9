#include "web/web_platform.h"

#include <nlohmann/json.hpp>

namespace nerilo::web {

void Translation::load(const std::string& json) {
    patterns_.clear();
    if (json.empty()) return;
    // Kept whole while it is read: items() only refers to it.
    const nlohmann::json contexts = nlohmann::json::parse(json);
    for (const auto& [context, patterns] : contexts.items())
        for (const auto& [japanese, english] : patterns.items()) patterns_[context][japanese] = english.get<std::string>();
}

std::string Translation::say(const Text& text) const {
    return text.say([this](const std::string& context, const std::string& pattern) {
        const auto found = patterns_.find(context);
        if (found == patterns_.end()) return pattern;
        const auto english = found->second.find(pattern);
        return english == found->second.end() || english->second.empty() ? pattern : english->second;
    });
}

void WebPlatform::tell(const char* what, emscripten::val argument) {
    if (!listener_.isUndefined()) listener_.call<void>(what, argument);
}

void WebPlatform::announce(std::span<const Event> events) {
    if (events.empty()) return;
    emscripten::val names = emscripten::val::array();
    for (const Event event : events) names.call<void>("push", std::string(eventName(event)));
    tell("sounds", names);
}

namespace {

const char* kindName(QuestionKind kind) {
    switch (kind) {
    case QuestionKind::Message: return "message";
    case QuestionKind::Line: return "line";
    case QuestionKind::Lines: return "lines";
    case QuestionKind::OpenFile: return "openFile";
    case QuestionKind::SaveFile: return "saveFile";
    case QuestionKind::StageClear: return "stageClear";
    case QuestionKind::Splash: break;
    }
    return "splash";
}

std::string colour(Rgb rgb) {
    return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," + std::to_string(rgb.blue) + ")";
}

}  // namespace

nlohmann::json questionJson(const Question& question, const Translation& translation) {
    // A text box, and the page's save dialog (a file name to type), have the
    // desktop's input dialog's buttons; the clear window one.
    const bool typed = question.kind == QuestionKind::Line || question.kind == QuestionKind::Lines ||
                       question.kind == QuestionKind::SaveFile;
    const MsgButtons buttons = typed ? MsgButtons::OkCancel : question.buttons;
    nlohmann::json shown = nlohmann::json::array();
    for (const MsgResult button : buttonsOf(buttons))
        shown.push_back({{"answer", static_cast<int>(button)}, {"caption", translation.say(buttonCaption(button))}});
    std::string letters;
    for (const std::string& letter : question.banner.letters) letters += letter;
    return {{"kind", kindName(question.kind)},
            {"title", translation.say(question.title)},
            {"text", translation.say(question.text)},
            {"icon", static_cast<int>(question.icon)},
            {"defaultText", question.defaultText},
            {"buttons", shown},
            {"enter", static_cast<int>(defaultAnswer(question).button)},
            {"cancel", static_cast<int>(MsgResult::Cancel)},
            {"awaited", question.awaited},
            {"letters", letters},
            // A file question: the name its dialog offers, without the folder.
            {"fileName", question.file.fileName.substr(question.file.fileName.find_last_of('/') + 1)},
            {"background", colour(question.banner.background)}};
}

// The page is the splash; every other question waits for the page's dialog
// (Game::question), as the desktop's windows do.
std::optional<Answer> WebPlatform::answerAtOnce(const Question& question) {
    if (question.kind == QuestionKind::Splash) return defaultAnswer(question);
    return std::nullopt;
}

void WebPlatform::showMessage(const Question& question) {
    emscripten::val message = emscripten::val::object();
    message.set("text", translation_.say(question.text));
    message.set("title", translation_.say(question.title));
    message.set("icon", static_cast<int>(question.icon));
    tell("message", message);
}

void WebPlatform::showEnding(bool redLabel) { tell("ending", emscripten::val(redLabel)); }

std::optional<uint32_t> WebPlatform::todayUtc() {
    const emscripten::val now = emscripten::val::global("Date").new_();
    return static_cast<uint32_t>(now.call<int>("getUTCFullYear") * 10000 + (now.call<int>("getUTCMonth") + 1) * 100 +
                                 now.call<int>("getUTCDate"));
}

}  // namespace nerilo::web
