#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "file_size_limit.h"
#include "game/startup.h"
#include "model/progress_file.h"
#include "model/progress_location.h"
#include "game_fixture.h"

namespace nerilo::test {
namespace {

Progress progressOf(std::initializer_list<std::pair<int, uint8_t>> records, uint8_t rest) {
    Progress p;
    p.fill(rest);
    for (auto [stage, value] : records) p[stage - 1] = value;
    return p;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Progress, StartStageFollowsTheRecords) {
    EXPECT_EQ(startStage(progressOf({{1, 1}, {2, 1}, {3, 2}}, 0)), 4);
    EXPECT_EQ(startStage(progressOf({{5, 1}, {9, 1}}, 2)), 5);
    EXPECT_EQ(startStage(progressOf({}, 2)), 30);
    EXPECT_EQ(startStage(progressOf({}, 0)), 1);
}

TEST(Progress, FileFormatRoundTrips) {
    Progress p = progressOf({{1, 1}, {2, 2}, {30, 1}}, 0);
    EXPECT_EQ(formatProgress(p), "1,2,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n");
    ProgressRead read = parseProgress(formatProgress(p));
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.progress, p);
    // Line ends may stand between the fields.
    EXPECT_TRUE(parseProgress("1,2,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0,0,0,1").ok());
}

TEST(Progress, DamagedFilesAreReportedAndCountAsZeros) {
    const std::string zeros29 = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
    for (const std::string& text : {zeros29, zeros29 + ",0,0", zeros29 + ",256", zeros29 + ",-1", zeros29 + ",a",
                                    std::string("")}) {
        ProgressRead read = parseProgress(text);
        EXPECT_FALSE(read.ok()) << text;
        EXPECT_EQ(read.progress, Progress{});
    }
    EXPECT_TRUE(parseProgress(zeros29 + ",255").ok());
}

TEST(Progress, StartUpReadsTheFileAndLoadsTheFirstUnclearedStage) {
    TestGame game;
    game.block(cell(2, 2), 7).comment("stage four");
    game.load("stage4.txt");
    std::ofstream(game.dir.file("data.nrl"), std::ios::binary) << formatProgress(progressOf({{1, 1}, {2, 1}, {3, 2}}, 0));
    Game fresh(game.platform);
    fresh.startUp();
    EXPECT_EQ(game.platform.splashes, 1);
    EXPECT_EQ(stageTitle(fresh.session()), "stage4.txt");
    EXPECT_EQ(fresh.session().stagePath, game.stageFile("stage4.txt"));
    EXPECT_EQ(fresh.session().comment, "stage four");
    EXPECT_TRUE(fresh.world().state().inputLocked);
    EXPECT_EQ(fresh.session().roundCommand, RoundCommand::Start);
    EXPECT_EQ(fresh.playerCell(), cell(2, 2));
    EXPECT_EQ(fresh.playerData().progress()[2], 2);
    EXPECT_TRUE(game.platform.messages.empty());
}

TEST(Progress, StartUpWithoutFilesShowsAnEmptyBoardAndSaysWhy) {
    TestGame game;
    Game fresh(game.platform);
    fresh.startUp();
    EXPECT_EQ(fresh.playerData().progress(), Progress{});
    ASSERT_EQ(game.platform.messages.size(), 1u);  // the missing stage, not the missing progress
    EXPECT_NE(game.platform.messages[0].text.find("stage1.txt"), std::string::npos);
    for (int i = 0; i < CellCount; ++i) {
        EXPECT_EQ(fresh.world().state().ground[i].code, 0);
        EXPECT_EQ(fresh.world().state().blocks[i].code, 0);
    }
    EXPECT_EQ(fresh.session().roundCommand, RoundCommand::Start);
}

TEST(Progress, GarbledFileIsReportedAndKeptUntilANormalClose) {
    TestGame game;
    game.block(0, 7).load("stage1.txt");
    const std::string path = game.dir.file("data.nrl");
    std::ofstream(path, std::ios::binary) << "garbage";
    Game fresh(game.platform);
    fresh.startUp();
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_NE(game.platform.messages[0].text.find("data.nrl"), std::string::npos);
    EXPECT_EQ(readBytes(path), "garbage");
    fresh.prepareToClose();
    EXPECT_EQ(readBytes(path), formatProgress(Progress{}));
}

TEST(Progress, ClosingWritesTheFileAndAFailedWriteKeepsTheOldOneAndReports) {
    TestGame game;
    game.progress()[0] = 1;
    EXPECT_TRUE(game.engine.prepareToClose());
    const std::string path = game.dir.file("data.nrl");
    EXPECT_EQ(readBytes(path), formatProgress(game.progress()));
    EXPECT_TRUE(game.platform.messages.empty());

    // A full disk, simulated with a file size limit (which binds root too).
    game.progress()[1] = 2;
    {
        FileSizeLimit limit(10);
        game.engine.prepareToClose();
    }
    EXPECT_EQ(readBytes(path), formatProgress(progressOf({{1, 1}}, 0)));
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.platform.messages[0].title, "Nerilo");
}

// A stage whose player stands next to the stairs.
void stairsStage(TestGame& game) {
    game.stage = Stage{};
    game.block(cell(5, 5), 7).ground(cell(5, 6), 15).target(30);
}

// 中止 reads the file again: every clear must be in it by then.
TEST(Progress, EveryClearIsWrittenAtOnceAndStartingOverKeepsIt) {
    TestGame game;
    for (const char* name : {"stage1.txt", "stage2.txt", "stage3.txt"}) {
        stairsStage(game);
        game.load(name);
    }
    const std::string path = game.dir.file("data.nrl");
    game.engine.stages().openFile(game.stageFile("stage1.txt"));
    game.engine.startRound();
    game.play("RZ");
    EXPECT_EQ(readBytes(path), formatProgress(progressOf({{1, 1}}, 0)));
    game.world().setUp().stepTry = true;
    game.engine.retryRound();
    game.play("RZ");
    EXPECT_EQ(readBytes(path), formatProgress(progressOf({{1, 1}, {2, 2}}, 0)));
    EXPECT_TRUE(game.platform.messages.empty());

    game.engine.startOver();
    EXPECT_EQ(game.progress(), progressOf({{1, 1}, {2, 2}}, 0));
    EXPECT_EQ(stageTitle(game.session()), "stage3.txt");

    // A stage outside the numbered set records nothing, so nothing is written.
    std::filesystem::remove(path);
    stairsStage(game);
    game.start("mine.txt");
    game.play("RZ");
    EXPECT_EQ(game.platform.clears.size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Progress, AFailedWriteAtAClearIsReportedAndPlayGoesOn) {
    TestGame game;
    stairsStage(game);
    game.load("stage5.txt");
    game.start("stage4.txt");
    {
        FileSizeLimit limit(10);
        game.play("RZ");
    }
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.platform.messages[0].title, "Nerilo");
    EXPECT_EQ(game.platform.messages[0].text.rfind("進行状況を保存できませんでした。", 0), 0u);
    EXPECT_EQ(game.progress()[3], 1);
    EXPECT_EQ(stageTitle(game.session()), "stage5.txt");
    EXPECT_TRUE(game.world().state().ticking);
    EXPECT_FALSE(std::filesystem::exists(game.dir.file("data.nrl")));
    // The close tries again.
    game.engine.prepareToClose();
    EXPECT_EQ(readBytes(game.dir.file("data.nrl")), formatProgress(progressOf({{4, 1}}, 0)));
}

// 中止 reads the file again; a clear whose write failed is not in it, and
// must neither be forgotten nor keep another copy's clear out.
TEST(Progress, StartingOverAfterAFailedWriteKeepsTheClearAndReadsTheFile) {
    TestGame game;
    stairsStage(game);
    game.load("stage5.txt");
    game.start("stage4.txt");
    {
        FileSizeLimit limit(10);
        game.play("RZ");
    }
    ASSERT_EQ(game.platform.messages.size(), 1u);
    const std::string path = game.dir.file("data.nrl");
    ASSERT_FALSE(std::filesystem::exists(path));
    std::ofstream(path, std::ios::binary) << formatProgress(progressOf({{9, 2}}, 0));
    game.engine.startOver();
    EXPECT_EQ(game.progress(), progressOf({{4, 1}, {9, 2}}, 0));
    game.engine.prepareToClose();
    EXPECT_EQ(readBytes(path), formatProgress(progressOf({{4, 1}, {9, 2}}, 0)));
}

TEST(Progress, AGameThatKeepsNoFilesWritesNoProgress) {
    TestGame game;
    game.platform.keepsFiles = false;
    stairsStage(game);
    game.start("stage1.txt");
    game.play("RZ");
    game.engine.prepareToClose();
    EXPECT_EQ(game.progress()[0], 1);
    EXPECT_FALSE(std::filesystem::exists(game.dir.file("data.nrl")));
}

TEST(Progress, ClosingInEditModeAsksAndCancelKeepsTheWindowButWritesProgress) {
    TestGame game;
    game.load();
    game.engine.editor().toggle();
    game.progress()[4] = 1;
    game.platform.messageAnswers.push_back(MsgResult::Cancel);
    game.engine.quit();
    EXPECT_FALSE(game.platform.closed);
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.platform.messages[0].text, "終了します。\n保存しますか？");
    EXPECT_EQ(game.platform.messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(readBytes(game.dir.file("data.nrl")), formatProgress(game.progress()));

    game.platform.messageAnswers.push_back(MsgResult::No);
    game.engine.quit();
    EXPECT_TRUE(game.platform.closed);
}

TEST(Progress, ClosingOutsideEditModeAsksNothing) {
    TestGame game;
    game.engine.quit();
    EXPECT_TRUE(game.platform.messages.empty());
    EXPECT_TRUE(game.platform.closed);
}

TEST(Progress, AnInstalledCopyKeepsProgressInTheUsersDataFolder) {
    TempDir data;
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    // Even root cannot write into /proc/self, which stands in for a read-only program folder.
    ScriptedPlatform installed("/proc/self");
    Game game(installed);
    GameSetUp::progress(game)[2] = 2;
    game.prepareToClose();
    const std::string saved = data.file("Nerilo/data.nrl");
    EXPECT_EQ(readBytes(saved), formatProgress(game.playerData().progress()));
    EXPECT_TRUE(installed.messages.empty());

    Game next(installed);
    next.startUp();
    EXPECT_EQ(next.playerData().progress()[2], 2);
    ::unsetenv("XDG_DATA_HOME");

    TempDir writable;
    EXPECT_EQ(progressFilePath(writable.path().string() + "/"), writable.path().string() + "/data.nrl");
}

TEST(Progress, MyPathEndsInExactlyOneSeparator) {
    ScriptedPlatform root("/");
    Game atRoot(root);
    EXPECT_EQ(atRoot.programFolder(), "/");
    ScriptedPlatform plain("/opt/nerilo");
    Game inFolder(plain);
    EXPECT_EQ(inFolder.programFolder(), "/opt/nerilo/");
}

}  // namespace
}  // namespace nerilo::test
