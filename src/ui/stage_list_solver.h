#pragma once
// The stage list's one use of the solver: the shortest clear of a stage.
#include <atomic>
#include <optional>

#include "model/stage_file.h"

namespace nerilo::ui {

// The fewest key presses that clear the stage, or nothing when that is not
// known. Slow: it runs in the stage list's worker thread and returns soon
// after cancel is set.
std::optional<int> shortestClear(const Stage& stage, const std::atomic<bool>& cancel);

}  // namespace nerilo::ui
