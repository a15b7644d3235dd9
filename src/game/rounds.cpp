// The stage in play, Start, Retry and the round button.
#include "game/game.h"

namespace nerilo {

void Game::applyStage(const Stage& stage, bool withCommentAndTarget) {
    world_.placeStage(stage.ground, stage.blocks);
    if (withCommentAndTarget) {
        session_.comment = stage.comment;
        world_.setStepTarget(static_cast<int32_t>(stage.stepTarget));
    }
    session_.stageFingerprint = stageFingerprint(stage.ground, stage.blocks, world_.state().stepTarget);
    round_.begin();
}

bool Game::loadCurrentStage() {
    Stage stage;
    if (!stages_.read(session_.stagePath, stage)) return false;
    applyStage(stage, true);
    editor_.forgetEdits();
    return true;
}

// A stage read whole and good becomes the current one, waiting for Start:
// after Open and after the stage change.
void Game::enterLoadedState(const std::string& path, const Stage& stage) {
    if (!path.empty()) stages_.withoutFile_.reset();
    session_.stagePath = path;
    session_.comment = stage.comment;
    world_.load(stage);
    session_.stageFingerprint = stageFingerprint(stage);
    round_.begin();
    editor_.forgetEdits();
    session_.roundCommand = RoundCommand::Start;
    session_.roundStarted = false;
}

void Game::startRound() {
    session_.roundCommand = RoundCommand::Retry;
    session_.roundStarted = true;
    world_.startRound();
    round_.begin();
    announceEvents();
}

void Game::retryRound() {
    if (session_.testPlaying()) {
        editor_.restartTestPlay();
        return;
    }
    // An unreadable stage file (after the last stage, or deleted meanwhile) is
    // reported and the game stays exactly as it was.
    Stage stage;
    if (!stages_.read(session_.stagePath, stage)) return;
    applyStage(stage, false);
    world_.restartRound();
    noteLoss();
    session_.roundStarted = true;
    round_.begin();
    announceEvents();
}

void Game::runRoundCommand() {
    if (session_.roundCommand == RoundCommand::Start) startRound();
    else retryRound();
}

}  // namespace nerilo
