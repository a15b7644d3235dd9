#include "solver/stage_checks.h"

#include <atomic>

#include "rules/key_letters.h"
#include "rules/world.h"
#include "solver/press_trial.h"
#include "solver/proof_check.h"
#include "solver/solver.h"

namespace nerilo::solver {

// Every text of the warning, in one place.
Text StageProblem::text() const {
    switch (kind) {
    case Problem::NoPlayer: return NERILO_TEXT("checks", "プレイヤーがいません。");
    case Problem::SeveralPlayers:
        return NERILO_TEXT("checks", "プレイヤーが %1 人います。動かせるのは最後の 1 人だけです。").arg(std::to_string(number));
    case Problem::NoStairs: return NERILO_TEXT("checks", "階段がありません。");
    case Problem::BoxedIn: return NERILO_TEXT("checks", "プレイヤーが閉じ込められていて、どこへも動けません。");
    case Problem::Unsolvable: return NERILO_TEXT("checks", "どう動いてもクリアできません。");
    case Problem::StepTargetTooLow:
        return NERILO_TEXT("checks", "歩数トライでは目標歩数 %1 のうちにクリアできません。%2 あればクリアできます。")
            .arg(std::to_string(number))
            .arg(std::to_string(enough));
    }
    return {};
}

namespace {

// A search that gives up at the limits.
Result searchWithin(const WorldState& start, const ProofLimits& limits) {
    Options options;
    options.maxStates = limits.maxStates;
    return solveWithin(start, options, limits.seconds);
}

bool has(const std::vector<StageProblem>& problems, Problem kind) {
    for (const StageProblem& problem : problems)
        if (problem.kind == kind) return true;
    return false;
}

}  // namespace

std::vector<StageProblem> layoutProblems(const WorldState& start) {
    std::vector<StageProblem> problems;
    int players = 0;
    bool stairs = false;
    for (int i = 0; i < CellCount; ++i) {
        players += start.blocks[i].code == block::Player;
        stairs |= start.ground[i].code == ground::Stairs;
    }
    if (players == 0) problems.push_back({Problem::NoPlayer});
    if (players > 1) problems.push_back({Problem::SeveralPlayers, players});
    if (!stairs) problems.push_back({Problem::NoStairs});
    if (players > 0 && boxedIn(start)) problems.push_back({Problem::BoxedIn});
    return problems;
}

bool boxedIn(const WorldState& start) {
    PressTrial trial;
    for (char press : Presses)
        if (trial.press(start, press) != PressOutcome::Position || !sameGame(trial.state(), start)) return false;
    return true;
}

bool provenUnsolvable(const WorldState& start, const ProofLimits& limits) {
    return searchWithin(start, limits).outcome == Outcome::Unsolvable;
}

// The shortest clear is tried in step-try mode first: when it clears there,
// no second search is needed. It is enough with a counter one above its steps,
// counted on one that cannot run out.
std::optional<int> enoughStepTarget(const WorldState& start, const std::string& shortestClear, const ProofLimits& limits) {
    WorldState counted = start;
    counted.stepTry = true;
    counted.stepsLeft = counted.stepTarget;
    if (clearsFrom(counted, shortestClear) || !provenUnsolvable(counted, limits)) return std::nullopt;
    constexpr int32_t Plenty = 1'000'000;
    counted.stepsLeft = Plenty;
    World world;
    world.restore(counted);
    for (char key : shortestClear) playPress(world, *pressOf(key));
    return Plenty - world.state().stepsLeft + 1;
}

std::vector<StageProblem> stageProblems(const WorldState& start, const ProofLimits& limits) {
    std::vector<StageProblem> problems = layoutProblems(start);
    const bool searchable =
        !has(problems, Problem::NoPlayer) && !has(problems, Problem::NoStairs) && !has(problems, Problem::BoxedIn);
    if (!searchable) return problems;
    const Result plain = searchWithin(start, limits);
    if (plain.outcome == Outcome::Unsolvable)
        problems.push_back({Problem::Unsolvable});
    else if (plain.outcome == Outcome::Solved) {
        if (const std::optional<int> enough = enoughStepTarget(start, plain.keys, limits))
            problems.push_back({Problem::StepTargetTooLow, start.stepTarget, *enough});
    }
    return problems;
}

Text saveWarning(const std::vector<StageProblem>& problems) {
    if (problems.empty()) return {};
    // One line a problem, built from the last: each line holds the ones after it.
    Text list = Text::words("");
    for (auto problem = problems.rbegin(); problem != problems.rend(); ++problem)
        list = NERILO_TEXT("checks", "・%1\n%2").arg(problem->text()).arg(list);
    return NERILO_TEXT("checks", "このステージには問題があります。\n\n%1\nこのまま保存しますか？").arg(list);
}

}  // namespace nerilo::solver
