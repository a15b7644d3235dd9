// Searches from a position inside a round: the position after presses, the
// dead-end verdict with its bound and its cancel, and nerilo-solve --keys
// against a literal breadth-first search over whole game states.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <algorithm>
#include <random>
#include <set>

#include "game_fixture.h"
#include "rules/key_letters.h"
#include "solver/dead_end.h"
#include "stage_solutions.h"
#include "tool_run.h"

namespace nerilo::test {
namespace {

using solver::Verdict;

// The walled corridor of the solver's tests (trapStage), started.
WorldState trapStart(TestGame& game) {
    trapStage(game);
    game.load();
    return *solver::stageStart(game.stageFile("test.txt")).state;
}

TEST(DeadEnd, PositionAfterPressesOrWhyThereIsNone) {
    TestGame game;
    const WorldState start = trapStart(game);
    struct Case {
        std::string presses;
        std::string error;  // empty: a position
    };
    const Case cases[] = {
        {"", ""},
        {"LR", ""},
        {"R", ""},
        {"LX", "press 2 'X' is not one of LRUDlrudZ"},
        {"LUL", "press 2 'U' loses the round"},
        {"LLZR", "press 3 'Z' clears the stage"},
    };
    for (const Case& c : cases) {
        const solver::PositionAfter after = solver::positionAfter(start, c.presses);
        EXPECT_EQ(after.error, c.error) << c.presses;
        EXPECT_EQ(after.state.has_value(), c.error.empty()) << c.presses;
    }
    EXPECT_EQ(solver::positionAfter(start, "LR").state->blockCell, start.blockCell) << "a step there and back";
    EXPECT_NE(solver::positionAfter(start, "R").state->blockCell, start.blockCell);
}

TEST(DeadEnd, AProvenDeadEndIsSaidAndTheBoundOrTheNextPressSaysNothing) {
    TestGame game;
    const WorldState start = trapStart(game);
    const WorldState carriedAway = *solver::positionAfter(start, "R").state;
    const std::atomic<bool> nextPress{true};
    solver::Options tiny = solver::deadEndOptions();
    tiny.maxStates = 1;
    struct Case {
        const char* what;
        Verdict verdict;
        Verdict expected;
    };
    const Case cases[] = {
        {"the start", solver::deadEndVerdict(start), Verdict::Clearable},
        {"one press after the trap", solver::deadEndVerdict(carriedAway), Verdict::DeadEnd},
        {"the bound reached", solver::verdictOf(solver::solve(carriedAway, tiny)), Verdict::Unknown},
        {"cancelled by the next press", solver::deadEndVerdict(carriedAway, &nextPress), Verdict::Unknown},
    };
    for (const Case& c : cases) EXPECT_EQ(c.verdict, c.expected) << c.what;
}

// A warning on a position that can still be cleared would tell a player who
// plays well that he has lost.
TEST(DeadEnd, EveryShippedStageStaysClearableAlongItsStoredClear) {
    for (const auto& [number, keys] : storedSolutions()) {
        if (number > 12) break;  // the larger ones are measured by the benchmark
        const WorldState start = *solver::stageStart(shippedStage(number)).state;
        for (size_t n = 0; n < keys.size(); ++n) {
            const std::string prefix = keys.substr(0, n);
            const solver::PositionAfter after = solver::positionAfter(start, prefix);
            ASSERT_TRUE(after.state) << number << " " << after.error;
            EXPECT_EQ(solver::deadEndVerdict(*after.state), Verdict::Clearable) << "stage " << number << " after " << prefix;
        }
    }
}

// Whether `keys` clear the stage from `from` with their last press.
bool clearsFrom(const WorldState& from, const std::string& keys) {
    return !keys.empty() && solver::positionAfter(from, keys).error ==
                                "press " + std::to_string(keys.size()) + " '" + keys.back() + "' clears the stage";
}

// A verdict stops where it meets the clear the one before found and follows
// it: the answer is the same, the search a few presses' instead of the
// stage's. A known clear that does not clear, or from another stage, is not
// followed, and a dead end stays one.
TEST(DeadEnd, AVerdictMeetsTheClearFoundBeforeAndFollowsIt) {
    const WorldState start = *solver::stageStart(shippedStage(24)).state;
    const std::string stored = storedSolutions().at(24);
    const WorldState onTheClear = *solver::positionAfter(start, stored.substr(0, 10)).state;
    // Off the clear: a push taken back is no way back, the player walks round.
    const WorldState aside = *solver::positionAfter(start, stored.substr(0, 4) + "L").state;
    const Stage stage = readStageFile(shippedStage(24)).stage;
    const WorldState blockStart = solver::roundStart(stage, false, true);
    TestGame trap;
    const WorldState trapped = *solver::positionAfter(trapStart(trap), "R").state;
    const solver::KnownClear known{start, stored};
    const solver::KnownClear cut{start, stored.substr(0, stored.size() - 1)};
    const solver::KnownClear otherStage{*solver::stageStart(shippedStage(23)).state, storedSolutions().at(23)};
    struct Case {
        const char* what;
        WorldState from;
        const solver::KnownClear* known;
        Verdict verdict;
        bool followed;
    };
    const Case cases[] = {
        {"on the known clear", onTheClear, &known, Verdict::Clearable, true},
        {"a press aside", aside, &known, Verdict::Clearable, true},
        {"a known clear cut short", aside, &cut, Verdict::Clearable, false},
        {"another stage's clear", aside, &otherStage, Verdict::Clearable, false},
        {"a dead end", trapped, &known, Verdict::DeadEnd, false},
        // Block mode walls the cells walked off: the clear of the plain mode is not one there.
        {"a clear known in another mode", blockStart, &known, solver::deadEndVerdict(blockStart), false},
    };
    for (const Case& c : cases) {
        const solver::Result alone = solver::deadEndSearch(c.from);
        const solver::Result met = solver::deadEndSearch(c.from, c.known);
        EXPECT_EQ(solver::verdictOf(met), c.verdict) << c.what;
        EXPECT_EQ(met.through, -1) << c.what;
        if (c.verdict == Verdict::Clearable) {
            EXPECT_TRUE(clearsFrom(c.from, met.keys)) << c.what << ": " << met.keys;
        }
        if (c.followed) {
            EXPECT_LT(met.expanded * 50, alone.expanded) << c.what;
        } else {
            EXPECT_EQ(met.expanded, alone.expanded) << c.what;
        }
    }
}

// The worst dead end of a shipped stage is the whole stage without a way out:
// the warning's bound proves it on the larger half too.
TEST(DeadEnd, EveryLargeShippedStageWithoutItsStairsIsProvenADeadEnd) {
#ifdef NERILO_SANITIZED
    GTEST_SKIP() << "seconds here, minutes with the sanitizers";
#endif
    for (int number = 16; number <= 30; ++number) {
        Stage stage = readStageFile(shippedStage(number)).stage;
        std::replace(stage.ground.begin(), stage.ground.end(), uint8_t(ground::Stairs), uint8_t(ground::Floor));
        EXPECT_EQ(solver::deadEndVerdict(solver::roundStart(stage)), Verdict::DeadEnd) << "stage " << number;
    }
}

// The literal search: whole game states in a set, layer by layer, with no
// position codec; a press that loses ends its branch.
std::optional<size_t> literalShortest(const WorldState& from) {
    const auto image = [](const WorldState& s) {
        WorldState copy{};
        copy.ground = s.ground;
        copy.blocks = s.blocks;
        copy.overlays = s.overlays;
        copy.blockCell = s.blockCell;
        copy.playerBlock = s.playerBlock;
        copy.keysHeld = s.keysHeld;
        copy.caught = s.caught;
        copy.stepsLeft = s.stepTry ? s.stepsLeft : 0;
        return std::string(reinterpret_cast<const char*>(&copy), sizeof copy);
    };
    std::set<std::string> seen{image(from)};
    std::vector<WorldState> layer{from};
    for (size_t depth = 1; !layer.empty(); ++depth) {
        std::vector<WorldState> next;
        for (const WorldState& s : layer)
            for (char press : solver::Presses) {
                World world(Watched::No);
                world.restore(s);
                playPress(world, *pressOf(press));
                if (world.outcome() == nerilo::Outcome::Cleared) return depth;
                if (world.outcome() != nerilo::Outcome::AtRest) continue;
                if (seen.insert(image(world.state())).second) next.push_back(world.state());
            }
        layer = std::move(next);
    }
    return std::nullopt;
}

TEST(DeadEnd, SolveToolFromPressesAgreesWithALiteralSearch) {
    std::mt19937 random(27);
    int deadEnds = 0;
    for (int number : {2, 3, 4, 5, 8}) {
        const WorldState start = *solver::stageStart(shippedStage(number)).state;
        for (int round = 0; round < 6; ++round) {
            // Random presses that neither lose nor clear.
            std::string presses;
            WorldState position = start;
            const int length = std::uniform_int_distribution<int>(1, 12)(random);
            while (static_cast<int>(presses.size()) < length) {
                const char press = solver::Presses[random() % solver::Presses.size()];
                const solver::PositionAfter after = solver::positionAfter(position, std::string(1, press));
                if (!after.state) continue;
                position = *after.state;
                presses += press;
            }
            const ToolRun run = runTool(NERILO_SOLVE, "--json --keys " + presses + " " + shippedStage(number));
            const nlohmann::json json = nlohmann::json::parse(run.output);
            const std::optional<size_t> literal = literalShortest(position);
            const std::string what = "stage " + std::to_string(number) + " after " + presses;
            if (literal) {
                EXPECT_EQ(run.status, 0) << what;
                EXPECT_EQ(json["length"], *literal) << what;
            } else {
                ++deadEnds;
                EXPECT_EQ(run.status, 1) << what;
                EXPECT_EQ(json["solvable"], false) << what;
            }
        }
    }
    EXPECT_GT(deadEnds, 0) << "random presses on these stages walk into their traps";

    const ToolRun bad = runTool(NERILO_SOLVE, "--keys RQ " + shippedStage(2));
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.output.find("press 2 'Q' is not one of"), std::string::npos) << bad.output;
}

}  // namespace
}  // namespace nerilo::test
