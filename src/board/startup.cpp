// Start-up, closing, starting over and the program folder.
#include "board/startup.h"

#include <chrono>

#include "board/game.h"
#include "board/progress_location.h"

namespace nerilo {

int startStage(const Progress& progress) {
    for (size_t i = 0; i < progress.size(); ++i)
        if (progress[i] == 0) return static_cast<int>(i + 1);
    for (size_t i = 0; i < progress.size(); ++i)
        if (progress[i] == 1) return static_cast<int>(i + 1);
    return static_cast<int>(progress.size());
}

std::string Game::programFolder() {
    std::string folder = platform_.executableFolder();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

void Game::startUp() {
    platform_.showSplash();
    seedRandom(static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    GameState& s = state_;
    s.groundBrush = ground::Floor;
    s.blockBrush = block::BlackBall;
    for (int i = 0; i < CellCount; ++i) {
        s.ground[i].code = ground::Floor;
        s.blocks[i].code = block::Empty;
        raiseOverlay(i);
    }
    putBlocksHome();

    ProgressRead read = readProgressFile(progressFilePath(programFolder()));
    if (!read.ok()) {
        platform_.messageBox("進行状況のファイル「" + std::string(ProgressFileName) + "」が壊れています。\n" + read.error +
                                 "\nどのステージもクリアしていないものとして始めます。",
                             "Nerilo", MsgButtons::Ok, MsgIcon::Exclamation);
    }
    s.progress = read.progress;
    s.progressLevel = ProgressLevel::NotChecked;
    updateUnlocks();

    const int n = startStage(s.progress);
    s.stagePath = programFolder() + "stage/stage" + std::to_string(n) + ".txt";
    s.stageTitle = "stage" + std::to_string(n) + ".txt";
    loadCurrentStage();
    resetBlockPictures();
    findPlayer();
    s.inputLocked = true;
    s.roundCommand = RoundCommand::Start;
    s.roundStarted = false;
}

// Closing in the middle of test play closes the editor it came from: the
// question about saving is asked of the edited stage.
bool Game::prepareToClose() {
    bool closing = true;
    if (state_.testPlaying) endTestPlay();
    if (state_.editing) {
        MsgResult answer = platform_.messageBox("終了します。\n保存しますか？", "Nerilo", MsgButtons::YesNoCancel,
                                                MsgIcon::Question);
        if (answer == MsgResult::Cancel) closing = false;
        else if (answer == MsgResult::Yes && !saveStage()) closing = false;
    }
    const std::string path = progressFilePath(programFolder());
    std::string error = prepareFolderOf(path);
    if (error.empty()) error = writeProgressFile(path, state_.progress);
    if (!error.empty()) {
        platform_.messageBox("進行状況を保存できませんでした。\n" + error, "Nerilo", MsgButtons::Ok,
                             MsgIcon::Exclamation);
    }
    updateUnlocks();
    return closing;
}

void Game::quit() {
    if (prepareToClose()) platform_.closeMainWindow();
}

// "中止" runs the start-up again. A running game is stopped first, the way Open
// stops it, so the reloaded stage waits for Start with no move left over.
void Game::startOver() {
    if (state_.testPlaying) return;
    state_.ticking = false;
    state_.keysHeld = 0;
    state_.moveKind = MoveKind::Walk;
    state_.stepPhase = {};
    state_.kickInProgress = false;
    startUp();
}

}  // namespace nerilo
