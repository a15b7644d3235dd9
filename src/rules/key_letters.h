#pragma once
// The press letters: the rules' part of the key letters (game/key_script.h),
// the notation of stored solutions, records and the solver's output.
//   L R U D   arrows          l r u d   Shift+arrows
//   Z E _     action keys Z, Enter, Space
#include <atomic>
#include <optional>
#include <string_view>

#include "rules/world.h"

namespace nerilo {

constexpr std::string_view PressLetters = "LRUDlrudZE_";

// The ticks one letter may take before a run counts as never coming to rest:
// far more than the longest slide or chain of blasts on a 15 x 15 board.
constexpr long long PressTickCap = 10000;

// The letter of an arrow (Shift+arrow in lower case) or of the action key.
char keyLetter(Key key, Modifiers modifiers);

struct KeyPress {
    Key key;
    Modifiers modifiers = NoModifiers;
};
// The key a press letter stands for; nothing for any other letter.
std::optional<KeyPress> pressOf(char letter);

// One press played on the world alone, as a player who waits for rest would:
// the key, then the world tick until the press has come to rest, is lost or
// has cleared, or `maxTicks` ticks have passed (stuck). The world ticks at
// least once after a key it took.
struct PressRun {
    Outcome outcome = Outcome::AtRest;
    long long ticks = 0;
    bool stuck = false;
    bool cancelled = false;  // `cancel` was set before the press ended
};
// A search in a worker thread passes its stop flag, which a press that takes
// thousands of ticks reads every CancelTicks ticks.
constexpr long long CancelTicks = 256;
PressRun playPress(World& world, KeyPress press, long long maxTicks = PressTickCap,
                   const std::atomic<bool>* cancel = nullptr);

}  // namespace nerilo
