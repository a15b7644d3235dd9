#include "ui/stage_list_solver.h"

#include "solver/solver.h"

namespace nerilo::ui {

std::optional<int> shortestClear(const std::string& path, const std::atomic<bool>& cancel) {
    const solver::StageStart start = solver::stageStart(path);
    if (!start.state) return std::nullopt;
    // Bounded so that a huge user-made stage cannot fill the memory in the background.
    solver::Options options;
    options.maxStates = 5'000'000;
    const solver::Result result = solver::solve(*start.state, options, {}, &cancel);
    if (result.outcome != solver::Outcome::Solved) return std::nullopt;
    return static_cast<int>(result.keys.size());
}

}  // namespace nerilo::ui
