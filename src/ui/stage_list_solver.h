#pragma once
// The stage list's one use of the solver: the shortest clear of a stage file.
#include <atomic>
#include <optional>
#include <string>

namespace nerilo::ui {

// The fewest key presses that clear the stage file at path, or nothing when
// that is not known. Slow: it runs in the stage list's worker thread and
// returns soon after cancel is set.
std::optional<int> shortestClear(const std::string& path, const std::atomic<bool>& cancel);

}  // namespace nerilo::ui
