#include "ui/stage_list_solver.h"

#include "solver/solver.h"

namespace nerilo::ui {

std::optional<int> shortestClear(const Stage& stage, const std::atomic<bool>& cancel) {
    // Bounded so that a huge user-made stage cannot fill the memory in the background.
    solver::Options options;
    options.maxStates = 5'000'000;
    const solver::Result result = solver::solve(solver::roundStart(stage), options, {}, &cancel);
    if (result.outcome != solver::Outcome::Solved) return std::nullopt;
    return static_cast<int>(result.keys.size());
}

}  // namespace nerilo::ui
