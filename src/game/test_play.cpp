// Test play: a round on the edited board from its own start, without saving
// and without leaving the editor. The editor waits outside and comes back
// exactly as it was (board, comment, target, brushes, modes); nothing in test
// play reads or writes a stage or progress file.
#include "game/editor.h"
#include "game/game.h"
#include "rules/key_letters.h"

namespace nerilo {

void Editor::toggleTestPlay() {
    if (game_.session_.testPlaying()) endTestPlay();
    else startTestPlay();
}

void Editor::startTestPlay() { enterTestPlay(false); }

// The editor waits outside while a round is played on its board.
bool Editor::enterTestPlay(bool plain) {
    if (!game_.session_.editing()) return false;
    endStroke();
    atTestPlay_ = AtTestPlay{game_.world_.snapshot(), game_.session_};
    beginTestRound(plain);
    return true;
}

// The round's presses end with it: undo after test play never leads back
// into a round that is gone.
void Editor::endTestPlay() {
    solution_.clear();
    solutionNext_ = 0;
    testCleared_ = false;
    if (!game_.session_.testPlaying() || !atTestPlay_) return;
    game_.world_.restore(atTestPlay_->world);
    game_.session_ = std::move(atTestPlay_->session);
    atTestPlay_.reset();
    game_.round_.begin();
}

// The way a round starts on a loaded stage, on the board as it stands. Plain:
// without the extra modes and step-try mode, which are the player's choice and
// no part of the stage.
void Editor::beginTestRound(bool plain) {
    game_.session_.mode = Mode::TestPlaying;
    if (plain) game_.world_.setModes(false, ExtraMode::None);
    game_.world_.takeBoardAsStart();
    game_.startRound();
}

// Retry and Delete in test play start it again from the edited board, never
// from the file; while a solution is being shown they stop it, as any key does.
void Editor::restartTestPlay() {
    if (!atTestPlay_) return;
    if (!solution_.empty()) {
        endTestPlay();
        return;
    }
    game_.world_.restore(atTestPlay_->world);
    game_.session_ = atTestPlay_->session;
    beginTestRound(false);
}

// The rules alone: the world is copied and started as test play starts it.
WorldState Editor::plainTestStart() const { return plainTestWorld().state(); }

World Editor::plainTestWorld() const {
    World copy = game_.world_;
    copy.setModes(false, ExtraMode::None);
    copy.takeBoardAsStart();
    copy.startRound();
    return copy;
}

void Editor::playSolution(std::string keys) {
    if (!enterTestPlay(true)) return;
    solution_ = std::move(keys);
    solutionNext_ = 0;
}

bool Editor::playingSolution() const { return game_.session_.testPlaying() && !solution_.empty(); }

// One press each time the game is at rest, as a player who waits for every
// move would press them; when the letters run out, the editor comes back.
void Editor::stepSolution() {
    if (game_.world_.state().inputLocked) return;
    if (solutionNext_ == solution_.size()) {
        endTestPlay();
        return;
    }
    if (std::optional<KeyPress> press = pressOf(solution_[solutionNext_++])) game_.deliverKey(playerKeyOf(press->key), press->modifiers);
}

}  // namespace nerilo
