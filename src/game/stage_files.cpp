// Opening a stage (a file, a code, a stage handed over), saving the board and
// copying the stage code.
#include "model/file_io.h"
#include "model/stage_code.h"
#include "game/stage_files.h"

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
bool StageFiles::read(const std::string& path, Stage& stage) {
    if (path.empty() && withoutFile_) {
        stage = *withoutFile_;
        return true;
    }
    StageRead read = readStageFile(path);
    if (!read.ok()) {
        game_.tell(NERILO_TEXT("messages", "ステージファイル「%1」を読み込めません。\n%2").arg(fileTitle(path)).arg(read.error));
        return false;
    }
    stage = std::move(read.stage);
    return true;
}



void StageFiles::open() { game_.run(choose()); }

Task<> StageFiles::choose() {
    if (game_.session_.testPlaying()) co_return;
    const Text dropEdits = dropEditsForOpen();
    const bool dropped = co_await game_.editor_.mayDropEdits(dropEdits);
    if (!dropped) co_return;
    const FileDialogRequest request{NERILO_TEXT("messages", "開く"), game_.programFolder() + "stage", fileDialogName_, stageFilter()};
    const Question dialog = fileQuestion(QuestionKind::OpenFile, request);
    const Answer answer = co_await game_.ask(dialog);
    const std::optional<FileChoice>& choice = answer.file;
    if (!choice) co_return;
    fileDialogName_ = choice->path;
    if (choice->title.empty()) co_return;
    openFile(choice->path);
}

bool StageFiles::openHanded(const std::string& path) { return game_.run(takeHanded(path), false); }

Task<bool> StageFiles::takeHanded(std::string path) {
    if (game_.session_.testPlaying()) co_return false;
    const Text dropEdits = dropEditsForOpen();
    const bool dropped = co_await game_.editor_.mayDropEdits(dropEdits);
    if (!dropped) co_return false;
    co_return openFile(path);
}

bool StageFiles::openWithoutFile(const Stage& stage) { return game_.run(takeWithoutFile(stage), false); }

// A stage read from a stage code has no file: Retry and the clear take it
// again from memory, and Save asks for a file.
Task<bool> StageFiles::takeWithoutFile(Stage stage) {
    if (game_.session_.testPlaying()) co_return false;
    const Text dropEdits = dropEditsForOpen();
    const bool dropped = co_await game_.editor_.mayDropEdits(dropEdits);
    if (!dropped) co_return false;
    withoutFile_ = stage;
    game_.enterLoadedState({}, stage);
    co_return true;
}

bool StageFiles::openCode(const StageCodeRead& read) { return game_.run(takeCode(read), false); }

Task<bool> StageFiles::takeCode(StageCodeRead read) {
    if (!read.ok()) {
        game_.tell(NERILO_TEXT("codes", "コードからステージを開けません。\n%1").arg(read.error));
        co_return false;
    }
    const bool cleared = !read.proof.empty() && solver::proofClears(read.stage, read.proof);
    const bool taken = co_await takeWithoutFile(read.stage);
    if (!taken) co_return false;
    proven_.reset();
    if (cleared) proven_ = ProvenStage{stageFingerprint(read.stage), read.proof};
    else if (!read.proof.empty())
        game_.tell(NERILO_TEXT("codes", "このコードに付いている解ではクリアできません。ステージは開きましたが、クリア確認済みではありません。"));
    co_return true;
}

void StageFiles::askForCode(const std::string& clipboard) { game_.run(typeCode(clipboard)); }

Task<> StageFiles::typeCode(std::string clipboard) {
    if (game_.session_.testPlaying() || !codeReader_) co_return;
    const std::string offered = looksLikeStageCode(clipboard) ? clipboard : std::string();
    const Question question = textQuestion(QuestionKind::Line, NERILO_TEXT("codes", "ステージのコードを貼り付けてください"),
                                           NERILO_TEXT("codes", "Nerilo(コードから開く)"), offered);
    const Answer reply = co_await game_.ask(question);
    if (!reply.text || reply.text->empty()) co_return;
    const StageCodeRead read = codeReader_(*reply.text);
    const bool opened = co_await takeCode(read);
    (void)opened;
}

// How far コードをコピー looks for a shortest clear to carry as proof: the
// thirty stages take well under it, a huge stage of an author's gives up
// within seconds.
constexpr uint64_t ProofSearchStates = 2'000'000;

void StageFiles::copyCode() {
    if (!codeWriter_) return;
    proveStage([this](const Stage* stage, const std::string& proof) {
        if (!stage) return;
        const std::string code = codeWriter_(*stage, proof);
        game_.platform_.copyText(code);
        const Text copied = NERILO_TEXT("codes", "ステージのコードをコピーしました（%1 文字）。").arg(std::to_string(code.size()));
        if (proof.empty()) {
            game_.tell(NERILO_TEXT("codes", "%1\n数秒のうちに解が見つからなかったので、クリアの証明は付いていません。").arg(copied),
                       MsgIcon::Information);
        } else {
            game_.tell(NERILO_TEXT("codes", "%1\n最短の解（%2 手）をクリアの証明として付けました。").arg(copied).arg(std::to_string(proof.size())),
                       MsgIcon::Information);
        }
    });
}

void StageFiles::proveStage(ProvenUse use) {
    // Another command waits: this one is not taken, and its user hears so.
    if (game_.asking()) {
        use(nullptr, {});
        return;
    }
    game_.run(searchProof(std::move(use)));
}

// A stage opened from a code passes its proof on; any other is searched, in
// the background while the command waits.
Task<> StageFiles::searchProof(ProvenUse use) {
    std::optional<Stage> stage;
    if (!game_.session_.testPlaying()) stage = stageAsOpened();
    if (!stage) {
        use(nullptr, {});
        co_return;
    }
    std::string proof;
    if (const std::string* known = proofInPlay()) {
        proof = *known;
    } else {
        const std::optional<JobResult> found =
            co_await game_.searches_.awaitJob(JobKind::Proof, solver::roundStart(*stage), ProofSearchStates);
        if (found && found->search.outcome == solver::Outcome::Solved) proof = found->search.keys;
    }
    use(&*stage, proof);
}

const std::string* StageFiles::proofInPlay() const {
    const bool inPlay = proven_ && game_.session_.stagePath.empty() && !game_.session_.editing() && !game_.session_.testPlaying() &&
                        proven_->fingerprint == game_.session_.stageFingerprint;
    return inPlay ? &proven_->proof : nullptr;
}

std::optional<Stage> StageFiles::stageAsOpened() {
    if (game_.session_.editing()) return game_.editor_.editedStage();
    if (game_.session_.stagePath.empty()) return withoutFile_;
    Stage stage;
    if (!read(game_.session_.stagePath, stage)) return std::nullopt;
    return stage;
}

bool StageFiles::openFile(const std::string& path) {
    Stage stage;
    if (!read(path, stage)) return false;
    fileDialogName_ = path;  // the next Open starts beside it
    game_.enterLoadedState(path, stage);
    return true;
}


// The file dialog offers the stage being edited, or no name for a new one.
// The target is written, not the counter of a game the editor interrupted.
bool StageFiles::save() { return game_.run(checkAndSave(), false); }

Task<bool> StageFiles::checkAndSave() {
    if (game_.session_.testPlaying()) co_return false;
    const std::optional<JobResult> checked = co_await game_.searches_.awaitJob(JobKind::SaveCheck, game_.editor_.plainTestStart());
    if (checked) {
        const Text warning = solver::saveWarning(checked->problems);
        if (!warning.empty()) {
            const Question check =
                messageQuestion(warning, MsgButtons::SaveCancel, MsgIcon::Exclamation, MsgResult::Cancel);
            const Answer answer = co_await game_.ask(check);
            if (answer.button != MsgResult::Save) co_return false;
        }
    }
    const FileDialogRequest request{NERILO_TEXT("messages", "保存"), game_.programFolder() + "stage", game_.session_.stagePath,
                                    stageFilter()};
    const Question dialog = fileQuestion(QuestionKind::SaveFile, request);
    const Answer answer = co_await game_.ask(dialog);
    const std::optional<FileChoice>& choice = answer.file;
    if (!choice) co_return false;
    fileDialogName_ = choice->path;
    if (choice->title.empty()) co_return false;

    Text error = writeStageFile(choice->path, game_.editor_.editedStage());
    if (!error.empty()) {
        game_.tell(NERILO_TEXT("messages", "ステージファイル「%1」を保存できません。\n%2").arg(choice->title).arg(error));
        co_return false;
    }
    game_.session_.stagePath = choice->path;
    co_return true;
}

// A shipped stage's comment is said in the player's language; any other comment as written.
void StageFiles::showComment() { game_.tell(Text(StageCommentContext, game_.session_.comment), MsgIcon::Information); }

}  // namespace nerilo
