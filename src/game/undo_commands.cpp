// Undo and redo, and the bookkeeping that turns key presses into undo steps.
#include "game/game.h"
#include "rules/key_letters.h"

namespace nerilo {

// Only an arrow or the action key pressed with the keyboard free can change
// the game; Delete starts the round again and the other keys do nothing.
void Game::beginPress(Key key, Modifiers modifiers) {
    if (world_.state().inputLocked || (key > Key::Down && key != Key::Action)) return;
    history_.beginPress(world_.snapshot(), keyLetter(key, modifiers));
}

// A press has ended when the keyboard is free again or the game is lost.
void Game::settlePress() {
    if (history_.pressPending() && atRestOrLost()) history_.endPress(world_.snapshot());
}

bool Game::atRestOrLost() const { return !world_.state().inputLocked || isLost(); }

void Game::beginRoundHistory() {
    history_.clear();
    modesChangedInRound_ = false;
}

bool Game::canUndo() const { return history_.canUndo() && !session_.editing; }
bool Game::canRedo() const { return history_.canRedo() && !session_.editing; }

// A solution being shown stops at undo and redo as at any key: rewinding the
// round under it would leave it pressing keys into another position.
void Game::undo() {
    if (asking()) return;
    if (playingSolution()) {
        endTestPlay();
        return;
    }
    if (!canUndo() || !atRestOrLost()) return;
    restoreFromHistory(history_.undo(world_.snapshot()));
}

void Game::redo() {
    if (asking()) return;
    if (playingSolution()) {
        endTestPlay();
        return;
    }
    if (!canRedo() || !atRestOrLost()) return;
    restoreFromHistory(history_.redo(world_.snapshot()));
}

// Undo goes back in the round, not in the player's choices: step-try mode and
// the extra modes stay as they are now, as does everything of the session.
void Game::restoreFromHistory(WorldSnapshot past) {
    past.state.stepTry = world_.state().stepTry;
    past.state.extraMode = world_.state().extraMode;
    world_.restore(past);
    noteLoss();
    world_.events().note(Event::Undo);
    announceEvents();
}

}  // namespace nerilo
