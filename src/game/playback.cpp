// Replays: a recorded clear played from the stage's start, one press whenever
// the game is at rest, so that it runs at the game's own speed.
#include "model/file_io.h"
#include "game/game.h"
#include "game/key_script.h"
#include "model/numbered_stages.h"

namespace nerilo {

bool Game::startPlayback(int n, bool stepTry) {
    if (session_.editing() || playback_) return false;
    const std::string path = numberedStagePath(programFolder(), n);
    Stage stage;
    if (!stages_.read(path, stage)) return false;
    const std::string& keys = player_.records().best(n, stageFingerprint(stage), stepTry);
    if (keys.empty()) return false;
    const WorldState& w = world_.state();
    playback_ = Playback{keys, 0, w.stepTry, w.extraMode};
    // Records are set in plain play only, so they are replayed in plain play.
    world_.setModes(stepTry, ExtraMode::None);
    enterLoadedState(path, stage);
    startRound();
    return true;
}

void Game::advancePlayback() {
    if (!playback_ || asking()) return;
    const bool free = !world_.state().inputLocked;
    if (isLost() || (free && playback_->next == playback_->keys.size())) {
        stopPlayback();
        return;
    }
    if (free) pressLetter(*this, playback_->keys[playback_->next++]);
}

void Game::stopPlayback() {
    if (!playback_) return;
    const Playback ended = std::move(*playback_);
    playback_.reset();
    endPlayback(ended);
}

// The stage waits for Start again, as after Open, with the player's own modes.
void Game::endPlayback(const Playback& ended) {
    world_.setModes(ended.playerStepTry, ended.playerExtraMode);
    Stage stage;
    if (stages_.read(session_.stagePath, stage)) enterLoadedState(session_.stagePath, stage);
    else world_.stop();
}

}  // namespace nerilo
