// Test play: a round on the edited board from its own start, without saving
// and without leaving the editor. The editor waits outside the state and comes
// back exactly as it was (board, comment, target, brushes, modes); nothing in
// test play reads or writes a stage or progress file.
#include "board/game.h"
#include "input/key_letters.h"

namespace nerilo {

void Game::toggleTestPlay() {
    if (state_.testPlaying) endTestPlay();
    else startTestPlay();
}

void Game::startTestPlay() { enterTestPlay(false); }

// The editor waits outside the state while a round is played on its board.
bool Game::enterTestPlay(bool plain) {
    if (!state_.editing) return false;
    endStroke();
    editorState_ = state_;
    beginTestRound(plain);
    return true;
}

// A copy of a test round with no editor behind it (the solver's) just stays as it is.
void Game::endTestPlay() {
    solution_.clear();
    solutionNext_ = 0;
    testCleared_ = false;
    if (!state_.testPlaying || !editorState_) return;
    state_ = std::move(*editorState_);
    editorState_.reset();
}

// The way a round starts on a loaded stage, on the board as it stands. Plain:
// without the extra modes and step-try mode, which are the player's choice and
// no part of the stage.
void Game::beginTestRound(bool plain) {
    GameState& s = state_;
    s.editing = false;
    s.testPlaying = true;
    if (plain) {
        s.stepTry = false;
        s.extraMode = ExtraMode::None;
    }
    s.keysHeld = 0;
    resetBlockPictures();
    findPlayer();
    startRound();
}

// Retry and Delete in test play start it again from the edited board, never
// from the file; while a solution is being shown they stop it, as any key does.
void Game::restartTestPlay() {
    if (!editorState_) return;
    if (!solution_.empty()) {
        endTestPlay();
        return;
    }
    state_ = *editorState_;
    beginTestRound(false);
}

GameState Game::plainTestStart() const {
    Game copy(platform_, spreader_);
    copy.state_ = state_;
    copy.beginTestRound(true);
    return copy.state_;
}

void Game::playSolution(std::string keys) {
    if (!enterTestPlay(true)) return;
    solution_ = std::move(keys);
    solutionNext_ = 0;
}

// One press each time the game is at rest, as a player who waits for every
// move would press them; when the letters run out, the editor comes back.
void Game::stepSolution() {
    if (state_.inputLocked) return;
    if (solutionNext_ == solution_.size()) {
        endTestPlay();
        return;
    }
    if (std::optional<KeyPress> press = pressOf(solution_[solutionNext_++])) deliverKey(press->key, press->modifiers);
}

}  // namespace nerilo
