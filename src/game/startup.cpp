// Start-up, closing, starting over and the program folder.
#include "game/startup.h"

#include <chrono>

#include "model/file_io.h"
#include "game/game.h"
#include "model/numbered_stages.h"

namespace nerilo {
int startStage(const Progress& progress) {
    for (size_t i = 0; i < progress.size(); ++i)
        if (progress[i] == 0) return static_cast<int>(i + 1);
    for (size_t i = 0; i < progress.size(); ++i)
        if (progress[i] == 1) return static_cast<int>(i + 1);
    return static_cast<int>(progress.size());
}

std::string Game::programFolder() const {
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
    round_.history_.clear();
    s.groundBrush = ground::Floor;
    s.blockBrush = block::BlackBall;
    world_.emptyBoard();

    player_.readProgress(programFolder());
    s.progressLevel = ProgressLevel::NotChecked;
    openRecords();
    updateUnlocks();

    const int n = startStage(player_.progress());
    s.stagePath = numberedStagePath(programFolder(), n);
    loadCurrentStage();
    world_.showAsPlaced();
    world_.stop();
    s.roundCommand = RoundCommand::Start;
    s.roundStarted = false;
}

// Closing in the middle of test play closes the editor it came from: the
// question about saving is asked of the edited stage.
bool Game::prepareToClose() { return run(close(), false); }

Task<bool> Game::close() {
    bool closing = true;
    if (session_.testPlaying()) editor_.endTestPlay();
    if (session_.editing()) {
        const Question question = messageQuestion(NERILO_TEXT("messages", "終了します。\n保存しますか？"),
                                                  MsgButtons::YesNoCancel, MsgIcon::Question);
        const Answer reply = co_await ask(question);
        const MsgResult answer = reply.button;
        if (answer == MsgResult::Cancel) closing = false;
        else if (answer == MsgResult::Yes) closing = co_await stages_.checkAndSave();
    }
    player_.writeProgress(programFolder());
    // A record whose save failed (a busy lock, a file that could not be read)
    // has no later clear to go with.
    if (player_.recordsUnsaved()) player_.saveRecords(programFolder());
    updateUnlocks();
    co_return closing;
}

namespace {
// Unlocks follow progress merged from elsewhere; the ending belongs to the
// game whose clear reached it, so none is shown here, as at the start-up.
void unlockQuietly(Game& game, SessionState& s) {
    if (s.progressLevel == ProgressLevel::NotChecked) return;
    s.progressLevel = ProgressLevel::NotChecked;
    game.updateUnlocks();
}
}  // namespace

void Game::takePlayerFiles() {
    player_.takeFiles(programFolder());
    unlockQuietly(*this, session_);
}

void Game::importPlayerFile(const std::string& path, const std::string& name, bool records) {
    player_.importFile(programFolder(), path, name, records);
    unlockQuietly(*this, session_);
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
    const bool dropped = co_await editor_.mayDropEdits(dropEdits);
    if (!dropped) co_return;
    world_.halt();
    startUp();
}

}  // namespace nerilo
