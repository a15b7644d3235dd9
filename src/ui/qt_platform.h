#pragma once
// The platform for the real desktop: the session's questions as Qt message
// boxes, input boxes, file dialogs, and the splash and stage-clear windows,
// shown by the main window once the session's call has returned; and the
// ending window.
#include "game/platform.h"

class QRect;
class QWidget;

namespace nerilo::ui {

class MainWindow;
class SoundEffects;

class QtPlatform : public Platform {
public:
    void attach(MainWindow* window) { window_ = window; }
    void attachSounds(SoundEffects* sounds) { sounds_ = sounds; }
    void setQuiet(bool quiet) { quiet_ = quiet; }
    // Where the program keeps its stages and progress; by default the executable's folder.
    void setProgramFolder(std::string folder) { programFolder_ = std::move(folder); }

    // Screenshots show no window and answer as a player who keeps everything.
    std::optional<Answer> answerAtOnce(const Question& question) override;
    // Shows a question in its window, modal, and returns the player's answer.
    Answer show(const Question& question);

    MsgResult messageBox(const Question& question);
    // The typed text, or nothing on Cancel.
    std::optional<std::string> inputBox(const Text& prompt, const Text& title, const std::string& defaultText);
    std::optional<std::string> textBox(const Text& prompt, const Text& title, const std::string& defaultText);
    void showSplash();
    void showStageClear(const ClearBanner& banner);
    void showEnding(bool redLabel) override;
    void closeMainWindow() override;
    std::string executableFolder() override;
    void announce(std::span<const Event> events) override;
    void copyText(const std::string& text) override;
    // The system clock's date in UTC.
    std::optional<uint32_t> todayUtc() override;


private:
    std::optional<FileChoice> fileDialog(const FileDialogRequest& request, bool save);
    QWidget* parent() const;
    MainWindow* window_ = nullptr;
    SoundEffects* sounds_ = nullptr;
    bool quiet_ = false;
    std::string programFolder_;
};

// The message box's text shown once more when the player thanks the ending,
// centred on area.
void showThanks(QWidget* parent, const QRect& area);

}  // namespace nerilo::ui
