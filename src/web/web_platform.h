#pragma once
// The page as the engine's platform. The session's questions wait for the
// page's own dialog (Game::question, Game::answer), as they wait for the
// desktop's windows; only the splash, which the page itself is, is answered at once.
#include <emscripten/val.h>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "game/platform.h"

namespace nerilo::web {

// The English translation, from the same file as the desktop's
// (translations/nerilo_en.ts, converted to JSON at build time).
class Translation {
public:
    // {"context": {"Japanese pattern": "English pattern"}}; an empty text goes back to Japanese.
    void load(const std::string& json);
    bool english() const { return !patterns_.empty(); }
    std::string say(const Text& text) const;

private:
    std::map<std::string, std::map<std::string, std::string>> patterns_;
};

// A question as the page's dialog shows it, in the language chosen.
nlohmann::json questionJson(const Question& question, const Translation& translation);

class WebPlatform : public Platform {
public:
    WebPlatform(const Translation& translation, std::string programFolder)
        : translation_(translation), programFolder_(std::move(programFolder)) {}
    // The page's script: an object with message, ending and sounds functions.
    void listen(emscripten::val listener) { listener_ = std::move(listener); }

    std::optional<Answer> answerAtOnce(const Question& question) override;
    void showEnding(bool redLabel) override;
    void closeMainWindow() override {}
    std::string executableFolder() override { return programFolder_; }
    // The page plays the desktop's own effect files, by the events' names.
    void announce(std::span<const Event> events) override;
    // The browser's clock's date in UTC.
    std::optional<uint32_t> todayUtc() override;
    // A message of the front end's own (the hint's), shown by the page's script.
    void showMessage(const Question& question);

private:
    void tell(const char* what, emscripten::val argument);

    const Translation& translation_;
    std::string programFolder_;
    emscripten::val listener_ = emscripten::val::undefined();
};

}  // namespace nerilo::web
