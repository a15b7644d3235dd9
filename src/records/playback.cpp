// Replays: a recorded clear played from the stage's start, one press whenever
// the game is at rest, so that it runs at the game's own speed.
#include "board/file_io.h"
#include "board/game.h"
#include "input/key_letters.h"
#include "board/numbered_stages.h"

namespace nerilo {

bool Game::startPlayback(int n, bool stepTry) {
    if (state_.editing || playback_) return false;
    const std::string path = numberedStagePath(programFolder(), n);
    Stage stage;
    if (!readStage(path, stage)) return false;
    const std::string& keys = records_.best(n, stageFingerprint(stage), stepTry);
    if (keys.empty()) return false;
    playback_ = Playback{keys, 0, state_.stepTry, state_.extraMode};
    // Records are set in plain play only, so they are replayed in plain play.
    state_.stepTry = stepTry;
    state_.extraMode = ExtraMode::None;
    enterLoadedState(path, stage);
    startRound();
    return true;
}

void Game::advancePlayback() {
    if (!playback_) return;
    if (isLost() || (!state_.inputLocked && playback_->next == playback_->keys.size())) {
        stopPlayback();
        return;
    }
    if (!state_.inputLocked) pressLetter(*this, playback_->keys[playback_->next++]);
}

void Game::stopPlayback() {
    if (!playback_) return;
    const Playback ended = std::move(*playback_);
    playback_.reset();
    endPlayback(ended);
}

// The stage waits for Start again, as after Open, with the player's own modes.
void Game::endPlayback(const Playback& ended) {
    state_.stepTry = ended.playerStepTry;
    state_.extraMode = ended.playerExtraMode;
    Stage stage;
    if (readStage(state_.stagePath, stage)) {
        enterLoadedState(state_.stagePath, stage);
    } else {
        state_.ticking = false;
        state_.inputLocked = true;
    }
}

}  // namespace nerilo
