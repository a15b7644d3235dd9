// The stage editor's commands on the engine.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace nerilo::test {
namespace {

TEST(Editor, EnteringEditModeStopsTheGameAndPutsEveryBlockHome) {
    TestGame game;
    game.block(cell(5, 5), 7).block(cell(5, 6), 1);
    game.start();
    game.play("R");
    game.form.Form_KeyDown(vk::Down, 0);
    game.form.Timer1_Timer();
    game.form.Editcheck_Click();
    const Form1& f = game.form;
    EXPECT_TRUE(f.Editcheck.checked);
    EXPECT_EQ(f.InputLock, -1);
    EXPECT_EQ(f.StepPhase, (std::array<uint8_t, 4>{}));
    EXPECT_TRUE(f.Editmode.visible);
    EXPECT_TRUE(f.Check1.enabled);
    EXPECT_FALSE(f.kaisi.enabled || f.retry.enabled || f.Command1.enabled);
    EXPECT_FALSE(f.Timer1Enabled);
    EXPECT_EQ(f.Height, EditingHeight);
    EXPECT_EQ(game.platform.windowHeight, EditingHeight);
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(f.BlockCell[i], i);
        EXPECT_EQ(f.Block[i].left, cellLeft(i));
        EXPECT_EQ(f.Block[i].top, cellTop(i));
        EXPECT_EQ(f.Block[i].picture, Btip(f.Block[i].code));
    }
    // Delete restarts the tick on the edited board, which then moves nothing.
    game.play("X");
    EXPECT_TRUE(f.Timer1Enabled);
    game.form.Form_KeyDown(vk::Right, 0);
    for (int i = 0; i < 8; ++i) game.form.Timer1_Timer();
    EXPECT_EQ(f.BlockCell[cell(5, 5)], cell(5, 5));
}

TEST(Editor, PalettesBrushesAndTheLayerButton) {
    TestGame game;
    game.load();
    Form1& f = game.form;
    f.Editcheck_Click();
    f.Btip_Click(4);
    EXPECT_EQ(f.Check1.caption, "↓切り替え");
    f.Jtip_Click(12);
    EXPECT_EQ(f.Check1.caption, "↑切り替え");
    EXPECT_EQ(f.Maptip.tag, 12);
    f.Block_MouseDown(cell(2, 2), 1, 0);
    EXPECT_EQ(f.Ji[cell(2, 2)].code, 12);
    f.Check1_Click();
    EXPECT_EQ(f.Check1.caption, "↓切り替え");
    f.Block_MouseDown(cell(2, 2), 1, 0);
    EXPECT_EQ(f.Block[cell(2, 2)].code, 4);
    EXPECT_EQ(f.Block[cell(2, 2)].picture, Btip(4));
    f.Blocktip_Click();
    EXPECT_EQ(f.Check1.caption, "↓切り替え") << "the eraser keeps the layer";
    EXPECT_EQ(f.Blocktip.tag, 0);
}

TEST(Editor, RightClickPicksAndAPickedEmptyBlockErases) {
    TestGame game;
    game.block(cell(3, 3), 1).load();
    Form1& f = game.form;
    f.Editcheck_Click();
    f.Btip_Click(2);
    f.Block_MouseDown(cell(9, 9), 2, 0);  // pick an empty cell
    EXPECT_EQ(f.Blocktip.tag, 0);
    f.Block_MouseDown(cell(3, 3), 1, 0);
    EXPECT_EQ(f.Block[cell(3, 3)].code, 0);
    f.Check1_Click();
    f.Block_MouseDown(cell(3, 3), 2, 0);
    EXPECT_EQ(f.Maptip.tag, 0);
}

TEST(Editor, ClicksOutsideEditModeDoNothing) {
    TestGame game;
    game.start();
    game.form.Block_MouseDown(cell(1, 1), 1, 0);
    EXPECT_EQ(game.form.Block[cell(1, 1)].code, 0);
    EXPECT_EQ(game.form.Ji[cell(1, 1)].code, 0);
}

TEST(Editor, LeavingAsksAndCancelKeepsEditMode) {
    TestGame game;
    game.block(cell(1, 1), 7).load("stage1.txt");
    Form1& f = game.form;
    f.Editcheck_Click();
    f.Jtip_Click(1);
    f.Block_MouseDown(cell(0, 0), 1, 0);
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    f.Editcheck_Click();
    EXPECT_TRUE(f.Editcheck.checked);
    EXPECT_EQ(f.Ji[cell(0, 0)].code, 1);
    EXPECT_EQ(game.platform.messages.back().text, "エディトモードを終了します。\n保存しますか？");

    game.platform.messageAnswers.push_back(MsgResult::No);
    f.Editcheck_Click();
    EXPECT_FALSE(f.Editcheck.checked);
    EXPECT_EQ(f.Ji[cell(0, 0)].code, 0) << "stage 1 is loaded again";
    EXPECT_EQ(f.StageName.caption, "stage1.txt");
    EXPECT_FALSE(f.Editmode.visible);
    EXPECT_TRUE(f.kaisi.enabled && f.retry.enabled && f.Command1.enabled);
    EXPECT_FALSE(f.Check1.enabled);
    EXPECT_EQ(f.Height, PlayingHeight);
    EXPECT_EQ(f.InputLock, -1);
}

TEST(Editor, ADrawnStageSavedAndReopenedIsTheSameStage) {
    TestGame game;
    game.load();
    Form1& f = game.form;
    f.Editcheck_Click();
    game.platform.messageAnswers.push_back(MsgResult::Ok);
    f.Newedit_Click();
    f.Jtip_Click(15);
    f.Block_MouseDown(cell(4, 9), 1, 0);
    f.Btip_Click(7);
    f.Block_MouseDown(cell(4, 2), 1, 0);
    game.platform.inputAnswers = {"階段へ行こう", "150"};
    f.Optcoments_Click();
    f.Optimer_Click();
    const std::string path = game.stageFile("drawn.txt");
    game.platform.fileAnswers.push_back(path);
    f.hozon_Click();

    StageRead read = readStageFile(path);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.stage.ground[cell(4, 9)], 15);
    EXPECT_EQ(read.stage.blocks[cell(4, 2)], 7);
    EXPECT_EQ(read.stage.comment, "階段へ行こう");
    EXPECT_EQ(read.stage.stepTarget, 150);

    TestGame player;
    player.stage = read.stage;
    player.form.Tokein.checked = true;
    player.start();
    player.play("RRRRRRR");
    EXPECT_EQ(player.form.Label1.caption, "143");
    player.play("Z");
    EXPECT_EQ(player.platform.clears.size(), 1u);
}

TEST(Editor, NewStageAsksAndKeepsTheTarget) {
    TestGame game;
    game.ground(0, 1).comment("old").target(55).load();
    game.form.Editcheck_Click();
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    game.form.Newedit_Click();
    EXPECT_EQ(game.form.Ji[0].code, 1);
    game.form.Newedit_Click();
    EXPECT_EQ(game.form.Ji[0].code, 0);
    EXPECT_EQ(game.form.ComentsTag, "");
    EXPECT_EQ(game.form.VospFileName, "");
    EXPECT_EQ(game.form.Label1.tag, "55");
    EXPECT_EQ(game.platform.messages[0].text, "クリアします。\n保存をしていない場合はキャンセルを押してください");
}

TEST(Editor, AStepTargetSetInTheEditorIsUsedByTheNextGame) {
    TestGame game;
    game.block(cell(5, 5), 7).target(20).load();
    game.platform.inputAnswers.push_back("150");
    game.form.Optimer_Click();
    game.form.Label1.caption = "3";
    game.form.kaisi_Click();
    EXPECT_EQ(game.form.Label1.caption, "150");
    game.play("RX");
    EXPECT_EQ(game.form.Label1.caption, "150");
}

TEST(Editor, StepTargetAnswers) {
    struct Case { std::string answer; std::string target; };
    const Case cases[] = {{"150", "150"}, {"0", "77"}, {"", "77"}, {"00", "0"}, {"abc", "0"}, {"-5", "-5"},
                          {"12 steps", "12"}, {"1e40", "77"}};
    for (const Case& c : cases) {
        TestGame game;
        game.target(77).load();
        game.platform.inputAnswers.push_back(c.answer);
        game.form.Optimer_Click();
        EXPECT_EQ(game.form.Label1.tag, c.target) << c.answer;
        EXPECT_EQ(game.form.Label1.caption, c.target) << c.answer;
    }
}

TEST(Editor, CommentAnswers) {
    TestGame game;
    game.comment("old").load();
    game.platform.inputAnswers = {"", "new, with commas", "絵文字😀"};
    game.form.Optcoments_Click();
    EXPECT_EQ(game.form.ComentsTag, "old");
    game.form.Optcoments_Click();
    EXPECT_EQ(game.form.ComentsTag, "new, with commas");
    game.form.Optcoments_Click();
    EXPECT_EQ(game.form.ComentsTag, "new, with commas");
    EXPECT_EQ(game.platform.messages.size(), 1u);
    game.form.Coments_Click();
    EXPECT_EQ(game.platform.messages.back().text, "new, with commas");
    EXPECT_EQ(game.platform.messages.back().icon, MsgIcon::Information);
}

}  // namespace
}  // namespace nerilo::test
