// A clear: the celebration, the progress, the record and the next stage.
#include <utility>

#include "model/file_io.h"
#include "game/game.h"
#include "model/numbered_stages.h"

namespace nerilo {

void Game::clearStage() { run(celebrateClear()); }

// The clear window opens while the session's call returns; the world goes on
// ticking under it, and closing it leads on to the next stage.
Task<> Game::celebrateClear() {
    SessionState& s = session_;
    note(Event::Clear);
    announceEvents();
    const bool stepTry = world_.state().stepTry;
    // The press that cleared ends here: the world goes on ticking under the
    // clear window, and nothing it does there belongs to the path.
    const std::string path = round_.history_.endPressAtClear();
    // A replay shows its clear and ends: it sets no record and no progress.
    std::optional<Playback> replay = std::exchange(round_.playback_, std::nullopt);
    // The clear and its record are written at once, before the celebration, so
    // that neither 中止 (which reads the files again) nor a game ended while the
    // window is open (a crash, a logout) can lose them.
    const int n = stageNumberOf(s.stagePath);
    const bool numbered = n > 0 && n <= StageCount;
    if (!replay && !s.testPlaying()) {
        if (numbered) player_.noteClear(programFolder(), n, stepTry);
        recordClear(path);
    }
    ClearBanner banner = stepTry ? ClearBanner{{"G", "R", "E", "A", "T"}, Red}
                                 : ClearBanner{{"C", "L", "E", "A", "R"}, Green};
    const Question window = clearQuestion(banner);
    // Test play records no progress and loads no stage: the clear ends it once
    // the key is done. The tick stops before the window opens, as the timer
    // keeps running under a modal window.
    if (s.testPlaying()) {
        world_.stop();
        co_await ask(window);
        editor_.testCleared_ = true;
        co_return;
    }
    co_await ask(window);
    world_.stop();
    if (replay) {
        round_.endPlayback(*replay);
        co_return;
    }
    // A clear cannot be undone.
    round_.history_.clear();

    // A stage number outside the progress table records nothing and changes nothing.
    if (n == 0 || n > StageCount) co_return;
    const std::string nextPath = numbered ? numberedStagePath(programFolder(), n + 1) : s.stagePath;
    updateUnlocks();

    // The next stage is read before the board is touched: when it cannot be read
    // the cleared board stays as it was, with the keyboard locked and the tick
    // stopped. After the last stage there is no next file, and nothing to report.
    Stage stage;
    if (n == StageCount) {
        StageRead read = readStageFile(nextPath);
        if (!read.ok()) co_return;
        stage = std::move(read.stage);
    } else if (!stages_.read(nextPath, stage)) {
        co_return;
    }

    enterLoadedState(nextPath, stage);
    startRound();
}

}  // namespace nerilo
