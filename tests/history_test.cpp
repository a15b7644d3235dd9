// Undo and redo: which presses are steps, what undo restores, where a history
// begins and ends, and how little a long one costs.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "history/snapshot_stack.h"

namespace nerilo::test {
namespace {

size_t undoDepth(const TestGame& game) { return game.engine.round().history().undoDepth(); }
size_t redoDepth(const TestGame& game) { return game.engine.round().history().redoDepth(); }

// Plays one press and checks that it is one undo step: undo gives back the
// state before it exactly, redo the state after it, and undo once more the
// state before it again.
void expectOneStep(TestGame& game, std::string_view press) {
    const GameSnapshot before = game.engine.snapshot();
    const size_t depth = undoDepth(game);
    game.play(press);
    const GameSnapshot after = game.engine.snapshot();
    ASSERT_EQ(undoDepth(game), depth + 1) << press;
    ASSERT_FALSE(sameGame(before.world, after.world)) << press;
    game.engine.round().undo();
    EXPECT_TRUE(game.snapshot() == before) << press;
    EXPECT_EQ(redoDepth(game), 1u);
    game.engine.round().redo();
    EXPECT_TRUE(game.snapshot() == after) << press;
    EXPECT_EQ(redoDepth(game), 0u);
    game.engine.round().undo();
    EXPECT_TRUE(game.snapshot() == before) << press;
}

TEST(Undo, EveryKindOfPressIsOneStep) {
    struct Case {
        const char* what;
        std::function<void(TestGame&)> build;
        const char* lead;   // presses played before the one undone
        const char* press;
    };
    const Case cases[] = {
        {"step", [](TestGame& g) { g.block(cell(5, 5), 7); }, "", "R"},
        {"push", [](TestGame& g) { g.block(cell(5, 5), 7).block(cell(5, 6), 1); }, "", "R"},
        {"push of a conductor", [](TestGame& g) { g.ground(cell(0, 0), 7).ground(cell(0, 1), 2).block(cell(1, 2), 7).block(cell(1, 1), 2); }, "", "L"},
        {"kick", [](TestGame& g) { g.block(cell(5, 5), 7).block(cell(5, 6), 5); }, "", "R"},
        {"slide", [](TestGame& g) { g.block(cell(5, 5), 7).ground(cell(5, 6), 28); }, "", "R"},
        {"jump", [](TestGame& g) { g.block(cell(5, 5), 7).ground(cell(5, 6), 4); }, "", "R"},
        {"Shift action on a slot", [](TestGame& g) { g.block(cell(5, 5), 7).ground(cell(4, 5), 16); }, "", "u"},
        {"Shift action on a bar", [](TestGame& g) { g.block(cell(5, 5), 7).ground(cell(5, 6), 22); }, "", "r"},
        {"Shift step that acts on nothing", [](TestGame& g) { g.block(cell(5, 5), 7); }, "", "d"},
        {"key pickup", [](TestGame& g) { g.block(cell(5, 5), 7).block(cell(5, 6), 6); }, "R", "Z"},
        {"key plate opened", [](TestGame& g) { g.block(cell(5, 5), 7).block(cell(5, 6), 6).ground(cell(4, 6), 12); }, "RZ", "u"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestGame game;
        c.build(game);
        game.start();
        game.play(c.lead);
        expectOneStep(game, c.press);
    }
}

TEST(Undo, RefusedPressesAndPressesThatChangeNothingAreNoSteps) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(4, 5), 1).ground(cell(5, 4), 1);
    game.start();
    game.play("U");                 // into a wall: only turns
    game.play("l");                 // Shift against a plain wall: only turns
    game.play("Z_E");               // the action key on plain floor
    game.engine.pressKey(PlayerKey::Other);
    EXPECT_EQ(undoDepth(game), 0u);
    EXPECT_FALSE(game.engine.round().canUndo());
    EXPECT_EQ(game.engine.round().history().path(), "");
}

TEST(Undo, RestoresTheFacingOfTheMomentBeforeThePress) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(4, 5), 1);
    game.start();
    game.play("U");  // turns to face the wall
    const GameSnapshot facingUp = game.engine.snapshot();
    game.play("R");
    game.engine.round().undo();
    EXPECT_TRUE(game.snapshot() == facingUp);
    EXPECT_EQ(pictureOf(game.world().state(), game.world().drawing(), game.world().state().playerBlock), playerPicture(RestFrame[Up]));
}

TEST(Undo, ALostGameGoesBackBeforeTheLosingPressAndRunsAgain) {
    TestGame game;
    // The target powers the white plate into a deadly yellow one.
    game.ground(cell(4, 6), 7).ground(cell(5, 6), 2).block(cell(5, 5), 7);
    game.start();
    game.play("DU");
    const GameSnapshot before = game.engine.snapshot();
    game.play("R");
    ASSERT_TRUE(game.engine.isLost());
    EXPECT_TRUE(game.engine.round().canUndo());
    game.engine.round().undo();
    EXPECT_TRUE(game.snapshot() == before);
    EXPECT_TRUE(game.world().state().ticking);
    EXPECT_FALSE(game.world().state().inputLocked);
    game.play("L");
    EXPECT_EQ(game.player(), cell(5, 4));
    EXPECT_FALSE(game.engine.isLost());
}

// Undo goes back in the round, not in the player's choices: step-try mode
// switched since the press undone stays as it is now, off or on.
TEST(Undo, StepTryModeSwitchedSinceThePressStaysAsItIsNow) {
    struct Case {
        const char* what;
        bool before;
        std::function<void(TestGame&)> switchMode;
    };
    const Case cases[] = {
        {"switched off at rest", true, [](TestGame& g) { g.engine.toggleStepTry(); }},
        {"switched on while a press moves",
         false,
         [](TestGame& g) {
             g.engine.pressKey(PlayerKey::Right);
             g.engine.tick();
             g.engine.toggleStepTry();
             g.settle();
         }},
    };
    for (const Case& c : cases) {
        TestGame game;
        game.block(cell(5, 5), block::Player).target(40);
        game.world().setUp().stepTry = c.before;
        game.start();
        game.play("R");
        c.switchMode(game);
        ASSERT_EQ(game.world().state().stepTry, !c.before) << c.what;
        game.engine.round().undo();
        EXPECT_EQ(game.world().state().stepTry, !c.before) << c.what;
    }
}

TEST(Undo, TheStepCounterComesBackAndRunningOutIsUndone) {
    TestGame game;
    game.block(cell(5, 5), 7).target(2);
    game.world().setUp().stepTry = true;
    game.start();
    game.play("R");
    EXPECT_EQ(game.world().state().stepsLeft, 1);
    game.play("R");
    ASSERT_TRUE(game.engine.isLost());
    EXPECT_EQ(game.world().state().stepsLeft, 0);
    game.engine.round().undo();
    EXPECT_EQ(game.world().state().stepsLeft, 1);
    EXPECT_TRUE(game.world().state().ticking);
    game.engine.round().undo();
    EXPECT_EQ(game.world().state().stepsLeft, 2);
    EXPECT_EQ(game.player(), cell(5, 5));
    EXPECT_FALSE(game.engine.round().canUndo());
    // Back at the round's first key, step-try mode may be switched again.
    EXPECT_TRUE(game.world().state().awaitingFirstKey);
}

TEST(Undo, BlockModeWallsAndSuperModeTilesAreTakenBackExactly) {
    TestGame walls;
    walls.block(cell(5, 5), 7);
    walls.world().setUp().extraMode = ExtraMode::Block;
    walls.start();
    walls.play("RR");
    ASSERT_EQ(walls.world().state().ground[cell(5, 6)].code, ground::Wall);
    walls.engine.round().undo();
    EXPECT_EQ(walls.world().state().ground[cell(5, 6)].code, ground::Floor);
    EXPECT_EQ(walls.world().state().ground[cell(5, 5)].code, ground::Wall);
    // Switching the mode off is the player's choice, which undo keeps.
    walls.engine.toggleBlockMode();
    walls.engine.round().undo();
    EXPECT_EQ(walls.world().state().ground[cell(5, 5)].code, ground::Floor);
    EXPECT_EQ(walls.world().state().extraMode, ExtraMode::None);

    // Super mode draws its tiles from the game's generator, which undo winds
    // back: the same press again leaves the same tile.
    TestGame super;
    super.block(cell(5, 5), 7);
    super.world().setUp().extraMode = ExtraMode::Super;
    super.start();
    for (int i = 0; i < 20; ++i) super.play("D");
    const WorldSnapshot after = super.world().snapshot();
    super.engine.round().undo();
    super.play("D");
    EXPECT_TRUE(sameGame(super.world().snapshot(), after));
    EXPECT_TRUE(super.world().random() == after.random);
}

// Backspace pressed while a kicked ball rolls must not be lost: the undo
// (or redo) waits and runs once the ball has stopped, as the same letters
// would at rest. Pressed again meanwhile, the last one waits; a key or a new
// round drops it.
TEST(Undo, UndoAndRedoPressedWhileSomethingMovesRunOnceItIsAtRest) {
    struct Case {
        const char* lead;         // played before the kick
        const char* whileMoving;  // letters delivered one tick into the kick, without ticking
        const char* atRest;       // what they come to: delivered once the kick is at rest
    };
    // Steps to undo before the kick, and one to redo.
    const char* const steps = "UDUB";
    const Case cases[] = {
        {steps, "B", "B"}, {steps, "BB", "B"}, {steps, "FB", "B"}, {steps, "BF", "F"},
        {steps, "BR", ""}, {steps, "BT", "T"}, {steps, "F", "F"},
        {"", "B", "B"},  // the round's first press: no step yet, but one once it is at rest
    };
    const auto kick = [](TestGame& game, const char* lead) {
        game.block(cell(5, 5), block::Player).block(cell(5, 6), block::OliveBall);
        game.start();
        game.play(lead);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.whileMoving);
        TestGame game;
        kick(game, c.lead);
        game.engine.pressKey(PlayerKey::Right);
        game.engine.tick();
        ASSERT_TRUE(game.world().state().inputLocked);
        const GameSnapshot moving = game.engine.snapshot();
        for (const char letter : std::string_view(c.whileMoving)) pressLetter(game.engine, letter);
        if (std::string_view(c.whileMoving).find('T') == std::string_view::npos) {
            EXPECT_TRUE(game.snapshot() == moving) << "nothing is taken back before the ball stops";
        }
        game.settle();
        game.play("D");  // a step dropped must not come back to undo the next press

        TestGame atRest;
        kick(atRest, c.lead);
        atRest.play("R");
        ASSERT_EQ(atRest.blockOn(cell(5, 6), block::OliveBall), -1) << "the ball was kicked";
        for (const char letter : std::string_view(c.atRest)) pressLetter(atRest.engine, letter);
        atRest.settle();
        atRest.play("D");
        // The sessions differ in their folders, the drawings in the order the
        // rolling ball was raised in before a retry.
        EXPECT_TRUE(game.world().state() == atRest.world().state());
        EXPECT_EQ(undoDepth(game), undoDepth(atRest));
        EXPECT_EQ(redoDepth(game), redoDepth(atRest));
    }
}

TEST(Undo, UnlimitedBackToTheStartAndANewPressForgetsTheRedoSteps) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(6, 7), 1).ground(cell(3, 3), 8);
    game.start();
    const GameSnapshot start = game.engine.snapshot();
    const std::string presses = "RRDDLLUURDRDLULURRRRDDDLLLLUUUU";
    game.play(presses);
    const GameSnapshot end = game.engine.snapshot();
    const size_t steps = undoDepth(game);
    for (size_t i = 0; i < steps; ++i) game.engine.round().undo();
    EXPECT_FALSE(game.engine.round().canUndo());
    EXPECT_TRUE(game.snapshot() == start);
    for (size_t i = 0; i < steps; ++i) game.engine.round().redo();
    EXPECT_TRUE(game.snapshot() == end);
    EXPECT_FALSE(game.engine.round().canRedo());

    game.engine.round().undo();
    game.engine.round().undo();
    game.play("U");
    EXPECT_FALSE(game.engine.round().canRedo());
    EXPECT_EQ(undoDepth(game), steps - 1);
}

TEST(Undo, ThePathHoldsTheLettersOfThePressesThatCount) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(5, 6), 16).block(cell(7, 5), 6);
    game.start();
    game.play("r");    // the slot turns: kept in lower case
    game.play("RDD");  // into the turned slot: refused
    game.play("E_");   // E picks up the key and is kept as Z; _ finds nothing
    EXPECT_EQ(game.engine.round().history().path(), "rDDZ");
    game.play("BB");
    EXPECT_EQ(game.engine.round().history().path(), "rD");
    game.play("F");
    EXPECT_EQ(game.engine.round().history().path(), "rDD");
}

TEST(Undo, EveryNewRoundBeginsANewHistory) {
    auto played = [](const std::function<void(TestGame&)>& act) {
        TestGame game;
        game.block(cell(1, 1), 7);
        game.load("stage6.txt");
        game.stage = Stage{};
        game.block(cell(5, 5), 7).ground(cell(5, 9), 15);
        game.load("stage5.txt");
        game.engine.startRound();
        game.play("RRRB");
        game.engine.round().countHint();
        act(game);
        return std::make_tuple(undoDepth(game), redoDepth(game), game.engine.round().history().hintsUsed());
    };
    const auto none = std::make_tuple(size_t{0}, size_t{0}, 0);
    EXPECT_EQ(played([](TestGame& g) { g.engine.startRound(); }), none);
    EXPECT_EQ(played([](TestGame& g) { g.play("T"); }), none);
    EXPECT_EQ(played([](TestGame& g) { g.play("X"); }), none);
    EXPECT_EQ(played([](TestGame& g) { g.load("stage6.txt"); }), none);
    EXPECT_EQ(played([](TestGame& g) { g.engine.editor().toggle(); }), none);
    EXPECT_EQ(played([](TestGame& g) { g.engine.startOver(); }), none);
    // The stage change after a clear.
    EXPECT_EQ(played([](TestGame& g) { g.play("RRZ"); }), none);
    // A retry that cannot read its file changes nothing, the history neither.
    EXPECT_EQ(played([](TestGame& g) {
                  std::filesystem::remove(g.stageFile("stage5.txt"));
                  g.play("T");
              }),
              std::make_tuple(size_t{2}, size_t{1}, 1));
}

TEST(Undo, AClearCannotBeUndone) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(5, 6), 15);
    game.start("stage5.txt");  // no stage 6: the cleared board stays
    game.play("RZ");
    ASSERT_EQ(game.progress()[4], 1);
    const GameSnapshot cleared = game.engine.snapshot();
    game.play("B");
    EXPECT_TRUE(game.snapshot() == cleared);
    EXPECT_FALSE(game.engine.round().canUndo());
}

TEST(Undo, TheEditorHasNoUndo) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.start();
    game.play("R");
    game.engine.editor().toggle();
    game.engine.editor().chooseGroundBrush(ground::Wall);
    game.engine.editor().paintCell(cell(2, 2));
    EXPECT_FALSE(game.engine.round().canUndo());
    game.engine.round().undo();
    EXPECT_EQ(game.world().state().ground[cell(2, 2)].code, ground::Wall);
}

// A long round costs a few dozen bytes a press, not a whole state.
TEST(Undo, TwoThousandPressesKeepLittleMemory) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(7, 7), 1).ground(cell(0, 0), 7).ground(cell(0, 1), 2).ground(cell(0, 2), 2);
    game.world().setUp().stepTry = true;
    game.target(100000).start();
    std::string presses;
    for (int i = 0; i < 500; ++i) presses += "RDLU";
    game.play(presses);
    ASSERT_EQ(undoDepth(game), 2000u);
    EXPECT_LT(game.engine.round().history().bytes(), 2000u * 200u);
}

TEST(SnapshotStack, SnapshotsComeBackWhole) {
    TestGame game;
    game.block(cell(5, 5), 7);
    game.start();
    SnapshotStack stack;
    std::vector<WorldSnapshot> pushed;
    for (const char* step : {"R", "D", "DD", "L"}) {
        pushed.push_back(game.world().snapshot());
        stack.push(pushed.back());
        game.play(step);
        SuperModeRandom random = game.world().random();
        random.discard(700);  // the generator's whole table changes
        game.world().setRandom(random);
    }
    EXPECT_EQ(stack.size(), 4u);
    for (size_t i = pushed.size(); i-- > 0;) EXPECT_TRUE(stack.pop() == pushed[i]) << i;
    EXPECT_TRUE(stack.empty());
}

}  // namespace
}  // namespace nerilo::test
