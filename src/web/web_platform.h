#pragma once
// The page as the engine's platform. A page cannot wait for the player in the
// middle of a command, so every window the engine opens is handed to the
// page's script, which shows it as a dialog of its own while the game takes
// the answer a player pressing Enter gives. The editor, the one user of the
// questions and the input boxes, is not in the page.
#include <emscripten/val.h>
#include <map>
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

class WebPlatform : public Platform {
public:
    WebPlatform(const Translation& translation, std::string programFolder)
        : translation_(translation), programFolder_(std::move(programFolder)) {}
    // The page's script: an object with message, stageClear and ending functions.
    void listen(emscripten::val listener) { listener_ = std::move(listener); }

    MsgResult showMessageBox(const Text& text, const Text& title, MsgButtons buttons, MsgIcon icon,
                             MsgResult onEnter) override;
    std::string inputBox(const Text&, const Text&, const std::string& defaultText) override { return defaultText; }
    std::optional<std::string> textBox(const Text&, const Text&, const std::string&) override { return std::nullopt; }
    // The page's own file chooser reads a file before the game is asked to open it.
    std::optional<FileChoice> openFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<FileChoice> saveFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    void showSplash() override {}
    void showStageClear(const ClearBanner& banner) override;
    void showEnding(bool redLabel) override;
    void closeMainWindow() override {}
    std::string executableFolder() override { return programFolder_; }
    // The page plays the desktop's own effect files, by the events' names.
    void announce(std::span<const Event> events) override;

private:
    void tell(const char* what, emscripten::val argument);

    const Translation& translation_;
    std::string programFolder_;
    emscripten::val listener_ = emscripten::val::undefined();
};

}  // namespace nerilo::web
