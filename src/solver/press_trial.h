#pragma once
// One press tried from a position, as a player who waits for rest plays it:
// the search tries every press from every position this way, and the editor's
// check tries the presses from the start.
#include <atomic>
#include <cstdint>

#include "rules/key_letters.h"
#include "rules/world.h"

namespace nerilo::solver {

enum class PressOutcome : uint8_t { Position, Lost, Cleared, NeverAtRest, Cancelled };

class PressTrial {
public:
    // Plays `press` (a key letter of Presses) from `from`; the world is left
    // where the press ended. A long press stops soon after `cancel` is set.
    PressOutcome press(const WorldState& from, char press, const std::atomic<bool>* cancel = nullptr);
    PressOutcome press(const WorldState& from, KeyPress press, const std::atomic<bool>* cancel = nullptr);
    const WorldState& state() const { return world_.state(); }

private:
    World world_{Watched::No};
};

}  // namespace nerilo::solver
