// The session's background searches through a runner that runs a job only
// when the test says, so the order of starts, drops and results is the
// test's: what each result means to the session, that a dropped job is never
// heard of, and that a job that throws is a failed search.
#include <gtest/gtest.h>

#include <new>

#include "game/background_work.h"
#include "fake_runner.h"
#include "game_fixture.h"

namespace nerilo::test {
namespace {

struct Played {
    TestGame game;
    FakeRunner runner;
    explicit Played(bool deadEndWarning = false) {
        trapStage(game);
        game.engine.searches().setRunner(&runner);
        game.engine.searches().setDeadEndWarning(deadEndWarning);
        game.start();
        GameSetUp::followSearches(game.engine);
    }
    void play(std::string_view keys) {
        game.play(keys);
        GameSetUp::followSearches(game.engine);
    }
    const BackgroundSearches& searches() const { return game.engine.searches(); }
};

TEST(BackgroundWork, EachResultMeansWhatItsSearchIsFor) {
    {  // the hint: shown from the player's cell and counted
        Played p;
        p.game.engine.searches().askForHint();
        ASSERT_EQ(p.runner.started.back().kind, JobKind::Hint);
        p.runner.finish(p.game.engine);
        ASSERT_TRUE(p.searches().state().hint.shown);
        EXPECT_EQ(p.searches().state().hint.shown->press, 'L');
        EXPECT_EQ(p.searches().state().hint.cell, cell(5, 5));
        EXPECT_EQ(p.game.engine.round().history().hintsUsed(), 1);
    }
    {  // the dead-end warning: said, and the entry counted by the session
        Played p(true);
        EXPECT_EQ(p.runner.started.back().kind, JobKind::DeadEnd);
        p.runner.finish(p.game.engine);
        EXPECT_FALSE(p.searches().state().deadEnd.warning) << "the start can be cleared";
        p.play("R");
        p.runner.finish(p.game.engine);
        EXPECT_TRUE(p.searches().state().deadEnd.warning);
        p.play("B");
        EXPECT_FALSE(p.searches().state().deadEnd.warning) << "undo leaves the dead end";
    }
    {  // the editor's analysis waits for the pause after a stroke
        Played p;
        p.game.engine.editor().toggle();
        GameSetUp::followSearches(p.game.engine);
        ASSERT_EQ(p.runner.started.back().kind, JobKind::Analysis);
        EXPECT_EQ(p.runner.started.back().pauseMs, BackgroundSearches::AnalysisPauseMs);
        p.runner.finish(p.game.engine);
        ASSERT_TRUE(p.searches().state().analysis.result);
        EXPECT_EQ(p.searches().state().analysis.result->keys, "LLZ");
        EXPECT_TRUE(p.searches().state().analysis.result->analysis);
    }
}

TEST(BackgroundWork, ShortestLengthsAreSearchedOneAtATimeAndKeptByFingerprint) {
    Played p;
    Stage stairs;
    stairs.blocks[cell(5, 5)] = block::Player;
    stairs.ground[cell(5, 7)] = ground::Stairs;
    Game& g = p.game.engine;
    const size_t before = p.runner.started.size();
    EXPECT_TRUE(g.searches().shortestLength(7, stairs).searching);
    EXPECT_TRUE(g.searches().shortestLength(8, Stage{}).searching);
    ASSERT_EQ(p.runner.started.size(), before + 1) << "the second waits for the first";
    p.runner.finish(g);
    EXPECT_EQ(g.searches().shortestLength(7, Stage{}).presses, std::optional<int>(3)) << "the stage the list read, not this one";
    ASSERT_EQ(p.runner.started.size(), before + 2);
    p.runner.finish(g);
    const ShortestLength none = g.searches().shortestLength(8, Stage{});
    EXPECT_FALSE(none.searching);
    EXPECT_FALSE(none.presses) << "no player, no clear";
}

// A result must never speak for a position other than the one searched.
TEST(BackgroundWork, ADroppedJobIsNeverHeardOf) {
    struct Case {
        const char* what;
        bool deadEndWarning;
        std::function<void(Played&)> start, drop;
    };
    const Case cases[] = {
        {"a hint, by a press", false, [](Played& p) { p.game.engine.searches().askForHint(); },
         [](Played& p) { p.play("L"); }},
        {"a hint, asked again", false, [](Played& p) { p.game.engine.searches().askForHint(); },
         [](Played& p) { p.game.engine.searches().askForHint(); }},
        // Once a clear is known (the start's verdict): the first is let finish.
        {"a dead end, by a press", true, [](Played& p) { p.runner.finish(p.game.engine); p.play("R"); },
         [](Played& p) { p.play("B"); }},
        {"a dead end, by the option", true, [](Played& p) { p.play("R"); },
         [](Played& p) { p.game.engine.searches().setDeadEndWarning(false); }},
    };
    for (const Case& c : cases) {
        Played p(c.deadEndWarning);
        c.start(p);
        const uint64_t job = p.runner.started.back().id;
        c.drop(p);
        EXPECT_FALSE(p.runner.live(job)) << c.what;
        p.game.engine.searches().jobDone(runJob(*std::find_if(p.runner.started.begin(), p.runner.started.end(),
                                                   [&](const Job& j) { return j.id == job; })));
        EXPECT_FALSE(p.searches().state().hint.shown) << c.what;
        EXPECT_FALSE(p.searches().state().deadEnd.warning) << c.what;
        EXPECT_EQ(p.game.engine.round().history().hintsUsed(), 0) << c.what;
        EXPECT_EQ(p.game.engine.question(), nullptr) << c.what;
    }
}

TEST(BackgroundWork, AJobThatThrowsIsAFailedSearch) {
    Played p;
    p.game.engine.searches().askForHint();
    const JobResult failed =
        runJob(p.runner.started.back(), [](const solver::Progress&) { throw std::bad_alloc(); });
    EXPECT_TRUE(failed.failed);
    p.game.engine.searches().jobDone(failed);
    EXPECT_TRUE(p.searches().state().hint.notFound);
    EXPECT_EQ(p.game.engine.round().history().hintsUsed(), 0);
}

TEST(BackgroundWork, WithoutARunnerNothingRuns) {
    TestGame game;
    trapStage(game);
    game.engine.searches().setDeadEndWarning(true);
    game.start();
    GameSetUp::followSearches(game.engine);
    game.engine.searches().askForHint();
    EXPECT_EQ(game.engine.searches().state().deadEnd.job, 0u);
    EXPECT_EQ(game.engine.searches().state().hint.job, 0u);
    EXPECT_FALSE(game.engine.searches().shortestLength(1, Stage{}).searching);
}

// A verdict that knows no clear yet is let finish as the player presses on,
// and says nothing of a position he has left; the clear it finds guides the
// next, which is dropped at the next press, as it costs little.
TEST(BackgroundWork, AVerdictWithoutAKnownClearIsLetFinish) {
    Played p;
    p.play("R");
    p.game.engine.searches().setDeadEndWarning(true);  // the trap, searched knowing no clear
    const uint64_t trap = p.runner.started.back().id;
    p.play("B");
    EXPECT_EQ(p.runner.started.size(), 1u);
    EXPECT_TRUE(p.runner.live(trap));
    p.runner.finish(p.game.engine);
    EXPECT_FALSE(p.searches().state().deadEnd.warning) << "the trap's verdict is not the start's";
    GameSetUp::followSearches(p.game.engine);
    ASSERT_EQ(p.runner.started.size(), 2u);
    EXPECT_EQ(p.runner.started.back().start, p.game.world().state());
    EXPECT_FALSE(p.runner.started.back().known) << "a dead end has no clear to give";
    const WorldState atStart = p.game.world().state();
    p.runner.finish(p.game.engine);
    p.play("R");
    ASSERT_EQ(p.runner.started.size(), 3u);
    ASSERT_TRUE(p.runner.started.back().known) << "the next search meets the clear found";
    EXPECT_EQ(p.runner.started.back().known->from, atStart);
    EXPECT_EQ(p.runner.started.back().known->keys, "LLZ");
    p.runner.finish(p.game.engine);
    EXPECT_TRUE(p.searches().state().deadEnd.warning);
    p.play("B");
    p.play("L");
    EXPECT_FALSE(p.runner.live(p.runner.started[3].id)) << "a search that knows a clear is begun again";
}

// A clear that a hint or the stage list found guides the first verdict too.
TEST(BackgroundWork, AClearFoundByAHintOrTheStageListGuidesTheWarning) {
    const std::function<void(Played&)> finders[] = {
        [](Played& p) { p.game.engine.searches().askForHint(); },
        [](Played& p) { p.game.engine.searches().shortestLength(p.game.session().stageFingerprint, p.game.stage); },
    };
    for (const auto& find : finders) {
        Played p;
        find(p);
        p.runner.finish(p.game.engine);
        p.game.engine.searches().setDeadEndWarning(true);
        ASSERT_EQ(p.runner.started.back().kind, JobKind::DeadEnd);
        ASSERT_TRUE(p.runner.started.back().known);
        EXPECT_EQ(p.runner.started.back().known->keys, "LLZ");
        EXPECT_EQ(p.runner.started.back().known->from, p.game.world().state());
    }
}

// The page's worker hands them over as bytes: every field comes back, and a
// cut-off copy is refused.
TEST(BackgroundWork, JobsAndResultsCrossAsBytesUnchanged) {
    Played p;
    p.game.engine.searches().startFullSearch(0);
    const Job search = p.runner.started.back();
    JobResult searched = runJob(search);
    searched.search.refusal = "why";
    // The stage of the day's: the seed out, the stage back, with the text
    // that follows it in the bytes.
    p.game.engine.searches().startGeneration(20261208, 77);
    const Job generation = p.runner.started.back();
    JobResult generated;
    generated.id = generation.id;
    generated.kind = JobKind::Generate;
    generated.stage = p.game.stage;
    generated.stage->comment = "生成されたステージ";
    generated.search.keys = "RZ";
    generated.search.refusal = "why";
    EXPECT_EQ(decodeJob(encodeJob(generation))->seed, 20261208u);
    EXPECT_EQ(decodeJob(encodeJob(generation))->maxStates, 77u);
    EXPECT_EQ(decodeResult(encodeResult(generated))->stage, generated.stage);
    Job deadEnd = search;
    deadEnd.kind = JobKind::DeadEnd;
    deadEnd.known = solver::KnownClear{search.start, "LLZ"};
    EXPECT_EQ(decodeJob(encodeJob(deadEnd))->known->keys, "LLZ");
    for (const auto& [job, result] : {std::pair(search, searched), std::pair(generation, generated), std::pair(deadEnd, searched)}) {
        const std::string jobBytes = encodeJob(job), resultBytes = encodeResult(result);
        ASSERT_TRUE(decodeJob(jobBytes) && decodeResult(resultBytes));
        EXPECT_EQ(encodeJob(*decodeJob(jobBytes)), jobBytes);
        EXPECT_EQ(encodeResult(*decodeResult(resultBytes)), resultBytes);
        EXPECT_EQ(decodeResult(resultBytes)->search.refusal, "why");
        EXPECT_FALSE(decodeJob(jobBytes.substr(1)));
        EXPECT_FALSE(decodeResult(resultBytes.substr(0, 10)));
        EXPECT_FALSE(decodeResult(resultBytes.substr(0, resultBytes.size() - 5))) << "cut into its keys or stage";
    }
    EXPECT_TRUE(searched.search.analysis && !searched.search.keys.empty()) << "every part of a result is there to cross";
    EXPECT_FALSE(decodeResult(encodeResult(searched))->stage) << "a search has no stage";
}

}  // namespace
}  // namespace nerilo::test
