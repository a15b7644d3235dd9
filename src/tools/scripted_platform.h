#pragma once
// A platform without windows: the session's questions are recorded (message
// boxes in Japanese, as the engine wrote them) and answered at once from a
// script, or as Enter would answer them; dialogs return scripted choices, and
// the clear and ending windows are counted and closed at once.
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

    // Answers every question at once from the script, and records it; with
    // `deferAnswers` it answers none, and the test answers through the game.
    std::optional<Answer> answerAtOnce(const Question& question) override;
    void showEnding(bool redLabel) override { endings.push_back(redLabel); }
    void announce(std::span<const Event> announced) override { events.insert(events.end(), announced.begin(), announced.end()); }
    void closeMainWindow() override { closed = true; }
    std::string executableFolder() override { return programFolder; }
    bool keepsPlayerFiles() override { return keepsFiles; }
    std::chrono::milliseconds lockPatience() override { return patience; }
    std::optional<uint32_t> todayUtc() override { return today; }

    // Answers to give, in order; when empty, message boxes get the answer
    // Enter gives, input and text boxes their default text and dialogs a cancel.
    std::deque<MsgResult> messageAnswers;
    std::deque<std::string> inputAnswers;
    std::deque<std::optional<std::string>> textAnswers;  // nothing: Cancel
    std::deque<std::string> fileAnswers;  // full paths chosen in the file dialogs
    // What happens while the clear window is open: the window's clock goes on
    // ticking the game under a modal window.
    std::function<void()> whileClearShown;
    bool deferAnswers = false;
    bool keepsFiles = true;  // made-up progress is written nowhere
    // How long a write waits for another copy's lock: as long as the window
    // waits, unless a tool with no later write to try again at waits longer.
    std::chrono::milliseconds patience = LockPatience;
    std::optional<uint32_t> today;  // the date the stage of the day is of: none unless a test sets one

    std::string programFolder;
    std::vector<ShownMessage> messages;
    std::vector<ShownInput> inputs;  // input and text boxes, as they were opened
    std::vector<FileDialogRequest> dialogs;
    std::vector<ClearBanner> clears;
    std::vector<bool> endings;  // red label or not
    std::vector<Event> events;  // everything announced, in order
    int splashes = 0;
    bool closed = false;

private:
    MsgResult chooseButton(const Question& question);
    std::optional<std::string> typeText(const Question& question);
    std::optional<FileChoice> chooseFile(const FileDialogRequest& request);
};

}  // namespace nerilo
