// Records: the best clear of each numbered stage and of each day's stage, set when it is cleared.
#include "game/game.h"
#include "model/numbered_stages.h"

namespace nerilo {

// A clear sets a record when the player found it himself in plain play: no
// hint, no block or super mode (a different board, or a random one), the
// modes the same from the round's first press to its clear, and on a numbered
// stage (model/numbered_stages.h). `path` holds the presses that cleared.
void Game::recordClear(const std::string& path) {
    const WorldState& w = world_.state();
    if (round_.history_.hintsUsed() > 0 || w.extraMode != ExtraMode::None || round_.modesChanged_) return;
    const int n = numberedStage();
    if (n != 0) player_.offerRecord(programFolder(), n, session_.stageFingerprint, w.stepTry, path);
    else if (const DayDate day = dailyDateOf(programFolder(), session_.stagePath))
        player_.offerDayRecord(programFolder(), day, session_.stageFingerprint, w.stepTry, path);
}


// A warning does not reveal the way on, so it counts even in a round that can
// set no record any more; test play and the extra modes play other boards.
void Game::countDeadEnd() {
    if (session_.editing() || session_.testPlaying() || world_.state().extraMode != ExtraMode::None) return;
    const int n = numberedStage();
    if (n == 0) return;
    player_.countDeadEnd(programFolder(), n, session_.stageFingerprint);
}

int Game::numberedStage() const {
    const int n = stageNumberOf(session_.stagePath);
    return n >= 1 && n <= StageCount ? n : 0;
}

}  // namespace nerilo
