// Step-try mode and the two extra modes: the player's choices, which the
// world's rules obey and the progress unlocks.
#include "game/game.h"

namespace nerilo {
namespace {

ProgressLevel levelOf(const Progress& progress) {
    ProgressLevel level = ProgressLevel::AllClearedStepTry;
    for (uint8_t record : progress) {
        if (level == ProgressLevel::AllClearedStepTry && record == 1) level = ProgressLevel::AllCleared;
        else if (record == 0) level = ProgressLevel::Incomplete;
    }
    return level;
}

}  // namespace

// The ending: every stage cleared, and a mode unlocked with it.
void Game::showEnding(bool redLabel) {
    note(Event::AllClear);
    note(Event::Unlock);
    platform_.showEnding(redLabel);
}

// Unlocks the modes the progress has earned, never locks one again, and shows
// the ending when a level is reached for the first time; the start-up check
// (NotChecked) shows none.
void Game::updateUnlocks() {
    SessionState& s = session_;
    switch (levelOf(player_.progress())) {
    case ProgressLevel::AllClearedStepTry:
        if (s.progressLevel == ProgressLevel::Incomplete || s.progressLevel == ProgressLevel::AllCleared)
            showEnding(true);
        s.progressLevel = ProgressLevel::AllClearedStepTry;
        s.superModeUnlocked = true;
        s.blockModeUnlocked = true;
        break;
    case ProgressLevel::AllCleared:
        if (s.progressLevel == ProgressLevel::Incomplete) showEnding(false);
        s.progressLevel = ProgressLevel::AllCleared;
        s.blockModeUnlocked = true;
        break;
    default:
        s.progressLevel = ProgressLevel::Incomplete;
        break;
    }
}

// A mode switched while presses of the round are on its path mixes two ways
// of playing in one path, which no record may hold. With none on the path the
// round starts afresh in the new mode: the presses that could be redone were
// played in the other.
void Round::noteModeChange() {
    if (history_.canUndo() || history_.pressPending()) modesChanged_ = true;
    else history_.forgetUndone();
}

// Test play keeps the modes the editor had.
void Game::toggleBlockMode() {
    if (session_.testPlaying()) return;
    const WorldState& w = world_.state();
    world_.setModes(w.stepTry, w.extraMode == ExtraMode::Block ? ExtraMode::None : ExtraMode::Block);
    round_.noteModeChange();
}

void Game::toggleSuperMode() {
    if (session_.testPlaying()) return;
    const WorldState& w = world_.state();
    world_.setModes(w.stepTry, w.extraMode == ExtraMode::Super ? ExtraMode::None : ExtraMode::Super);
    round_.noteModeChange();
}

// Switching off is always allowed; switching on is refused only while a game
// runs with the keyboard free after a key has been pressed. Test play keeps
// the modes the editor had.
void Game::toggleStepTry() {
    const WorldState& w = world_.state();
    if (session_.testPlaying()) return;
    if (w.awaitingFirstKey || w.inputLocked || w.stepTry) {
        world_.setModes(!w.stepTry, w.extraMode);
        round_.noteModeChange();
    } else {
        tell(NERILO_TEXT("messages", "ゲーム中には切り替えられません。"));
    }
}

void Game::assumeProgress(const Progress& progress) {
    player_.assumeProgress(progress);
    session_.progressLevel = ProgressLevel::NotChecked;
    updateUnlocks();
}

void Game::assumeModes(bool stepTry, ExtraMode extraMode) {
    world_.setModes(stepTry, extraMode);
}

}  // namespace nerilo
