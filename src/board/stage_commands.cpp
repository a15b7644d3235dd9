// Reading the current stage, opening a stage and saving the board.
#include "board/file_io.h"
#include "board/game.h"

namespace nerilo {
namespace {
Text stageFilter() { return NERILO_TEXT("messages", "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*"); }
}

// Reads a whole stage file into a separate value; the board changes only when
// the file is good, so a damaged file leaves everything as it was. A stage
// opened without a file has no path, and is taken again as it was opened.
bool Game::readStage(const std::string& path, Stage& stage) {
    if (path.empty() && stageWithoutFile_) {
        stage = *stageWithoutFile_;
        return true;
    }
    StageRead read = readStageFile(path);
    if (!read.ok()) {
        platform_.messageBox(
            NERILO_TEXT("messages", "ステージファイル「%1」を読み込めません。\n%2").arg(fileTitle(path)).arg(read.error),
            GameName, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    stage = std::move(read.stage);
    return true;
}

void Game::applyStage(const Stage& stage, bool withCommentAndTarget) {
    putBlocksHome();
    for (int i = 0; i < CellCount; ++i) {
        state_.ground[i].code = stage.ground[i];
        state_.blocks[i].code = stage.blocks[i];
    }
    if (withCommentAndTarget) {
        state_.comment = stage.comment;
        state_.stepTarget = static_cast<int32_t>(stage.stepTarget);
        state_.stepsLeft = state_.stepTarget;
    }
    state_.stageFingerprint = stageFingerprint(stage.ground, stage.blocks, state_.stepTarget);
    history_.clear();
}

bool Game::loadCurrentStage() {
    Stage stage;
    if (!readStage(state_.stagePath, stage)) return false;
    applyStage(stage, true);
    forgetEdits();
    return true;
}

void Game::openStage() {
    if (state_.testPlaying) return;
    if (!mayDropEdits(NERILO_TEXT("messages", "保存していない変更があります。\n変更を捨てて、別のステージを開きますか？"))) return;
    std::optional<FileChoice> choice =
        platform_.openFileDialog({NERILO_TEXT("messages", "開く"), programFolder() + "stage", fileDialogName_, stageFilter()});
    if (!choice) return;
    fileDialogName_ = choice->path;
    if (choice->title.empty()) return;
    openStageFile(choice->path);
}

bool Game::openStageFile(const std::string& path) {
    Stage stage;
    if (!readStage(path, stage)) return false;
    fileDialogName_ = path;  // the next Open starts beside it
    enterLoadedState(path, stage);
    return true;
}

// A stage read whole and good becomes the current one, waiting for Start:
// after Open and after the stage change.
void Game::enterLoadedState(const std::string& path, const Stage& stage) {
    GameState& s = state_;
    s.keysHeld = 0;
    s.stagePath = path;
    applyStage(stage, true);
    forgetEdits();
    resetBlockPictures();
    findPlayer();
    s.ticking = false;
    s.inputLocked = true;
    s.roundCommand = RoundCommand::Start;
    s.roundStarted = false;
}

// The file dialog offers the stage being edited, or no name for a new one.
// The target is written, not the counter of a game the editor interrupted.
bool Game::saveStage() {
    if (state_.testPlaying) return false;
    if (saveCheck_) {
        const Text warning = saveCheck_(plainTestStart());
        if (!warning.empty() &&
            platform_.messageBox(warning, GameName, MsgButtons::SaveCancel, MsgIcon::Exclamation) != MsgResult::Save)
            return false;
    }
    std::optional<FileChoice> choice =
        platform_.saveFileDialog({NERILO_TEXT("messages", "保存"), programFolder() + "stage", state_.stagePath, stageFilter()});
    if (!choice) return false;
    fileDialogName_ = choice->path;
    if (choice->title.empty()) return false;

    Text error = writeStageFile(choice->path, editedStage());
    if (!error.empty()) {
        platform_.messageBox(
            NERILO_TEXT("messages", "ステージファイル「%1」を保存できません。\n%2").arg(choice->title).arg(error),
            GameName, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    state_.stagePath = choice->path;
    return true;
}

// A shipped stage's comment is said in the player's language; any other comment as written.
void Game::showComment() {
    platform_.messageBox(Text(StageCommentContext, state_.comment), GameName, MsgButtons::Ok, MsgIcon::Information);
}

}  // namespace nerilo
