// The depth table of the numbered stages (assets/stage-depth.txt): it is what
// the solver measures now, every stored solution is a shortest clear, and every
// stage meets the band of its place in the set.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "solver/solver.h"
#include "stage_solutions.h"
#include "solver/walking.h"
#include "tools/depth_table.h"

namespace nerilo::test {
namespace {

const std::filesystem::path Source = NERILO_SOURCE_DIR;

std::map<int, DepthRow> storedTable() {
    std::string error;
    std::map<int, DepthRow> rows = parseDepthTable(readText(Source / "assets/stage-depth.txt"), error);
    EXPECT_TRUE(error.empty()) << "assets/stage-depth.txt: " << error;
    return rows;
}

// Measures the stages from `first` to `last` (two threads; the numbers do not
// depend on them) and compares each with its row.
void expectRowsMeasured(int first, int last) {
    const std::map<int, DepthRow> table = storedTable();
    for (int number = first; number <= last; ++number) {
        std::string error;
        const std::optional<DepthRow> row =
            measureStage(number, shippedStage(number), storedSolutions().at(number), 2, error);
        EXPECT_TRUE(row) << error;
        if (!row) continue;
        const auto stored = table.find(number);
        if (stored == table.end()) {
            ADD_FAILURE() << "stage " << number << " has no row: run scripts/stage-depth";
            continue;
        }
        EXPECT_EQ(formatDepthRow(stored->second), formatDepthRow(*row))
            << "stage " << number << ": run scripts/stage-depth";
    }
}

TEST(StageDepth, TheFirstTwentyRowsAreWhatTheSolverMeasures) { expectRowsMeasured(1, 20); }

// The last ten hold most of the positions: seconds here, minutes with the
// sanitizers, whose build checks the first twenty only.
TEST(StageDepth, TheLastTenRowsAreWhatTheSolverMeasures) {
#ifdef NERILO_SANITIZED
    GTEST_SKIP() << "measured in the normal build";
#endif
    expectRowsMeasured(21, 30);
}

// Thirty rows in order under the current head, exactly as the tool writes them.
TEST(StageDepth, TheFileIsAsTheToolWritesIt) {
    const std::map<int, DepthRow> table = storedTable();
    std::vector<DepthRow> rows;
    for (const auto& [number, row] : table) rows.push_back(row);
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows.front().stage, 1);
    EXPECT_EQ(rows.back().stage, 30);
    EXPECT_EQ(readText(Source / "assets/stage-depth.txt"), formatDepthTable(rows)) << "run scripts/stage-depth";
}

// The table holds the solver's shortest length, so a stored solution of that
// length is a shortest one.
TEST(StageDepth, EveryStoredSolutionIsAShortestClear) {
    const std::map<int, DepthRow> table = storedTable();
    const auto& solutions = storedSolutions();
    ASSERT_EQ(solutions.size(), 30u);
    ASSERT_EQ(table.size(), 30u);
    for (const auto& [number, keys] : solutions) {
        ASSERT_TRUE(table.count(number)) << "stage " << number;
        EXPECT_EQ(static_cast<int>(keys.size()), table.at(number).shortest) << "stage " << number;
    }
}

TEST(StageDepth, PlainWalkingCountsThePressesThatMoveOnlyThePlayer) {
    // R walks; R pushes the ball; U walks onto the key; Z picks it up; u opens
    // the plate above; U walks where it was; U steps on the spring, which throws
    // the player two cells on to the stairs; L only turns him towards a wall;
    // Z clears. Plain: R, U, U, U.
    TestGame game;
    game.block(cell(5, 2), block::Player).block(cell(5, 4), block::BlackBall).block(cell(4, 4), block::Key);
    game.ground(cell(3, 4), ground::WhiteKeyPlate).ground(cell(2, 4), ground::LowSpring);
    game.ground(cell(0, 4), ground::Stairs).ground(cell(0, 3), ground::Wall);
    game.start();
    const WorldState start = game.world().state();
    EXPECT_EQ(solver::plainWalkingPresses(start, "RRUZuUULZ"), 4);
    EXPECT_EQ(solver::plainWalkingPresses(start, "RRUZuUUL"), std::nullopt) << "not cleared";
    EXPECT_EQ(solver::plainWalkingPresses(start, "RRUZuUULZR"), std::nullopt) << "keys after the clear";
}

// The bands of the set, one test per ten stages.
DepthRow rowOf(const std::map<int, DepthRow>& table, int number) {
    const auto row = table.find(number);
    if (row == table.end()) {
        ADD_FAILURE() << "stage " << number << " has no row";
        return {};
    }
    return row->second;
}

// 1 to 10: the shortest clear grows gently, and a first trap (a reachable dead
// end) comes by stage 6.
TEST(StageDepth, TheFirstTenGrowGentlyAndSetAFirstTrapBySix) {
    const std::map<int, DepthRow> table = storedTable();
    bool trapBySix = false;
    for (int n = 1; n <= 10; ++n) {
        const DepthRow row = rowOf(table, n);
        if (n <= 6 && row.analysis.deadEnds > 0) trapBySix = true;
        if (n == 1) continue;
        const DepthRow previous = rowOf(table, n - 1);
        EXPECT_GE(row.shortest, previous.shortest) << "stage " << n;
        EXPECT_LE(row.shortest, previous.shortest + 6) << "stage " << n;
    }
    EXPECT_TRUE(trapBySix);
}

// 11 to 20: a wrong move can ruin each, there is room to go wrong, and the
// clear takes some work.

TEST(StageDepth, StagesElevenToTwentyCanBeRuinedAndTakeWork) {
    const std::map<int, DepthRow> table = storedTable();
    for (int n = 11; n <= 20; ++n) {
        const DepthRow row = rowOf(table, n);
        EXPECT_GT(row.analysis.deadEnds, 0u) << "stage " << n;
        EXPECT_GE(row.analysis.reachable, 1000u) << "stage " << n;
        EXPECT_GE(row.shortest, 20) << "stage " << n;
    }
}

// 21 to 30: large, with at least a fifth of the positions lost causes; the
// last five long, and long because of the puzzle rather than the walk, and
// deep: a hundred thousand positions, most of them lost causes, and the first
// of those only a few presses away, so that a careless start is punished.
TEST(StageDepth, TheLastTenAreDeepAndTheLastFiveLongByThePuzzle) {
    const std::map<int, DepthRow> table = storedTable();
    for (int n = 21; n <= 30; ++n) {
        const DepthRow row = rowOf(table, n);
        EXPECT_GE(row.analysis.reachable, 20000u) << "stage " << n;
        EXPECT_GE(row.analysis.deadEnds * 5, row.analysis.reachable) << "stage " << n;
        EXPECT_GE(row.shortest, n > 25 ? 60 : 40) << "stage " << n;
        if (n > 25) {
            EXPECT_LE(row.walking * 2, row.shortest) << "stage " << n;
            EXPECT_GE(row.analysis.reachable, 100000u) << "stage " << n;
            EXPECT_GE(row.analysis.deadEnds * 10, row.analysis.reachable * 7) << "stage " << n;
            EXPECT_GE(row.analysis.firstDeadEndDepth, 0) << "stage " << n;
            EXPECT_LE(row.analysis.firstDeadEndDepth, 5) << "stage " << n;
        }
    }
}

}  // namespace
}  // namespace nerilo::test
