#pragma once
// Everything the engine asks of the desktop. The Qt front end implements it
// with real windows; tests and nerilo-sim implement it with scripted doubles.
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/file_lock.h"
#include "model/text.h"
#include "game/events.h"

namespace nerilo {

// SaveCancel: the buttons read 保存する and キャンセル and answer Save or Cancel.
enum class MsgButtons { Ok, OkCancel, YesNoCancel, SaveCancel };
enum class MsgIcon { None, Information, Question, Exclamation };
enum class MsgResult { Ok, Cancel, Yes, No, Save };

// The answer of a player who presses Enter, unless the question names another:
// the first button.
constexpr MsgResult firstButton(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::YesNoCancel: return MsgResult::Yes;
    case MsgButtons::SaveCancel: return MsgResult::Save;
    default: return MsgResult::Ok;
    }
}

struct Rgb {
    uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Yellow{255, 255, 0};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Green{0, 255, 0};

// The title of the game's message boxes, the same in every language.
inline const Text GameName = Text::words("Nerilo");

struct FileDialogRequest {
    Text title;
    std::string initialFolder;  // empty: wherever the dialog was last
    std::string fileName;       // what the file-name field starts with
    Text filter;                // "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*"
};

struct FileChoice {
    std::string path;   // full path
    std::string title;  // file name without folder
};

// The five letters of the stage-clear window and their background colour.
struct ClearBanner {
    std::array<std::string, 5> letters;
    Rgb background;
};

// What the session asks of the player, handed to the front end as data: the
// session never waits in a dialog. A command that needs the answer stops
// where it asks and goes on when the front end hands the answer to
// Game::answer; a notice (a box with only OK, the splash) needs none, and the
// command goes on at once.
enum class QuestionKind : uint8_t {
    Message,     // a box with the text, an icon and buttons
    Line,        // one line of text to type, offered `defaultText`
    Lines,       // text of several lines, wide enough for a long comment
    OpenFile,
    SaveFile,
    StageClear,  // the stage-clear window: closing it answers
    Splash,      // the splash window: a notice
};

struct Question {
    QuestionKind kind = QuestionKind::Message;
    Text text;
    Text title = GameName;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    std::string defaultText;
    FileDialogRequest file;
    ClearBanner banner;
    // The button Enter presses; the first one when none is named.
    std::optional<MsgResult> onEnter;
    // Whether the command waits for the answer; a notice's answer is dropped.
    bool awaited = false;
};

struct Answer {
    MsgResult button = MsgResult::Ok;
    // Line and Lines: the text, or nothing on Cancel.
    std::optional<std::string> text;
    // OpenFile and SaveFile: the file chosen, or nothing on Cancel.
    std::optional<FileChoice> file;
};

// The questions the session asks, made outside its commands.
// onEnter: the answer Enter gives, and a script that has none; by default the
// first button. A question whose first button drops the player's work names
// its safe answer (Cancel), so that a hurried Enter keeps the work.
Question messageQuestion(const Text& text, MsgButtons buttons, MsgIcon icon,
                         std::optional<MsgResult> onEnter = std::nullopt);
Question textQuestion(QuestionKind kind, const Text& prompt, const Text& title, const std::string& offered);
Question fileQuestion(QuestionKind kind, const FileDialogRequest& request);
Question clearQuestion(const ClearBanner& banner);

// A box's buttons, in the order the desktop shows them, and their captions.
std::span<const MsgResult> buttonsOf(MsgButtons buttons);
Text buttonCaption(MsgResult button);

// The answer of a front end that cannot ask: the button Enter would press,
// the text offered, no file.
Answer defaultAnswer(const Question& question);

class Platform {
public:
    virtual ~Platform() = default;

    // A double that answers at once (a script, a tool, a screenshot) returns
    // the answer here; a window returns nothing and shows the question once
    // the session's call has returned (Game::question, Game::answer).
    virtual std::optional<Answer> answerAtOnce(const Question& question) {
        (void)question;
        return std::nullopt;
    }
    // Modeless: the ending scene runs on its own.
    virtual void showEnding(bool redLabel) = 0;
    // What happened in the last press or tick, in order, as it happened: a
    // clear is announced before its window opens. A front end may sound it.
    virtual void announce(std::span<const Event> events) { (void)events; }

    // Puts text on the system's clipboard (a stage code copied).
    virtual void copyText(const std::string& text) { (void)text; }
    // The main window has agreed to close: end the program.
    virtual void closeMainWindow() = 0;
    // Folder of the running executable, with or without a trailing separator.
    virtual std::string executableFolder() = 0;
    // Whether the player's files (progress, records, dead-end counts) are this
    // program's to write. A tool playing with made-up progress says no, so that
    // it never replaces a player's real files.
    virtual bool keepsPlayerFiles() { return true; }
    // How long a write of the player's files waits for another copy's lock. A
    // window must not seem frozen; a tool, which has no later write to try
    // again at, may wait longer.
    virtual std::chrono::milliseconds lockPatience() { return LockPatience; }
    // Today's date in UTC as 20261208, which names the stage of the day; none
    // where there is no clock to ask (a tool), and no stage of the day.
    virtual std::optional<uint32_t> todayUtc() { return std::nullopt; }

};

}  // namespace nerilo
