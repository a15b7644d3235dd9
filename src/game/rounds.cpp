// Start, Retry and the round button.
#include "game/game.h"

namespace nerilo {

void Game::startRound() {
    session_.roundCommand = RoundCommand::Retry;
    session_.roundStarted = true;
    world_.startRound();
    beginRoundHistory();
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
    if (!readStage(session_.stagePath, stage)) return;
    applyStage(stage, false);
    world_.restartRound();
    noteLoss();
    session_.roundStarted = true;
    beginRoundHistory();
    announceEvents();
}

void Game::runRoundCommand() {
    if (session_.roundCommand == RoundCommand::Start) startRound();
    else retryRound();
}

}  // namespace nerilo
