#pragma once
// The platform a search plays on: no windows, every box answered with its
// default, and a clear noted instead of shown. Its program folder holds no
// stages, so a clear never loads the next one, and a clear found by a search
// never touches the player's progress file.
#include "board/platform.h"

namespace nerilo::solver {

class QuietPlatform : public Platform {
public:
    MsgResult messageBox(const Text&, const Text&, MsgButtons buttons, MsgIcon) override {
        return defaultAnswer(buttons);
    }
    std::string inputBox(const Text&, const Text&, const std::string& defaultText) override {
        return defaultText;
    }
    std::optional<std::string> textBox(const Text&, const Text&, const std::string& defaultText) override {
        return defaultText;
    }
    std::optional<FileChoice> openFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<FileChoice> saveFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    void showSplash() override {}
    void showStageClear(const ClearBanner&) override { cleared = true; }
    void showEnding(bool) override {}
    void closeMainWindow() override {}
    std::string executableFolder() override { return "/nonexistent/nerilo-solver/"; }
    bool keepsProgressFile() override { return false; }

    bool cleared = false;
};

}  // namespace nerilo::solver
