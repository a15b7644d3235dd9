#pragma once
// The platform for the real desktop: Qt message boxes, input boxes, file
// dialogs, and the splash, stage-clear and ending windows.
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

    std::string inputBox(const Text& prompt, const Text& title, const std::string& defaultText) override;
    std::optional<std::string> textBox(const Text& prompt, const Text& title, const std::string& defaultText) override;
    std::optional<FileChoice> openFileDialog(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFileDialog(const FileDialogRequest& request) override;
    void showSplash() override;
    void showStageClear(const ClearBanner& banner) override;
    void showEnding(bool redLabel) override;
    void closeMainWindow() override;
    std::string executableFolder() override;
    void announce(std::span<const Event> events) override;

protected:
    MsgResult showMessageBox(const Text& text, const Text& title, MsgButtons buttons, MsgIcon icon,
                             MsgResult onEnter) override;

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
