// What the window shows, derived from the game state: the Japanese captions and
// colours players see, and which commands are offered when.
#include <algorithm>
#include <vector>
#include <gtest/gtest.h>

#include "view/drawing_order.h"
#include "view/presentation.h"
#include "game/commands.h"
#include "game_fixture.h"

namespace nerilo::test {
namespace {

// A world and a session in one value, so each case sets the fields it needs.
struct Shown : WorldState, SessionState {};
WindowView viewOf(const Shown& shown) { return nerilo::viewOf(shown, shown); }
// A command of the table as the menus offer it in this state.
CommandState offered(const Shown& shown, std::string_view id, bool canUndo = false, bool canRedo = false) {
    return findCommand(id)->state({shown, shown, canUndo, canRedo});
}

TEST(Presentation, CaptionsAndColours) {
    Shown state;
    WindowView view = viewOf(state);
    EXPECT_EQ(view.roundButton.caption.japanese(), "開始");
    EXPECT_EQ(view.openButton.caption.japanese(), "開く");
    EXPECT_EQ(view.commentButton.caption.japanese(), "コメント");
    EXPECT_EQ(view.stepTryButton.caption.japanese(), "歩数トライ");
    EXPECT_EQ(view.stepTryButton.colour, White);
    EXPECT_EQ(view.layerButton.caption.japanese(), "↑切り替え");
    EXPECT_EQ(view.stepsLeft, "200");

    state.roundCommand = RoundCommand::Retry;
    state.paintLayer = PaintLayer::Blocks;
    state.stepTry = true;
    state.stepsLeft = -3;
    state.keysHeld = 2;
    view = viewOf(state);
    EXPECT_EQ(view.roundButton.caption.japanese(), "再挑戦");
    EXPECT_EQ(view.layerButton.caption.japanese(), "↓切り替え");
    EXPECT_EQ(view.stepTryButton.colour, Yellow);
    EXPECT_EQ(view.stepsLeft, "-3");
    EXPECT_EQ(view.keysHeld, "2");
}

TEST(Presentation, CommandsOfferedWhilePlayingAndEditing) {
    Shown state;
    WindowView view = viewOf(state);
    EXPECT_TRUE(offered(state, "start").enabled && offered(state, "retry").enabled && view.roundButton.enabled);
    EXPECT_FALSE(view.layerButton.enabled || view.editorMenuVisible || offered(state, "editor").checked);
    EXPECT_FALSE(offered(state, "blockMode").enabled || offered(state, "superMode").enabled);
    EXPECT_EQ(view.height, PlayingHeight);

    state.roundStarted = true;
    state.blockModeUnlocked = true;
    state.extraMode = ExtraMode::Block;
    EXPECT_FALSE(offered(state, "start").enabled) << "a started round is retried, not started";
    EXPECT_TRUE(offered(state, "blockMode").enabled && offered(state, "blockMode").checked);
    EXPECT_FALSE(offered(state, "superMode").enabled || offered(state, "superMode").checked);

    state.roundStarted = false;
    state.mode = Mode::Editing;
    view = viewOf(state);
    EXPECT_FALSE(offered(state, "start").enabled || offered(state, "retry").enabled || view.roundButton.enabled);
    EXPECT_TRUE(view.layerButton.enabled && view.editorMenuVisible && offered(state, "editor").checked);
    EXPECT_EQ(view.height, EditingHeight);
    EXPECT_EQ(view.blockBrush, blockPicture(block::BlackBall));
    EXPECT_FALSE(offered(state, "stageList").enabled || view.stageListButton.enabled);
}

TEST(Presentation, UndoRedoAndTheStageList) {
    Shown state;
    WindowView view = viewOf(state);
    EXPECT_FALSE(offered(state, "undo").enabled || offered(state, "redo").enabled);
    EXPECT_TRUE(offered(state, "stageList").enabled && view.stageListButton.enabled);
    EXPECT_EQ(view.stageListButton.caption.japanese(), "ステージ一覧");
    EXPECT_TRUE(offered(state, "undo", true, false).enabled);
    EXPECT_FALSE(offered(state, "redo", true, false).enabled);
    EXPECT_FALSE(offered(state, "undo", false, true).enabled);
    EXPECT_TRUE(offered(state, "redo", false, true).enabled);
}

// A hint is a search from a position at rest, which super mode's random tiles rule out.
TEST(Presentation, AHintIsOfferedOnlyAtRestAndNeverInSuperMode) {
    Shown state;
    EXPECT_FALSE(offered(state, "hint").enabled) << "before the round starts";
    state.ticking = true;
    EXPECT_TRUE(offered(state, "hint").enabled);
    state.inputLocked = true;
    EXPECT_FALSE(offered(state, "hint").enabled) << "while the player moves";
    state.inputLocked = false;
    state.extraMode = ExtraMode::Block;
    EXPECT_TRUE(offered(state, "hint").enabled);
    state.extraMode = ExtraMode::Super;
    EXPECT_FALSE(offered(state, "hint").enabled);
}

// A status as the scripted platform would say it, in Japanese.
struct SaidStatus {
    std::string headline;
    Rgb colour;
    std::vector<std::string> hints;
    friend bool operator==(const SaidStatus&, const SaidStatus&) = default;
};
SaidStatus said(const StatusView& status) {
    SaidStatus result{status.headline.japanese(), status.colour, {}};
    for (const Text& hint : status.hints) result.hints.push_back(hint.japanese());
    return result;
}

// The panel says what state the game is in, played through a real game.
TEST(Presentation, TheStatusFollowsTheGame) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(5, 6), 15).ground(cell(4, 0), 7).ground(cell(4, 1), 20).target(30);
    game.load("stage29.txt");
    EXPECT_EQ(said(statusOf(game.world().state(), game.session())), (SaidStatus{"F1 で開始", White, {}}));
    game.engine.startRound();
    EXPECT_EQ(said(statusOf(game.world().state(), game.session())), (SaidStatus{"プレイ中", Silver, {}}));
    game.play("U");  // into the beam of the emitter at (4, 1)
    ASSERT_TRUE(game.engine.isLost());
    const SaidStatus lost = said(statusOf(game.world().state(), game.session()));
    EXPECT_EQ(lost.headline, "ミス！");
    EXPECT_EQ(lost.colour, Red);
    EXPECT_EQ(lost.hints, (std::vector<std::string>{"Delete でリトライ", "Backspace で一手戻す"}));
    game.play("X");
    EXPECT_EQ(statusOf(game.world().state(), game.session()).headline.japanese(), "プレイ中");

    game.engine.editor().toggle();
    EXPECT_EQ(statusOf(game.world().state(), game.session()).headline.japanese(), "エディト中");
    // Lost in test play, the way back is said too.
    game.engine.editor().startTestPlay();
    game.play("U");
    EXPECT_EQ(said(statusOf(game.world().state(), game.session())).hints.back(), "Esc で編集に戻る");
    game.engine.pressKey(PlayerKey::Escape);
    game.platform.messageAnswers.push_back(MsgResult::No);
    game.engine.editor().toggle();
    EXPECT_EQ(statusOf(game.world().state(), game.session()).headline.japanese(), "F1 で開始");

    // Stage 29 cleared with no stage 30 beside it: a clear, but not the last one.
    game.engine.stages().openFile(game.stageFile("stage29.txt"));
    game.engine.startRound();
    game.play("RZ");
    EXPECT_EQ(said(statusOf(game.world().state(), game.session())), (SaidStatus{"クリア！", Green, {"F3 でステージ選択"}}));

    // The last stage cleared, every stage cleared.
    game.progress().fill(1);
    game.progress()[29] = 0;
    game.load("stage30.txt");
    game.engine.startRound();
    game.play("RZ");
    EXPECT_EQ(said(statusOf(game.world().state(), game.session())), (SaidStatus{"全ステージクリア！", Yellow, {"F3 でステージ選択"}}));
    EXPECT_EQ(said(viewOf(game.world().state(), game.session()).status), said(statusOf(game.world().state(), game.session())));
}

// A powered skull ball explodes as the round starts and its marks are gone
// again; the preview still shows where its blast reaches, and only its.
TEST(Presentation, TheCircuitPreviewMarksTheReachOfTheSkullBallsItBlowsUp) {
    TestGame game;
    game.block(cell(10, 10), block::Player).ground(cell(5, 5), ground::Target);
    game.block(cell(5, 6), block::SkullBall).block(cell(1, 1), block::SkullBall);
    game.load();
    game.engine.editor().toggle();
    const WorldState started = game.engine.editor().plainTestStart();
    const WorldState preview = circuitPreview(game.world().state(), started);
    for (int c = 0; c < CellCount; ++c) {
        const bool inReach = std::abs(rowOf(c) - 5) <= 1 && std::abs(columnOf(c) - 6) <= 1;
        EXPECT_FALSE(started.overlays[c].marked) << c;
        EXPECT_EQ(preview.overlays[c].marked, inReach) << c;
    }
}

TEST(Presentation, TheCounterSaysWhatItCounts) {
    Shown state;
    EXPECT_EQ(viewOf(state).stepsLeftTip.japanese().rfind("歩数", 0), 0u);
    EXPECT_NE(viewOf(state).stepsLeftTip.japanese().find("のときだけ"), std::string::npos);
    state.stepTry = true;
    EXPECT_EQ(viewOf(state).stepsLeftTip.japanese().rfind("歩数", 0), 0u);
    EXPECT_NE(viewOf(state).stepsLeftTip.japanese().find("一歩ごと"), std::string::npos);
}

// The board in words: what stands on a neighbouring cell is named before its
// ground, a block that moved is found where it stands now, and the board's
// edge, an empty block and the stipple are named as they read.
TEST(Presentation, BoardDescription) {
    struct Case {
        const char* what;
        int player;
        std::vector<std::pair<int, int>> moved;  // block (its home cell), the cell it stands on now
        const char* said;
    };
    const Case cases[] = {
        {"in a corner", cell(0, 0), {},
         "stage1.txt。プレイヤーは 1 列 1 行、白い床の上。左は盤の外、右は壁、上は盤の外、下は黒い玉。鍵 2 個、歩数 -3"},
        {"a ball pushed beside him", cell(5, 5), {{cell(1, 0), cell(5, 4)}},
         "stage1.txt。プレイヤーは 6 列 6 行、床の上。左は黒い玉、右は床、上は床、下は階段。鍵 2 個、歩数 -3"},
    };
    for (const Case& c : cases) {
        WorldState world;
        for (int k = 0; k < CellCount; ++k) world.blockCell[k] = static_cast<uint8_t>(k);
        world.ground[cell(0, 0)].code = ground::WhitePlate;
        world.ground[cell(0, 1)].code = ground::Wall;
        world.blocks[cell(1, 0)].code = block::BlackBall;
        world.blocks[cell(5, 6)].code = block::Empty;
        world.blocks[cell(6, 5)].code = block::Stipple;
        world.ground[cell(6, 5)].code = ground::Stairs;
        world.blocks[c.player].code = block::Player;
        world.playerBlock = static_cast<uint8_t>(c.player);
        for (const auto& [k, at] : c.moved) world.blockCell[k] = static_cast<uint8_t>(at);
        world.keysHeld = 2;
        world.stepsLeft = -3;
        EXPECT_EQ(boardDescription(world, Text::words("stage1.txt")).japanese(), c.said) << c.what;
    }
}

}  // namespace
}  // namespace nerilo::test
