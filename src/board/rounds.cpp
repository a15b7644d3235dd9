// Start, Retry, the round button and the step counter.
#include "board/game.h"

namespace nerilo {

void Game::startRound() {
    GameState& s = state_;
    s.roundCommand = RoundCommand::Retry;
    s.stepsLeft = s.stepTarget;
    s.roundStarted = true;
    s.inputLocked = false;
    s.ticking = true;
    for (int i = 0; i < CellCount; ++i) {
        raiseOverlay(i);
        if (s.blocks[i].code == block::Player) {
            s.playerBlock = static_cast<uint8_t>(i);
            s.movingBlock = static_cast<uint8_t>(i);
        }
    }
    s.kickInProgress = false;
    evaluateCircuit();
    s.awaitingFirstKey = true;
    s.moveKind = MoveKind::Walk;
    s.stepPhase = {};
    history_.clear();
}

void Game::retryRound() {
    if (state_.testPlaying) {
        restartTestPlay();
        return;
    }
    // An unreadable stage file (after the last stage, or deleted meanwhile) is
    // reported and the game stays exactly as it was.
    Stage stage;
    if (!readStage(state_.stagePath, stage)) return;

    GameState& s = state_;
    s.ticking = true;
    s.stepsLeft = s.stepTarget;
    s.keysHeld = 0;
    applyStage(stage, false);
    resetBlockPictures();
    findPlayer();
    s.movingBlock = s.playerBlock;
    s.kickInProgress = false;
    evaluateCircuit();
    s.inputLocked = false;
    s.awaitingFirstKey = true;
    s.moveKind = MoveKind::Walk;
    s.stepPhase = {};
    s.roundStarted = true;
}

void Game::runRoundCommand() {
    if (state_.roundCommand == RoundCommand::Start) startRound();
    else retryRound();
}

// A kick costs nothing; the move that brings the counter to 0 is not carried
// out, because losing stops the tick first.
void Game::countStep() {
    if (state_.moveKind != MoveKind::Kick) --state_.stepsLeft;
    if (state_.stepsLeft <= 0) loseGame();
}

}  // namespace nerilo
