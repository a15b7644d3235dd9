// Start-up, closing, starting over and the program folder.
#include "game/startup.h"

#include <chrono>

#include "model/file_io.h"
#include "game/game.h"
#include "model/numbered_stages.h"
#include "model/progress_location.h"
#include "model/progress_store.h"

namespace nerilo {
namespace {
// What the player reads of a file not read at the start-up, or empty text. A
// file the system could not read is told apart from one whose bytes the
// reader refused: only the refused one is set aside at the next write.
Text unreadNotice(const FileRead& read, const std::string& path, const Text& unreadable, const Text& refused) {
    return read.ok() ? Text() : (read.unreadable ? unreadable : refused).arg(path).arg(read.error);
}
}  // namespace

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
    Question splash;
    splash.kind = QuestionKind::Splash;
    tell(std::move(splash));
    seedRandom(static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    SessionState& s = session_;
    history_.clear();
    s.groundBrush = ground::Floor;
    s.blockBrush = block::BlackBall;
    world_.placeStage({}, {});
    world_.raiseAllOverlays();

    const std::string progressPath = progressFilePath(programFolder());
    ProgressRead read = readProgressFile(progressPath);
    const Text progressNotice = unreadNotice(
        read, progressPath,
        NERILO_TEXT("messages", "進行状況のファイルを読めません。\n%1\n%2\nどのステージもクリアしていないもの"
                                "として始めます。ファイルはそのままにして、読めるようになるまで書き込みません。"),
        NERILO_TEXT("messages", "進行状況のファイルが壊れています。\n%1\n%2\nどのステージも"
                                "クリアしていないものとして始めます。次に保存するときに、このファイルを別の名前で残します。"));
    if (!progressNotice.empty()) tell(progressNotice);
    // Clears in memory stay: after 中止 one whose write failed is still to be written.
    s.progress = mergeProgress(read.progress, s.progress);
    s.progressLevel = ProgressLevel::NotChecked;
    openRecords();
    updateUnlocks();

    const int n = startStage(s.progress);
    s.stagePath = numberedStagePath(programFolder(), n);
    loadCurrentStage();
    world_.resetPictures();
    world_.findPlayer();
    world_.state().inputLocked = true;
    s.roundCommand = RoundCommand::Start;
    s.roundStarted = false;
}

// The records file is read once: starting over keeps the records in memory,
// and a damaged file is reported only the first time.
void Game::openRecords() {
    if (records_.isOpen()) return;
    const std::string path = dataFilePath(programFolder(), RecordsFileName);
    const FileRead read = records_.open(path);
    const Text notice = unreadNotice(
        read, path,
        NERILO_TEXT("messages", "記録のファイルを読めません。\n%1\n%2\n記録がないものとして始めます。"
                                "ファイルはそのままにして、読めるようになるまで書き込みません。"),
        NERILO_TEXT("messages", "記録のファイルが壊れています。\n%1\n%2\n記録がないものとして始めます。"
                                "次に記録を作ったときに、このファイルを別の名前で残します。"));
    if (!notice.empty()) tell(notice);
}

// Closing in the middle of test play closes the editor it came from: the
// question about saving is asked of the edited stage.
bool Game::prepareToClose() { return run(close(), false); }

Task<bool> Game::close() {
    bool closing = true;
    if (session_.testPlaying()) endTestPlay();
    if (session_.editing()) {
        const Question question = messageQuestion(NERILO_TEXT("messages", "終了します。\n保存しますか？"),
                                                  MsgButtons::YesNoCancel, MsgIcon::Question);
        const Answer reply = co_await ask(question);
        const MsgResult answer = reply.button;
        if (answer == MsgResult::Cancel) closing = false;
        else if (answer == MsgResult::Yes) closing = co_await save();
    }
    writeProgress();
    // A record whose save failed (a busy lock, a file that could not be read)
    // has no later clear to go with.
    if (records_.hasUnsaved()) saveRecords();
    updateUnlocks();
    co_return closing;
}

// A failed write is reported and changes nothing else: the game goes on, and
// the next clear or the close tries again. The write merges with the file, so
// another copy's clears in it stay, and so do those of a file that could not
// be read at the start-up.
void Game::writeProgress() {
    if (!platform_.keepsPlayerFiles()) return;
    const std::string path = progressFilePath(programFolder());
    const ProgressUpdate update = updateProgressFile(path, session_.progress, platform_.lockPatience());
    if (!update.keptAside.empty()) {
        tell(NERILO_TEXT("messages", "読めなかった進行状況のファイルを別の名前で残しました。\n%1\n→ %2")
                 .arg(path)
                 .arg(update.keptAside));
    }
    if (!update.ok()) {
        tell(NERILO_TEXT("messages", "進行状況を保存できませんでした。\n%1\n次に保存するときに、もう一度試します。")
                 .arg(update.error));
    }
}

void Game::quit() {
    run([](Game& game) -> Task<> {
        const bool closing = co_await game.close();
        if (closing) game.platform_.closeMainWindow();
    }(*this));
}

// "中止" runs the start-up again. A running game is stopped first, the way Open
// stops it, so the reloaded stage waits for Start with no move left over.
void Game::startOver() { run(startOverAfterAsking()); }

Task<> Game::startOverAfterAsking() {
    if (session_.testPlaying()) co_return;
    const Text dropEdits = NERILO_TEXT("messages", "保存していない変更があります。\n変更を捨てて、中止しますか？");
    const bool dropped = co_await mayDropEdits(dropEdits);
    if (!dropped) co_return;
    WorldState& w = world_.state();
    w.ticking = false;
    w.keysHeld = 0;
    w.moveKind = MoveKind::Walk;
    w.stepPhase = {};
    w.kickInProgress = false;
    startUp();
}

}  // namespace nerilo
