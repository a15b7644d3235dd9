// The keyboard and the clock of a session: keys reach the world when it is
// free, Delete and Escape are the session's own, and the world ticks while a
// round runs outside the editor.
#include "game/game.h"

#include "rules/key_letters.h"

namespace nerilo {

Game::Game(Platform& platform, PowerSpreader spreader)
    : platform_(platform),
      conversation_(platform),
      world_(Watched::Yes, spreader),
      player_(platform, [this](const Text& text) { tell(text); }) {
    world_.events().listen(true);
}

// Any key stops a solution being shown, and Escape ends test play: both bring
// the editor back. The editor itself takes only Delete, which goes back to
// the stage file.
void Game::pressKey(PlayerKey key, Modifiers modifiers) {
    if (asking()) return;
    if (editor_.playingSolution() || (key == PlayerKey::Escape && session_.testPlaying())) {
        editor_.endTestPlay();
        return;
    }
    if (session_.editing()) {
        if (key == PlayerKey::Delete) editor_.revert();
        return;
    }
    // A key pressed after an undo that waits is the later wish: the undo is dropped.
    round_.waitingStep_.reset();
    deliverKey(key, modifiers);
    if (editor_.testCleared_) editor_.endTestPlay();
}

// With the keyboard locked only Delete is heard: it starts the round again.
void Game::deliverKey(PlayerKey key, Modifiers modifiers) {
    if (world_.state().inputLocked) {
        if (key == PlayerKey::Delete) retryRound();
        return;
    }
    round_.beginPress(ruleKeyOf(key), modifiers);
    world_.press(ruleKeyOf(key), modifiers);
    noteLoss();
    if (key == PlayerKey::Delete && session_.roundCommand == RoundCommand::Retry) runRoundCommand();
    if (world_.outcome() == Outcome::Cleared) clearStage();
    round_.settlePress();
    announceEvents();
}

// While a question waits for its answer the world goes on ticking (under the
// clear window, say), but a solution being shown waits with the player.
// Nothing moves on a board that is being edited, even when a scripted Start
// or Retry reaches it: the editor and Save treat block i as the block of cell i.
void Game::tick() {
    if (session_.editing()) return;
    if (editor_.playingSolution() && !asking()) {
        editor_.stepSolution();
        if (editor_.testCleared_) editor_.endTestPlay();
        if (!session_.testPlaying()) return;
    }
    world_.tick();
    noteLoss();
    round_.settlePress();
    announceEvents();
}

void Game::clockTick() {
    if (!world_.state().ticking) return;
    round_.advancePlayback();
    if (world_.state().ticking) tick();
    searches_.follow();
}

// While a command waits for its search nothing else is taken: the search is
// of the board as it was asked.
bool Game::perform(const std::function<void()>& command) {
    if (searches_.awaiting()) return false;
    searches_.dropHint();
    const bool ran = !round_.playbackRunning();
    if (ran) command();
    else round_.stopPlayback();
    searches_.follow();
    return ran;
}

// Every loss leaves the round button at Retry, however the round began: one
// started by Delete or リトライ still reads 開始 until the player loses.
void Game::noteLoss() {
    if (isLost()) session_.roundCommand = RoundCommand::Retry;
}

void Game::takeWorldEvents() {
    EventList& happened = world_.events();
    for (const WorldEvent event : happened.events()) events_.push_back(eventOf(event));
    happened.clear();
}

// The session's events fall in among the world's where they happen: a clear
// after the press that reached the stairs.
void Game::note(Event event) {
    takeWorldEvents();
    events_.push_back(event);
}

void Game::announceEvents() {
    takeWorldEvents();
    if (events_.empty()) return;
    platform_.announce(events_);
    events_.clear();
}

}  // namespace nerilo
