// Undo and redo, and the bookkeeping that turns key presses into undo steps.
#include <utility>

#include "game/game.h"
#include "rules/key_letters.h"

namespace nerilo {

// Only an arrow or the action key pressed with the keyboard free can change
// the game; Delete starts the round again and the other keys do nothing.
void Round::beginPress(Key key, Modifiers modifiers) {
    if (game_.world_.state().inputLocked || (key > Key::Down && key != Key::Action)) return;
    history_.beginPress(game_.world_.snapshot(), keyLetter(key, modifiers));
}

// A press has ended when the keyboard is free again or the game is lost; an
// undo or redo that waited for it runs then, on the position it came to.
void Round::settlePress() {
    if (!atRestOrLost()) return;
    if (history_.pressPending() && history_.endPress(game_.world_.snapshot())) reachedByPress_ = true;
    if (const std::optional<HistoryStep> waiting = std::exchange(waitingStep_, std::nullopt)) takeStep(*waiting);
}

bool Round::atRestOrLost() const { return !game_.world_.state().inputLocked || game_.isLost(); }

void Round::begin() {
    history_.clear();
    modesChanged_ = false;
    waitingStep_.reset();
    reachedByPress_ = false;
    inDeadEnd_ = false;
}

// A press still moving becomes a step once it is at rest, so undo is offered
// while it moves, to wait for it.
bool Round::canUndo() const { return (history_.canUndo() || history_.pressPending()) && !game_.session_.editing(); }
bool Round::canRedo() const { return history_.canRedo() && !game_.session_.editing(); }

void Round::undo() { askStep(HistoryStep::Undo); }
void Round::redo() { askStep(HistoryStep::Redo); }

// A solution being shown stops at undo and redo as at any key: rewinding the
// round under it would leave it pressing keys into another position. While
// something moves the step waits for the board to come to rest; pressed again
// meanwhile, the last one pressed is the one that waits.
void Round::askStep(HistoryStep step) {
    if (game_.asking()) return;
    if (game_.editor_.playingSolution()) {
        game_.editor_.endTestPlay();
        return;
    }
    if (!(step == HistoryStep::Undo ? canUndo() : canRedo())) return;
    if (atRestOrLost()) takeStep(step);
    else waitingStep_ = step;
}

// The step is checked again when it runs: the press it waited for may have
// changed nothing, or left nothing to redo.
void Round::takeStep(HistoryStep step) {
    if (step == HistoryStep::Undo && history_.canUndo()) restoreFromHistory(history_.undo(game_.world_.snapshot()));
    if (step == HistoryStep::Redo && history_.canRedo()) restoreFromHistory(history_.redo(game_.world_.snapshot()));
}

// Undo goes back in the round, not in the player's choices: step-try mode and
// the extra modes stay as they are now, as does everything of the session.
void Round::restoreFromHistory(WorldSnapshot past) {
    past.state.stepTry = game_.world_.state().stepTry;
    past.state.extraMode = game_.world_.state().extraMode;
    game_.world_.restore(past);
    game_.noteLoss();
    reachedByPress_ = false;
    game_.note(Event::Undo);
    game_.announceEvents();
}

// Every position of a dead end is warned of, but only the press into it
// counts: presses made inside it walked into nothing new, and undo or redo
// into it is the same entry again. A verdict on a position no longer in play
// counts nothing.
void Round::noteDeadEndVerdict(const WorldState& judged, bool deadEnd) {
    if (!sameGame(judged, game_.world_.state())) return;
    const bool entered = deadEnd && !inDeadEnd_ && reachedByPress_;
    inDeadEnd_ = deadEnd;
    if (entered) game_.countDeadEnd();
}

}  // namespace nerilo
