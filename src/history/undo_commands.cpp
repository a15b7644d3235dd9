// Undo and redo, and the bookkeeping that turns key presses into undo steps.
#include "board/game.h"
#include "input/key_letters.h"

namespace nerilo {

// Only an arrow or the action key pressed with the keyboard free can change
// the game; Delete starts the round again and the other keys do nothing.
void Game::beginPress(Key key, Modifiers modifiers) {
    if (!historyKept_ || state_.inputLocked || (key > Key::Down && key != Key::Action)) return;
    history_.beginPress(state_, keyLetter(key, modifiers));
}

// A press has ended when the keyboard is free again or the game is lost.
void Game::settlePress() {
    if (history_.pressPending() && atRestOrLost()) history_.endPress(state_);
}

bool Game::atRestOrLost() const { return !state_.inputLocked || isLost(); }

bool Game::canUndo() const { return history_.canUndo() && !state_.editing; }
bool Game::canRedo() const { return history_.canRedo() && !state_.editing; }

void Game::undo() {
    if (!canUndo() || !atRestOrLost()) return;
    restoreFromHistory(history_.undo(state_));
}

void Game::redo() {
    if (!canRedo() || !atRestOrLost()) return;
    restoreFromHistory(history_.redo(state_));
}

// Undo goes back in the round, not in the player's choices: the progress, the
// modes, step-try mode and the editor's brushes stay as they are now.
void Game::restoreFromHistory(GameState past) {
    const GameState& now = state_;
    past.progress = now.progress;
    past.progressLevel = now.progressLevel;
    past.blockModeUnlocked = now.blockModeUnlocked;
    past.superModeUnlocked = now.superModeUnlocked;
    past.stepTry = now.stepTry;
    past.extraMode = now.extraMode;
    past.editing = now.editing;
    past.paintLayer = now.paintLayer;
    past.groundBrush = now.groundBrush;
    past.blockBrush = now.blockBrush;
    state_ = std::move(past);
}

void Game::keepHistory(bool kept) {
    historyKept_ = kept;
    history_.clear();
}

}  // namespace nerilo
