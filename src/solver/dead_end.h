#pragma once
// Searches from a position inside a round: the one entry that nerilo-solve
// --keys, the hint and the dead-end warning share. A position is named by the
// presses that lead to it from a round's start, in the key letters.
#include <atomic>
#include <optional>
#include <string>
#include <string_view>

#include "model/text.h"
#include "solver/solver.h"

namespace nerilo::solver {

// The position after `presses` (letters of Presses) from `start`, or why there
// is none: a letter that is no press, or a press after the round ended.
struct PositionAfter {
    std::optional<WorldState> state;
    std::string error;
};
PositionAfter positionAfter(const WorldState& start, std::string_view presses);

// What a bounded search from a position proves. Unknown covers the bound
// reached, a cancelled search and a position that cannot be searched: the
// player is then told nothing.
enum class Verdict { Clearable, DeadEnd, Unknown };
Verdict verdictOf(const Result& result);

// The bound of the search behind the warning: enough for every position of
// the shipped stages, small enough to answer within a blink on one core.
Options deadEndOptions();
// The verdict on `from`, searched in the caller's thread; stops soon after `cancel` is set.
Verdict deadEndVerdict(const WorldState& from, const std::atomic<bool>* cancel = nullptr);

// A clear found from an earlier position of the round: where it starts and its presses.
struct KnownClear {
    WorldState from{};
    std::string keys;
};
// The warning's search from `from`: a clear from there when there is one,
// not always a shortest. It stops where it meets a position along `known`,
// checked by playing it, and follows it from there: a player who plays on
// mostly stays near the clear found a press before, so on a large stage the
// verdict takes a few presses' search instead of the whole stage's.
Result deadEndSearch(const WorldState& from, const KnownClear* known = nullptr,
                     const std::function<void(const Progress&)>& progress = {},
                     const std::atomic<bool>* cancel = nullptr);

// "詰み：ここからはクリアできません。Backspace で戻せます"
Text deadEndText();

}  // namespace nerilo::solver
