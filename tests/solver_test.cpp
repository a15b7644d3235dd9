// The solver: shortest clears, proofs that none exists, limits, modes, the
// analysis, and the position key's completeness against whole game states.
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "game_fixture.h"
#include "solver/hint.h"
#include "solver/position_codec.h"
#include "solver/solver.h"
#include "stage_solutions.h"

namespace nerilo::test {
namespace {

using solver::Outcome;

solver::Result solveFile(const std::string& path, solver::Options options = {}, bool stepTry = false,
                         bool blockMode = false) {
    const solver::StageStart start = solver::stageStart(path, stepTry, blockMode);
    EXPECT_TRUE(start.state) << start.error;
    return solver::solve(*start.state, options);
}

// Plays a solver's keys on a fresh start and says whether they clear.
bool clears(const std::string& path, const std::string& keys, bool stepTry = false, bool blockMode = false) {
    World world;
    world.restore(*solver::stageStart(path, stepTry, blockMode).state);
    for (char letter : keys) {
        if (world.outcome() != nerilo::Outcome::AtRest) return false;
        playPress(world, *pressOf(letter));
    }
    return world.outcome() == nerilo::Outcome::Cleared;
}

TEST(Solver, FindsTheStoredShortestClearOfEveryStageButTheLargest) {
    // Clears found by a search must not reach the player's progress file.
    TempDir data;
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    for (const auto& [number, keys] : storedSolutions()) {
        if (number == 26) continue;  // the largest search, with the depth table (stage_depth_test.cpp)
        const std::string path = shippedStage(number);
        const solver::Result result = solveFile(path);
        ASSERT_EQ(result.outcome, Outcome::Solved) << "stage " << number;
        EXPECT_EQ(result.keys.size(), keys.size()) << "stage " << number << ": " << result.keys;
        EXPECT_TRUE(clears(path, result.keys)) << "stage " << number;
    }
    EXPECT_TRUE(std::filesystem::is_empty(data.path()));
    ::unsetenv("XDG_DATA_HOME");
}

// That the solver finds a clear of every shipped stage, of the stored
// solution's length, that clears when played, is checked with the depth table
// (stage_depth_test.cpp), which analyses all thirty.

TEST(Solver, TheResultDoesNotDependOnTheNumberOfThreads) {
    // Analysed to the end, and stopped by the first clear while other
    // threads still expand the batches after it.
    for (const auto& [number, analyse] : {std::pair{25, true}, {30, true}, {27, false}, {29, false}}) {
        solver::Options options;
        options.analyse = analyse;
        const solver::Result one = solveFile(shippedStage(number), options);
        for (int threads : {2, 3}) {
            options.threads = threads;
            const solver::Result more = solveFile(shippedStage(number), options);
            EXPECT_EQ(one.keys, more.keys) << number;
            EXPECT_EQ(one.stored, more.stored) << number;
            EXPECT_EQ(one.expanded, more.expanded) << number;
            ASSERT_EQ(one.analysis.has_value(), more.analysis.has_value());
            if (one.analysis) {
                EXPECT_EQ(*one.analysis, *more.analysis) << number;
            }
        }
    }
}

TEST(Solver, AnalysisCountsPositionsDeadEndsAndLosingPresses) {
    TestGame game;
    trapStage(game);
    game.load();
    solver::Options options;
    options.analyse = true;
    const solver::Result result = solveFile(game.stageFile("test.txt"), options);
    ASSERT_EQ(result.outcome, Outcome::Solved);
    EXPECT_EQ(result.keys, "LLZ");
    ASSERT_TRUE(result.analysis);
    // (5,5) (5,4) (5,3), and beyond the arrow (5,8) (5,7), from where the arrow always carries back.
    EXPECT_EQ(result.analysis->reachable, 5u);
    EXPECT_EQ(result.analysis->deadEnds, 2u);
    EXPECT_EQ(result.analysis->firstDeadEndDepth, 1);
    EXPECT_EQ(result.analysis->losingPresses, 2u) << "U and u onto the powered yellow plate";
}

TEST(Solver, AnalysisCountsTheDecisionsAlongTheClear) {
    // Along LLZ: at (5,5) R rides the arrow into a dead end, at (5,4) U loses
    // on the plate, at (5,3) nothing goes wrong. Each way of going wrong
    // counts on its own. A position is quiet when no way wrong lies within a
    // few presses: the arrow is two presses from (5,4) and three from (5,3).
    const struct {
        bool arrow, plate;
        int decisions, longestQuiet;
    } cases[] = {{true, true, 2, 0}, {true, false, 1, 0}, {false, true, 1, 1}, {false, false, 0, 3}};
    for (const auto& c : cases) {
        TestGame game;
        trapStage(game);
        if (!c.arrow) game.ground(cell(5, 6), ground::Floor);
        if (!c.plate) game.ground(cell(4, 4), ground::Wall);
        game.load();
        solver::Options options;
        options.analyse = true;
        const solver::Result result = solveFile(game.stageFile("test.txt"), options);
        ASSERT_EQ(result.keys, "LLZ");
        ASSERT_TRUE(result.analysis);
        EXPECT_EQ(result.analysis->decisions, c.decisions) << "arrow " << c.arrow << ", plate " << c.plate;
        EXPECT_EQ(result.analysis->longestQuiet, c.longestQuiet) << "arrow " << c.arrow << ", plate " << c.plate;
    }
}

TEST(Solver, ProvesStagesUnsolvableAndStopsAtItsLimit) {
    TestGame noStairs;
    noStairs.block(cell(5, 5), block::Player).block(cell(5, 6), block::BlackBall);
    noStairs.load();
    EXPECT_EQ(solveFile(noStairs.stageFile("test.txt")).outcome, Outcome::Unsolvable);

    TestGame noPlayer;
    noPlayer.ground(cell(5, 5), ground::Stairs);
    noPlayer.load();
    EXPECT_EQ(solveFile(noPlayer.stageFile("test.txt")).outcome, Outcome::Unsolvable);

    // The last player block is the player; the other stays a picture in the way.
    TestGame twoPlayers;
    twoPlayers.block(cell(5, 5), block::Player).block(cell(5, 7), block::Player).ground(cell(5, 8), ground::Stairs);
    twoPlayers.load();
    EXPECT_EQ(solveFile(twoPlayers.stageFile("test.txt")).keys, "RZ");

    solver::Options tiny;
    tiny.maxStates = 50;
    const solver::Result limited = solveFile(shippedStage(26), tiny);
    EXPECT_EQ(limited.outcome, Outcome::LimitReached);
    EXPECT_EQ(limited.stored, 50u);
}

TEST(Solver, StepTryCountsStepsAndBlockModeWallsTheWayBack) {
    // A key two cells left, its plate and the stairs to the right: the way back
    // passes cells already walked.
    TestGame game;
    for (int c = 1; c <= 9; ++c) game.ground(cell(4, c), ground::Wall).ground(cell(6, c), ground::Wall);
    game.ground(cell(5, 1), ground::Wall).ground(cell(5, 9), ground::Wall);
    game.block(cell(5, 5), block::Player).block(cell(5, 3), block::Key);
    game.ground(cell(5, 7), ground::WhiteKeyPlate).ground(cell(5, 8), ground::Stairs);
    game.target(7);
    game.load();
    const std::string path = game.stageFile("test.txt");

    const solver::Result normal = solveFile(path);
    ASSERT_EQ(normal.outcome, Outcome::Solved);
    EXPECT_EQ(normal.keys, "LLZRRRrRRZ") << "the plate is opened from the cell beside it";
    EXPECT_EQ(solveFile(path, {}, true).outcome, Outcome::Unsolvable)
        << "seven steps with a target of 7: the step that reaches 0 loses";
    EXPECT_EQ(solveFile(path, {}, false, true).outcome, Outcome::Unsolvable);

    TestGame roomy;
    roomy.block(cell(5, 5), block::Player).ground(cell(5, 8), ground::Stairs).target(4);
    roomy.load();
    const solver::Result counted = solveFile(roomy.stageFile("test.txt"), {}, true);
    ASSERT_EQ(counted.outcome, Outcome::Solved);
    EXPECT_TRUE(clears(roomy.stageFile("test.txt"), counted.keys, true));
    EXPECT_EQ(solveFile(roomy.stageFile("test.txt"), {}, false, true).keys, "RRRZ");
}

TEST(Solver, RefusesSuperModeAndPositionsNotAtRestAndStopsWhenCancelled) {
    TestGame game;
    trapStage(game);
    game.start();
    WorldState super = game.world().state();
    super.extraMode = ExtraMode::Super;
    EXPECT_EQ(solver::solve(super).outcome, Outcome::Refused);
    game.engine.pressKey(PlayerKey::Left);
    EXPECT_EQ(solver::solve(game.world().state()).outcome, Outcome::Refused) << "the player is mid-step";

    // The flag is read before every position, by every thread.
    const std::atomic<bool> cancel{true};
    for (int threads : {1, 2}) {
        solver::Options options;
        options.threads = threads;
        const solver::Result cancelled = solver::solve(*solver::stageStart(shippedStage(26)).state, options, {}, &cancel);
        EXPECT_EQ(cancelled.outcome, Outcome::Cancelled);
        EXPECT_EQ(cancelled.expanded, 0u);
        EXPECT_TRUE(cancelled.keys.empty());
    }
}

// An author's stage can hold a press that never comes to rest: a ring of
// arrows carries the player round for the whole tick cap. A cancelled search
// must not wait for such a press to run out.
TEST(Solver, ACancelledPressStopsWithinItsFirstTicks) {
    TestGame game;
    game.ground(cell(5, 6), ground::ArrowDown).ground(cell(6, 6), ground::ArrowLeft);
    game.ground(cell(6, 5), ground::ArrowUp).ground(cell(4, 5), ground::ArrowDown);
    game.block(cell(3, 5), block::Player).ground(cell(5, 5), ground::ArrowRight);
    game.start();
    for (const bool cancelled : {false, true}) {
        World world(Watched::No);
        world.restore(game.world().state());
        const std::atomic<bool> cancel{cancelled};
        const PressRun run = playPress(world, {Key::Down}, PressTickCap, &cancel);
        EXPECT_EQ(run.stuck, !cancelled);
        EXPECT_EQ(run.cancelled, cancelled);
        EXPECT_LE(run.ticks, cancelled ? CancelTicks : PressTickCap);
    }
}

// Every field the rules read, compared between a real position and the one its key unpacks to.
void expectSamePosition(const WorldState& real, const WorldState& decoded, const std::string& where) {
    for (int c = 0; c < CellCount; ++c) {
        ASSERT_EQ(real.ground[c].code, decoded.ground[c].code) << where << " cell " << c;
        ASSERT_EQ(real.ground[c].power, decoded.ground[c].power) << where << " cell " << c;
        ASSERT_EQ(real.overlays[c].marked, decoded.overlays[c].marked) << where << " cell " << c;
        ASSERT_EQ(real.blocks[c].code, decoded.blocks[c].code) << where << " block " << c;
        ASSERT_EQ(real.blockCell[c], decoded.blockCell[c]) << where << " block " << c;
    }
    ASSERT_EQ(real.caught, decoded.caught) << where;
    ASSERT_EQ(real.keysHeld, decoded.keysHeld) << where;
    ASSERT_EQ(real.kickInProgress, decoded.kickInProgress) << where;
    ASSERT_EQ(real.stepsLeft, decoded.stepsLeft) << where;
    ASSERT_EQ(real.playerBlock, decoded.playerBlock) << where;
    ASSERT_EQ(real.movingBlock, decoded.movingBlock) << where;
    ASSERT_EQ(real.moveKind, decoded.moveKind) << where;
    ASSERT_EQ(real.stepPhase, decoded.stepPhase) << where;
    ASSERT_EQ(real.inputLocked, decoded.inputLocked) << where;
    ASSERT_EQ(real.ticking, decoded.ticking) << where;
}

// Explores up to `limit` positions keeping whole states, and checks that each
// position's key unpacks to the same position, and that the key and the whole
// state lead to the same keys after every press. Keys are unpacked in the
// order the search meets them, into one world, as a search thread does.
void expectCompleteKeys(const WorldState& start, size_t limit, const std::string& label) {
    solver::PositionCodec codec(start);
    World trial, decoded;
    decoded.restore(start);
    std::vector<uint8_t> previous;
    std::map<std::vector<uint8_t>, WorldState> seen;
    std::vector<WorldState> queue{start};
    std::vector<uint8_t> key(codec.keyBytes()), childKey(codec.keyBytes()), decodedChildKey(codec.keyBytes());
    codec.encode(start, key.data());
    seen.emplace(key, start);
    for (size_t head = 0; head < queue.size() && seen.size() < limit; ++head) {
        const WorldState position = queue[head];
        codec.encode(position, key.data());
        codec.decode(key.data(), decoded, previous.empty() ? nullptr : previous.data());
        previous = key;
        expectSamePosition(position, decoded.state(), label + " position " + std::to_string(head));
        const WorldState unpacked = decoded.state();
        for (char press : solver::Presses) {
            auto play = [&](const WorldState& from, std::vector<uint8_t>& out) {
                trial.restore(from);
                const PressRun run = playPress(trial, *pressOf(press), 10000);
                const bool cleared = run.outcome == nerilo::Outcome::Cleared;
                const bool atRest = !cleared && run.outcome != nerilo::Outcome::Lost && !run.stuck;
                if (atRest) codec.encode(trial.state(), out.data());
                return std::make_pair(atRest, cleared);
            };
            const auto real = play(position, childKey);
            const auto fromKey = play(unpacked, decodedChildKey);
            ASSERT_EQ(real, fromKey) << label << " position " << head << " press " << press;
            if (!real.first) continue;
            ASSERT_EQ(childKey, decodedChildKey) << label << " position " << head << " press " << press;
            if (seen.emplace(childKey, trial.state()).second) {
                trial.restore(position);
                playPress(trial, *pressOf(press), 10000);
                queue.push_back(trial.state());
            }
        }
    }
}

TEST(Solver, ThePositionKeyHoldsEverythingThatDecidesTheFuture) {
    for (const auto& [number, keys] : storedSolutions()) {
        const WorldState start = *solver::stageStart(shippedStage(number), number % 3 == 0, number % 5 == 0).state;
        expectCompleteKeys(start, 400, "stage " + std::to_string(number));
    }
}

TEST(Solver, ThePositionKeyHoldsACircuitFrozenByAStuckKick) {
    // The ball rides its own arrow into the right edge: the kick flag stays set
    // and the circuit is not evaluated until the player's next move ends, so
    // the slot above the player, switched with Shift+Up, stays unpowered.
    TestGame game;
    game.block(cell(5, 10), block::Player).block(cell(5, 11), block::OliveBall).ground(cell(5, 14), ground::ArrowRight);
    game.ground(cell(3, 10), ground::Target).ground(cell(4, 10), ground::UpperSlot);
    game.ground(cell(2, 2), ground::Stairs);
    game.start();
    game.play("R");
    ASSERT_TRUE(game.world().state().kickInProgress);
    expectCompleteKeys(game.world().state(), 300, "stuck kick");
}

}  // namespace
}  // namespace nerilo::test

namespace nerilo::test {
namespace {

TEST(Hint, SaysTheFirstPressOfAShortestClearAndWhenThereIsNone) {
    solver::Result solved;
    solved.outcome = Outcome::Solved;
    solved.keys = "rRZ";
    const std::optional<solver::Hint> hint = solver::hintOf(solved);
    ASSERT_TRUE(hint);
    EXPECT_EQ(solver::hintText(*hint).japanese(), "Shift+→ あと 3 手");
    EXPECT_EQ(solver::hintText({'Z', 1}).japanese(), "Z あと 1 手");
    EXPECT_EQ(solver::hintText({'U', 12}).japanese(), "↑ あと 12 手");

    solver::Result unsolvable;
    unsolvable.outcome = Outcome::Unsolvable;
    EXPECT_FALSE(solver::hintOf(unsolvable));
    solver::Result limited;
    limited.outcome = Outcome::LimitReached;
    EXPECT_FALSE(solver::hintOf(limited));
}

}  // namespace
}  // namespace nerilo::test
