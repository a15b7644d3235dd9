// Replays: a recorded clear played from the stage's start, one press whenever
// the game is at rest, so that it runs at the game's own speed.
#include "model/file_io.h"
#include "game/game.h"
#include "game/key_script.h"
#include "model/numbered_stages.h"

namespace nerilo {

bool Round::startPlayback(int n, bool stepTry) {
    if (game_.session_.editing() || playback_) return false;
    const std::string path = numberedStagePath(game_.programFolder(), n);
    Stage stage;
    if (!game_.stages_.read(path, stage)) return false;
    const std::string& keys = game_.player_.records().best(n, stageFingerprint(stage), stepTry);
    if (keys.empty()) return false;
    const WorldState& w = game_.world_.state();
    playback_ = Playback{keys, 0, w.stepTry, w.extraMode};
    // Records are set in plain play only, so they are replayed in plain play.
    game_.world_.setModes(stepTry, ExtraMode::None);
    game_.enterLoadedState(path, stage);
    game_.startRound();
    return true;
}

void Round::advancePlayback() {
    if (!playback_ || game_.asking()) return;
    const bool free = !game_.world_.state().inputLocked;
    if (game_.isLost() || (free && playback_->next == playback_->keys.size())) {
        stopPlayback();
        return;
    }
    if (free) pressLetter(game_, playback_->keys[playback_->next++]);
}

void Round::stopPlayback() {
    if (!playback_) return;
    const Playback ended = std::move(*playback_);
    playback_.reset();
    endPlayback(ended);
}

// The stage waits for Start again, as after Open, with the player's own modes.
void Round::endPlayback(const Playback& ended) {
    game_.world_.setModes(ended.playerStepTry, ended.playerExtraMode);
    Stage stage;
    if (game_.stages_.read(game_.session_.stagePath, stage)) game_.enterLoadedState(game_.session_.stagePath, stage);
    else game_.world_.stop();
}

}  // namespace nerilo
