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

MsgResult WebPlatform::showMessageBox(const Text& text, const Text& title, MsgButtons, MsgIcon icon,
                                      MsgResult onEnter) {
    emscripten::val message = emscripten::val::object();
    message.set("text", translation_.say(text));
    message.set("title", translation_.say(title));
    message.set("icon", static_cast<int>(icon));
    tell("message", message);
    return onEnter;
}

void WebPlatform::showStageClear(const ClearBanner& banner) {
    emscripten::val clear = emscripten::val::object();
    std::string letters;
    for (const std::string& letter : banner.letters) letters += letter;
    clear.set("letters", letters);
    clear.set("background", "rgb(" + std::to_string(banner.background.red) + "," +
                                std::to_string(banner.background.green) + "," +
                                std::to_string(banner.background.blue) + ")");
    tell("stageClear", clear);
}

void WebPlatform::showEnding(bool redLabel) { tell("ending", emscripten::val(redLabel)); }

}  // namespace nerilo::web
