// Reading the current stage, opening a stage and saving the board.
#include "model/file_io.h"
#include "model/stage_code.h"
#include "game/game.h"
#include "solver/proof_check.h"
#include "solver/solver.h"
#include "solver/stage_checks.h"

namespace nerilo {
namespace {
Text stageFilter() { return NERILO_TEXT("messages", "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*"); }
Text dropEditsForOpen() {
    return NERILO_TEXT("messages", "保存していない変更があります。\n変更を捨てて、別のステージを開きますか？");
}
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
        tell(NERILO_TEXT("messages", "ステージファイル「%1」を読み込めません。\n%2").arg(fileTitle(path)).arg(read.error));
        return false;
    }
    stage = std::move(read.stage);
    return true;
}

void Game::applyStage(const Stage& stage, bool withCommentAndTarget) {
    world_.placeStage(stage.ground, stage.blocks);
    if (withCommentAndTarget) {
        session_.comment = stage.comment;
        world_.setStepTarget(static_cast<int32_t>(stage.stepTarget));
    }
    session_.stageFingerprint = stageFingerprint(stage.ground, stage.blocks, world_.state().stepTarget);
    beginRoundHistory();
}

bool Game::loadCurrentStage() {
    Stage stage;
    if (!readStage(session_.stagePath, stage)) return false;
    applyStage(stage, true);
    editor_.forgetEdits();
    return true;
}

void Game::openStage() { run(chooseStage()); }

Task<> Game::chooseStage() {
    if (session_.testPlaying()) co_return;
    const Text dropEdits = dropEditsForOpen();
    const bool dropped = co_await editor_.mayDropEdits(dropEdits);
    if (!dropped) co_return;
    const FileDialogRequest request{NERILO_TEXT("messages", "開く"), programFolder() + "stage", fileDialogName_, stageFilter()};
    const Question dialog = fileQuestion(QuestionKind::OpenFile, request);
    const Answer answer = co_await ask(dialog);
    const std::optional<FileChoice>& choice = answer.file;
    if (!choice) co_return;
    fileDialogName_ = choice->path;
    if (choice->title.empty()) co_return;
    openStageFile(choice->path);
}

bool Game::openHandedStage(const std::string& path) { return run(openHanded(path), false); }

Task<bool> Game::openHanded(std::string path) {
    if (session_.testPlaying()) co_return false;
    const Text dropEdits = dropEditsForOpen();
    const bool dropped = co_await editor_.mayDropEdits(dropEdits);
    if (!dropped) co_return false;
    co_return openStageFile(path);
}

bool Game::openStageWithoutFile(const Stage& stage) { return run(takeStageWithoutFile(stage), false); }

// A stage read from a stage code has no file: Retry and the clear take it
// again from memory, and Save asks for a file.
Task<bool> Game::takeStageWithoutFile(Stage stage) {
    if (session_.testPlaying()) co_return false;
    const Text dropEdits = dropEditsForOpen();
    const bool dropped = co_await editor_.mayDropEdits(dropEdits);
    if (!dropped) co_return false;
    stageWithoutFile_ = stage;
    enterLoadedState({}, stage);
    co_return true;
}

bool Game::openStageCode(const StageCodeRead& read) { return run(takeStageCode(read), false); }

Task<bool> Game::takeStageCode(StageCodeRead read) {
    if (!read.ok()) {
        tell(NERILO_TEXT("codes", "コードからステージを開けません。\n%1").arg(read.error));
        co_return false;
    }
    const bool cleared = !read.proof.empty() && solver::proofClears(read.stage, read.proof);
    const bool taken = co_await takeStageWithoutFile(read.stage);
    if (!taken) co_return false;
    proven_.reset();
    if (cleared) proven_ = ProvenStage{stageFingerprint(read.stage), read.proof};
    else if (!read.proof.empty())
        tell(NERILO_TEXT("codes", "このコードに付いている解ではクリアできません。ステージは開きましたが、クリア確認済みではありません。"));
    co_return true;
}

void Game::askForStageCode(const std::string& clipboard) { run(typeStageCode(clipboard)); }

Task<> Game::typeStageCode(std::string clipboard) {
    if (session_.testPlaying() || !codeReader_) co_return;
    const std::string offered = looksLikeStageCode(clipboard) ? clipboard : std::string();
    const Question question = textQuestion(QuestionKind::Line, NERILO_TEXT("codes", "ステージのコードを貼り付けてください"),
                                           NERILO_TEXT("codes", "Nerilo(コードから開く)"), offered);
    const Answer reply = co_await ask(question);
    if (!reply.text || reply.text->empty()) co_return;
    const StageCodeRead read = codeReader_(*reply.text);
    const bool opened = co_await takeStageCode(read);
    (void)opened;
}

// How far コードをコピー looks for a shortest clear to carry as proof: the
// thirty stages take well under it, a huge stage of an author's gives up
// within seconds.
constexpr uint64_t ProofSearchStates = 2'000'000;

void Game::copyStageCode() {
    if (session_.testPlaying() || !codeWriter_) return;
    const std::optional<Stage> stage = stageAsOpened();
    if (!stage) return;
    // A stage opened from a code passes its proof on; any other is searched.
    const std::string* known = proofInPlay();
    std::string proof = known ? *known : std::string();
    if (!known && aside_) {
        aside_([&] {
            const JobResult found = runJob({0, JobKind::ShortestClear, solver::roundStart(*stage), ProofSearchStates});
            if (found.search.outcome == solver::Outcome::Solved) proof = found.search.keys;
        });
    }
    const std::string code = codeWriter_(*stage, proof);
    platform_.copyText(code);
    const Text copied = NERILO_TEXT("codes", "ステージのコードをコピーしました（%1 文字）。").arg(std::to_string(code.size()));
    if (proof.empty()) {
        tell(NERILO_TEXT("codes", "%1\n数秒のうちに解が見つからなかったので、クリアの証明は付いていません。").arg(copied),
             MsgIcon::Information);
    } else {
        tell(NERILO_TEXT("codes", "%1\n最短の解（%2 手）をクリアの証明として付けました。").arg(copied).arg(std::to_string(proof.size())),
             MsgIcon::Information);
    }
}

const std::string* Game::proofInPlay() const {
    const bool inPlay = proven_ && session_.stagePath.empty() && !session_.editing() && !session_.testPlaying() &&
                        proven_->fingerprint == session_.stageFingerprint;
    return inPlay ? &proven_->proof : nullptr;
}

std::optional<Stage> Game::stageAsOpened() {
    if (session_.editing()) return editor_.editedStage();
    if (session_.stagePath.empty()) return stageWithoutFile_;
    Stage stage;
    if (!readStage(session_.stagePath, stage)) return std::nullopt;
    return stage;
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
    if (!path.empty()) stageWithoutFile_.reset();
    session_.stagePath = path;
    session_.comment = stage.comment;
    world_.load(stage);
    session_.stageFingerprint = stageFingerprint(stage);
    beginRoundHistory();
    editor_.forgetEdits();
    session_.roundCommand = RoundCommand::Start;
    session_.roundStarted = false;
}

// The file dialog offers the stage being edited, or no name for a new one.
// The target is written, not the counter of a game the editor interrupted.
bool Game::saveStage() { return run(save(), false); }

Task<bool> Game::save() {
    if (session_.testPlaying()) co_return false;
    if (aside_) {
        Text warning;
        const WorldState start = editor_.plainTestStart();
        aside_([&] { warning = solver::checkBeforeSave(start); });
        if (!warning.empty()) {
            const Question check =
                messageQuestion(warning, MsgButtons::SaveCancel, MsgIcon::Exclamation, MsgResult::Cancel);
            const Answer answer = co_await ask(check);
            if (answer.button != MsgResult::Save) co_return false;
        }
    }
    const FileDialogRequest request{NERILO_TEXT("messages", "保存"), programFolder() + "stage", session_.stagePath,
                                    stageFilter()};
    const Question dialog = fileQuestion(QuestionKind::SaveFile, request);
    const Answer answer = co_await ask(dialog);
    const std::optional<FileChoice>& choice = answer.file;
    if (!choice) co_return false;
    fileDialogName_ = choice->path;
    if (choice->title.empty()) co_return false;

    Text error = writeStageFile(choice->path, editor_.editedStage());
    if (!error.empty()) {
        tell(NERILO_TEXT("messages", "ステージファイル「%1」を保存できません。\n%2").arg(choice->title).arg(error));
        co_return false;
    }
    session_.stagePath = choice->path;
    co_return true;
}

// A shipped stage's comment is said in the player's language; any other comment as written.
void Game::showComment() { tell(Text(StageCommentContext, session_.comment), MsgIcon::Information); }

}  // namespace nerilo
