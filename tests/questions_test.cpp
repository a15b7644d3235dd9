// The session's questions as data: a command that asks stops where it asks,
// nothing else runs in its place, and the answer lets it go on.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

struct AskingCase {
    const char* name;
    void (*command)(Game&);
    QuestionKind kind;
    Answer answer;
    bool (*answered)(const TestGame&);  // the state the answer leads to
};

TEST(Questions, ACommandThatAsksWaitsForTheAnswerAndGoesOnAsAnswered) {
    const AskingCase cases[] = {
        {"a target typed", [](Game& g) { g.editor().editStepTarget(); }, QuestionKind::Line, {.text = "42"},
         [](const TestGame& t) { return t.world().state().stepTarget == 42; }},
        {"a target cancelled", [](Game& g) { g.editor().editStepTarget(); }, QuestionKind::Line, {.button = MsgResult::Cancel},
         [](const TestGame& t) { return t.world().state().stepTarget == 200; }},
        {"a comment typed", [](Game& g) { g.editor().editComment(); }, QuestionKind::Lines, {.text = "two\nlines"},
         [](const TestGame& t) { return t.session().comment == "two\nlines"; }},
        {"a new board refused", [](Game& g) { g.editor().newStage(); }, QuestionKind::Message, {.button = MsgResult::Cancel},
         [](const TestGame& t) { return t.world().state().blocks[cell(5, 5)].code == block::Player; }},
        {"a new board agreed", [](Game& g) { g.editor().newStage(); }, QuestionKind::Message, {.button = MsgResult::Ok},
         [](const TestGame& t) { return t.world().state().blocks[cell(5, 5)].code == block::Empty; }},
        {"leaving the editor cancelled", [](Game& g) { g.editor().toggle(); }, QuestionKind::Message,
         {.button = MsgResult::Cancel}, [](const TestGame& t) { return t.session().editing(); }},
        {"leaving the editor unsaved", [](Game& g) { g.editor().toggle(); }, QuestionKind::Message,
         {.button = MsgResult::No}, [](const TestGame& t) { return !t.session().editing(); }},
    };
    for (const AskingCase& c : cases) {
        TestGame game;
        game.block(cell(5, 5), block::Player);
        game.load("stage1.txt");
        game.engine.editor().toggle();
        game.platform.deferAnswers = true;
        const GameSnapshot before = game.snapshot();
        c.command(game.engine);
        ASSERT_TRUE(game.engine.asking()) << c.name;
        ASSERT_NE(game.engine.question(), nullptr) << c.name;
        EXPECT_EQ(game.engine.question()->kind, c.kind) << c.name;
        // Nothing changed yet, and other commands wait with it.
        EXPECT_EQ(game.snapshot(), before) << c.name;
        game.engine.editor().newStage();
        game.engine.pressKey(PlayerKey::Delete);
        EXPECT_EQ(game.snapshot(), before) << c.name;
        game.engine.answer(c.answer);
        EXPECT_FALSE(game.engine.asking()) << c.name;
        EXPECT_TRUE(c.answered(game)) << c.name;
    }
}

// The clear window is open while the window's clock goes on: the world
// ticks, the clear is already kept, and only closing the window leads on.
TEST(Questions, TheClearWindowStaysOpenWhileTicksArriveAndClosingItLeadsOn) {
    TestGame game;
    game.block(cell(5, 5), block::Player).ground(cell(5, 6), ground::Stairs);
    game.load("stage2.txt");
    game.start("stage1.txt");
    game.platform.deferAnswers = true;
    game.play("RZ");
    ASSERT_TRUE(game.engine.asking());
    EXPECT_EQ(game.engine.question()->kind, QuestionKind::StageClear);
    for (int i = 0; i < 20; ++i) game.engine.tick();
    EXPECT_EQ(stageTitle(game.session()), "stage1.txt");
    EXPECT_EQ(game.progress()[0], 1);
    // The keys wait with the command: Delete would start the cleared round again.
    game.engine.pressKey(PlayerKey::Delete);
    EXPECT_EQ(game.player(), cell(5, 6));
    game.engine.answer({});
    EXPECT_FALSE(game.engine.asking());
    EXPECT_EQ(stageTitle(game.session()), "stage2.txt");
    EXPECT_TRUE(atRest(game.world().state()));
}

}  // namespace
}  // namespace nerilo::test
