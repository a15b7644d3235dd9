#pragma once
// A platform without windows: message boxes are recorded in Japanese, as the
// engine wrote them, and answered from a script (or with their default button),
// dialogs return scripted choices, and the clear and ending windows are counted
// and closed at once.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "game/platform.h"

namespace nerilo {

struct ShownMessage {
    std::string text;   // said in Japanese
    std::string title;
    MsgButtons buttons;
    MsgIcon icon;
    MsgResult onEnter;
};

struct ShownInput {
    std::string prompt;
    std::string title;
    std::string defaultText;
};

class ScriptedPlatform : public Platform {
public:
    explicit ScriptedPlatform(std::string programFolder = {}) : programFolder(std::move(programFolder)) {}

    std::string inputBox(const Text& prompt, const Text& title, const std::string& defaultText) override;
    std::optional<std::string> textBox(const Text& prompt, const Text& title, const std::string& defaultText) override;
    std::optional<FileChoice> openFileDialog(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFileDialog(const FileDialogRequest& request) override;
    void showSplash() override { ++splashes; }
    void showStageClear(const ClearBanner& banner) override {
        clears.push_back(banner);
        if (whileClearShown) whileClearShown();
    }
    void showEnding(bool redLabel) override { endings.push_back(redLabel); }
    void announce(std::span<const Event> announced) override { events.insert(events.end(), announced.begin(), announced.end()); }
    void closeMainWindow() override { closed = true; }
    std::string executableFolder() override { return programFolder; }

    // Answers to give, in order; when empty, message boxes get the answer
    // Enter gives, input and text boxes their default text and dialogs a cancel.
    std::deque<MsgResult> messageAnswers;
    std::deque<std::string> inputAnswers;
    std::deque<std::optional<std::string>> textAnswers;  // nothing: Cancel
    std::deque<std::string> fileAnswers;  // full paths chosen in the file dialogs
    // What happens while the clear window is open: the window's clock goes on
    // ticking the game under a modal window.
    std::function<void()> whileClearShown;

    std::string programFolder;
    std::vector<ShownMessage> messages;
    std::vector<ShownInput> inputs;  // input and text boxes, as they were opened
    std::vector<FileDialogRequest> dialogs;
    std::vector<ClearBanner> clears;
    std::vector<bool> endings;  // red label or not
    std::vector<Event> events;  // everything announced, in order
    int splashes = 0;
    bool closed = false;

protected:
    MsgResult showMessageBox(const Text& text, const Text& title, MsgButtons buttons, MsgIcon icon,
                             MsgResult onEnter) override;

private:
    std::optional<FileChoice> chooseFile(const FileDialogRequest& request);
};

}  // namespace nerilo
