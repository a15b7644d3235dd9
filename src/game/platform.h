#pragma once
// Everything the engine asks of the desktop. The Qt front end implements it
// with real windows; tests and nerilo-sim implement it with scripted doubles.
#include <array>
#include <optional>
#include <span>
#include <string>

#include "model/text.h"
#include "rules/world_events.h"

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

class Platform {
public:
    virtual ~Platform() = default;

    // onEnter: the answer Enter gives, and a script that has none; by default
    // the first button. A question whose first button drops the player's work
    // names its safe answer (Cancel), so that a hurried Enter keeps the work.
    MsgResult messageBox(const Text& text, const Text& title, MsgButtons buttons, MsgIcon icon,
                         std::optional<MsgResult> onEnter = std::nullopt) {
        return showMessageBox(text, title, buttons, icon, onEnter.value_or(firstButton(buttons)));
    }
    // Returns the typed text, or empty text on Cancel.
    virtual std::string inputBox(const Text& prompt, const Text& title, const std::string& defaultText) = 0;
    // A box for text of several lines, wide enough for a long comment. Returns
    // the text (lines joined by "\n", possibly empty), or nothing on Cancel.
    virtual std::optional<std::string> textBox(const Text& prompt, const Text& title, const std::string& defaultText) = 0;
    virtual std::optional<FileChoice> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<FileChoice> saveFileDialog(const FileDialogRequest& request) = 0;

    // Modal: returns when the splash has closed.
    virtual void showSplash() = 0;
    // Modal: returns when the player has closed the stage-clear window.
    virtual void showStageClear(const ClearBanner& banner) = 0;
    // Modeless: the ending scene runs on its own.
    virtual void showEnding(bool redLabel) = 0;
    // What happened in the last press or tick, in order, as it happened: a
    // clear is announced before its window opens. A front end may sound it.
    virtual void announce(std::span<const Event> events) { (void)events; }

    // The main window has agreed to close: end the program.
    virtual void closeMainWindow() = 0;
    // Folder of the running executable, with or without a trailing separator.
    virtual std::string executableFolder() = 0;
    // Whether the progress file is this program's to write. A tool playing with
    // made-up progress says no, so that it never replaces a player's real file.
    virtual bool keepsProgressFile() { return true; }

protected:
    virtual MsgResult showMessageBox(const Text& text, const Text& title, MsgButtons buttons, MsgIcon icon,
                                     MsgResult onEnter) = 0;
};

}  // namespace nerilo
