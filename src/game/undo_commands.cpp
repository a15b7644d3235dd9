// Undo and redo, and the bookkeeping that turns key presses into undo steps.
#include <utility>

#include "game/game.h"
#include "rules/key_letters.h"

namespace nerilo {

// Only an arrow or the action key pressed with the keyboard free can change
// the game; Delete starts the round again and the other keys do nothing.
void Game::beginPress(Key key, Modifiers modifiers) {
    if (world_.state().inputLocked || (key > Key::Down && key != Key::Action)) return;
    history_.beginPress(world_.snapshot(), keyLetter(key, modifiers));
}

// A press has ended when the keyboard is free again or the game is lost; an
// undo or redo that waited for it runs then, on the position it came to.
void Game::settlePress() {
    if (!atRestOrLost()) return;
    if (history_.pressPending() && history_.endPress(world_.snapshot())) reachedByPress_ = true;
    if (const std::optional<HistoryStep> waiting = std::exchange(waitingStep_, std::nullopt)) takeStep(*waiting);
}

bool Game::atRestOrLost() const { return !world_.state().inputLocked || isLost(); }

void Game::beginRoundHistory() {
    history_.clear();
    modesChangedInRound_ = false;
    waitingStep_.reset();
    reachedByPress_ = false;
    inDeadEnd_ = false;
}

// A press still moving becomes a step once it is at rest, so undo is offered
// while it moves, to wait for it.
bool Game::canUndo() const { return (history_.canUndo() || history_.pressPending()) && !session_.editing(); }
bool Game::canRedo() const { return history_.canRedo() && !session_.editing(); }

void Game::undo() { askStep(HistoryStep::Undo); }
void Game::redo() { askStep(HistoryStep::Redo); }

// A solution being shown stops at undo and redo as at any key: rewinding the
// round under it would leave it pressing keys into another position. While
// something moves the step waits for the board to come to rest; pressed again
// meanwhile, the last one pressed is the one that waits.
void Game::askStep(HistoryStep step) {
    if (asking()) return;
    if (editor_.playingSolution()) {
        editor_.endTestPlay();
        return;
    }
    if (!(step == HistoryStep::Undo ? canUndo() : canRedo())) return;
    if (atRestOrLost()) takeStep(step);
    else waitingStep_ = step;
}

// The step is checked again when it runs: the press it waited for may have
// changed nothing, or left nothing to redo.
void Game::takeStep(HistoryStep step) {
    if (step == HistoryStep::Undo && history_.canUndo()) restoreFromHistory(history_.undo(world_.snapshot()));
    if (step == HistoryStep::Redo && history_.canRedo()) restoreFromHistory(history_.redo(world_.snapshot()));
}

// Undo goes back in the round, not in the player's choices: step-try mode and
// the extra modes stay as they are now, as does everything of the session.
void Game::restoreFromHistory(WorldSnapshot past) {
    past.state.stepTry = world_.state().stepTry;
    past.state.extraMode = world_.state().extraMode;
    world_.restore(past);
    noteLoss();
    reachedByPress_ = false;
    note(Event::Undo);
    announceEvents();
}

}  // namespace nerilo
