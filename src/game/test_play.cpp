// Test play: a round on the edited board from its own start, without saving
// and without leaving the editor. The editor waits outside and comes back
// exactly as it was (board, comment, target, brushes, modes); nothing in test
// play reads or writes a stage or progress file.
#include "game/game.h"
#include "rules/key_letters.h"

namespace nerilo {

void Game::toggleTestPlay() {
    if (session_.testPlaying()) endTestPlay();
    else startTestPlay();
}

void Game::startTestPlay() { enterTestPlay(false); }

// The editor waits outside while a round is played on its board.
bool Game::enterTestPlay(bool plain) {
    if (!session_.editing()) return false;
    endStroke();
    editorState_ = EditorAtTestPlay{world_.snapshot(), session_};
    beginTestRound(plain);
    return true;
}

// The round's presses end with it: undo after test play never leads back
// into a round that is gone.
void Game::endTestPlay() {
    solution_.clear();
    solutionNext_ = 0;
    testCleared_ = false;
    if (!session_.testPlaying() || !editorState_) return;
    world_.restore(editorState_->world);
    session_ = std::move(editorState_->session);
    editorState_.reset();
    beginRoundHistory();
}

// The way a round starts on a loaded stage, on the board as it stands. Plain:
// without the extra modes and step-try mode, which are the player's choice and
// no part of the stage.
void Game::beginTestRound(bool plain) {
    session_.mode = Mode::TestPlaying;
    if (plain) world_.setModes(false, ExtraMode::None);
    world_.takeBoardAsStart();
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
    world_.restore(editorState_->world);
    session_ = editorState_->session;
    beginTestRound(false);
}

// The rules alone: the world is copied and started as test play starts it.
WorldState Game::plainTestStart() const { return plainTestWorld().state(); }

World Game::plainTestWorld() const {
    World copy = world_;
    copy.setModes(false, ExtraMode::None);
    copy.takeBoardAsStart();
    copy.startRound();
    return copy;
}

void Game::playSolution(std::string keys) {
    if (!enterTestPlay(true)) return;
    solution_ = std::move(keys);
    solutionNext_ = 0;
}

// One press each time the game is at rest, as a player who waits for every
// move would press them; when the letters run out, the editor comes back.
void Game::stepSolution() {
    if (world_.state().inputLocked) return;
    if (solutionNext_ == solution_.size()) {
        endTestPlay();
        return;
    }
    if (std::optional<KeyPress> press = pressOf(solution_[solutionNext_++])) deliverKey(playerKeyOf(press->key), press->modifiers);
}

}  // namespace nerilo
