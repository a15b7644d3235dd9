#pragma once
// The checks on Save: what can be wrong with a stage, found from the start of
// a round on it (Game::plainTestStart), each told in one sentence.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/world_state.h"
#include "model/text.h"

namespace nerilo::solver {

enum class Problem : uint8_t { NoPlayer, SeveralPlayers, NoStairs, BoxedIn, Unsolvable, StepTargetTooLow };

// A problem found, as data: it crosses from a search in the background (the
// page's worker) as plain bytes, and is told in the player's language there.
struct StageProblem {
    Problem kind = Problem::NoPlayer;
    int32_t number = 0;  // the players (SeveralPlayers), the step target (StepTargetTooLow)
    int32_t enough = 0;  // StepTargetTooLow: a target that is enough
    Text text() const;
    friend bool operator==(const StageProblem&, const StageProblem&) = default;
};
constexpr int ProblemKinds = static_cast<int>(Problem::StepTargetTooLow) + 1;

// How far the search for a clear may go before the check gives up and says nothing.
struct ProofLimits {
    uint64_t maxStates = 300'000;
    double seconds = 3;
};

// No player, several players (the last one plays), no stairs, a player boxed
// in. Quick: no search.
std::vector<StageProblem> layoutProblems(const WorldState& start);

// Boxed in: from the start, every press the solver tries (an arrow key with or
// without Shift, the action key) comes to rest with nothing changed in the
// game. A player who can only turn on the spot never leaves his cell.
bool boxedIn(const WorldState& start);

// Searches for a clear within the limits: true only when every reachable
// position was explored and none clears.
bool provenUnsolvable(const WorldState& start, const ProofLimits& limits = {});

// When a search in step-try mode proves that the stage cannot be cleared
// within its step target, a target that is enough: one above the steps of
// `shortestClear`, the shortest clear found without step-try mode. Nothing
// when the target may do.
std::optional<int> enoughStepTarget(const WorldState& start, const std::string& shortestClear,
                                    const ProofLimits& limits = {});

// The layout problems and, when there are none that make a search pointless
// (no player, no stairs, boxed in), a clear proven impossible, or else, the
// stage cleared, a clear proven impossible in step-try mode within the step target.
std::vector<StageProblem> stageProblems(const WorldState& start, const ProofLimits& limits = {});

// The warning Save shows before it asks for a file, or empty text when there is no problem.
Text saveWarning(const std::vector<StageProblem>& problems);


}  // namespace nerilo::solver
