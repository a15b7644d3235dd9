// Block mode and super mode: unlocked by progress, they transform the cell the
// player walks off.
#include <random>

#include "board/game.h"

namespace nerilo {
namespace {
// Super mode's tile for a draw r in 0..13: a low spring 4 times in 14, each
// arrow and plain floor twice.
constexpr uint8_t SuperTile[14] = {ground::LowSpring,  ground::ArrowDown, ground::ArrowUp,   ground::ArrowRight,
                                   ground::ArrowLeft,  ground::Floor,     ground::LowSpring, ground::ArrowDown,
                                   ground::ArrowUp,    ground::ArrowRight, ground::ArrowLeft, ground::LowSpring,
                                   ground::LowSpring,  ground::Floor};

ProgressLevel levelOf(const Progress& progress) {
    ProgressLevel level = ProgressLevel::AllClearedStepTry;
    for (uint8_t record : progress) {
        if (level == ProgressLevel::AllClearedStepTry && record == 1) level = ProgressLevel::AllCleared;
        else if (record == 0) level = ProgressLevel::Incomplete;
    }
    return level;
}
}  // namespace

// Unlocks the modes the progress has earned, never locks one again, and shows
// the ending when a level is reached for the first time; the start-up check
// (NotChecked) shows none.
void Game::updateUnlocks() {
    GameState& s = state_;
    switch (levelOf(s.progress)) {
    case ProgressLevel::AllClearedStepTry:
        if (s.progressLevel == ProgressLevel::Incomplete || s.progressLevel == ProgressLevel::AllCleared)
            platform_.showEnding(true);
        s.progressLevel = ProgressLevel::AllClearedStepTry;
        s.superModeUnlocked = true;
        s.blockModeUnlocked = true;
        break;
    case ProgressLevel::AllCleared:
        if (s.progressLevel == ProgressLevel::Incomplete) platform_.showEnding(false);
        s.progressLevel = ProgressLevel::AllCleared;
        s.blockModeUnlocked = true;
        break;
    default:
        s.progressLevel = ProgressLevel::Incomplete;
        break;
    }
}

// Test play keeps the modes the editor had.
void Game::toggleBlockMode() {
    if (state_.testPlaying) return;
    state_.extraMode = state_.extraMode == ExtraMode::Block ? ExtraMode::None : ExtraMode::Block;
}

void Game::toggleSuperMode() {
    if (state_.testPlaying) return;
    state_.extraMode = state_.extraMode == ExtraMode::Super ? ExtraMode::None : ExtraMode::Super;
}

// Called just before the moving object's cell changes: blockCell[movingBlock]
// still names the cell being left. A kicked ball transforms nothing.
void Game::transformVacatedCell() {
    GameState& s = state_;
    if (s.extraMode == ExtraMode::None) return;
    const int cell = s.blockCell[s.movingBlock];
    if (s.blocks[s.movingBlock].code != block::Player) return;
    if (s.extraMode == ExtraMode::Block) {
        s.ground[cell].code = ground::Wall;
    } else {
        const int r = static_cast<int>(std::uniform_real_distribution<double>(0.0, 1.0)(s.random) * 14);
        s.ground[cell].code = SuperTile[r];
    }
    evaluateCircuit();
}

}  // namespace nerilo
