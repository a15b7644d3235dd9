#pragma once
// One press tried from a position, as nerilo-sim delivers it: the search tries
// every press from every position this way, and the editor's check tries the
// presses from the start.
#include <cstdint>

#include "board/game.h"
#include "solver/quiet_platform.h"

namespace nerilo::solver {

enum class PressOutcome : uint8_t { Position, Lost, Cleared, NeverAtRest };

class PressTrial {
public:
    // A trial undoes nothing: keeping an undo history would copy and compare
    // whole states at every press.
    PressTrial() : game_(platform_) { game_.keepHistory(false); }
    PressTrial(const PressTrial&) = delete;
    PressTrial& operator=(const PressTrial&) = delete;

    // Plays `press` from `from`; the game is left where the press ended.
    PressOutcome press(const GameState& from, char press);
    const GameState& state() const { return game_.state(); }

private:
    QuietPlatform platform_;
    Game game_;
};

}  // namespace nerilo::solver
