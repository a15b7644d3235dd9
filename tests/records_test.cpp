// Records: the records file, which clears set a record, replays and the stage list.
#include <fstream>
#include <gtest/gtest.h>

#include "file_size_limit.h"
#include "model/progress_location.h"
#include "game_fixture.h"
#include "model/numbered_stages.h"
#include "view/stage_list.h"

namespace nerilo::test {
namespace {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Stage 30 has no next stage, so its clear leaves the cleared board and no message.
// The stairs are two steps to the right, a wall above the player.
void stairsStage(TestGame& game) {
    game.block(cell(5, 5), 7).ground(cell(5, 7), ground::Stairs).ground(cell(4, 5), ground::Wall);
}

TEST(RecordsFile, WritesAndReadsTheSameRecords) {
    Records records{};
    records[0] = {0x0123456789abcdefull, "UURRRRDDDZ", ""};
    records[9] = {0xfedcba9876543210ull, "LrZ", "LLrZ"};
    records[29] = {1, "", "DZ"};
    const std::string text = formatRecords(records);
    EXPECT_NE(text.find("\"version\": 1"), std::string::npos);
    EXPECT_LT(text.find("\"1\""), text.find("\"10\""));
    EXPECT_EQ(text.find("step_try\": \"\""), std::string::npos) << "no empty records";
    EXPECT_NE(text.find("\"0000000000000001\""), std::string::npos);
    const RecordsRead read = parseRecords(text);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.records, records);
    EXPECT_TRUE(parseRecords(formatRecords(Records{})).ok());
    // A fingerprint without clears is no record.
    const RecordsRead bare = parseRecords(R"({"version":1,"stages":{"4":{"fingerprint":"00000000000000ff"}}})");
    ASSERT_TRUE(bare.ok());
    EXPECT_EQ(bare.records, Records{});
}

TEST(RecordsFile, DamagedFilesAreRefusedWithAReasonAndReadAsEmpty) {
    const std::string good = R"("fingerprint":"0123456789abcdef","normal":"RZ")";
    auto stage = [&](const std::string& key, const std::string& body) {
        return R"({"version":1,"stages":{")" + key + R"(":{)" + body + "}}}";
    };
    const std::string cases[] = {
        "",
        "garbage",
        "[]",
        R"({"version":1,"stages":{"1":{"fingerprint":"0123456789abcdef","normal":"RZ"}})",  // cut short
        R"({"stages":{}})",
        R"({"version":2,"stages":{}})",
        R"({"version":"1","stages":{}})",
        R"({"version":1})",
        R"({"version":1,"stages":[]})",
        R"({"version":1,"stages":{},"more":0})",
        stage("0", good), stage("31", good), stage("01", good), stage("x", good), stage("", good),
        R"({"version":1,"stages":{"1":[]}})",
        stage("1", R"("normal":"RZ")"),
        stage("1", R"("fingerprint":"0123456789abcde","normal":"RZ")"),
        stage("1", R"("fingerprint":"0123456789ABCDEF","normal":"RZ")"),
        stage("1", R"("fingerprint":81985529216486895,"normal":"RZ")"),
        stage("1", R"("fingerprint":"0123456789abcdef","normal":"")"),
        stage("1", R"("fingerprint":"0123456789abcdef","normal":"RQZ")"),
        stage("1", R"("fingerprint":"0123456789abcdef","normal":"RZR")"),
        stage("1", R"("fingerprint":"0123456789abcdef","normal":12)"),
        stage("1", R"("fingerprint":"0123456789abcdef","step_try":"R Z")"),
        stage("1", R"("fingerprint":"0123456789abcdef","normal":")" + std::string(MaxRecordPresses, 'R') + R"(Z")"),
        stage("1", good + R"(,"hints":0)"),
        std::string(100000, '[') + std::string(100000, ']'),
        "{\"version\":1,\"stages\":{\"\xff\":{}}}",
    };
    for (const std::string& text : cases) {
        const RecordsRead read = parseRecords(text);
        EXPECT_FALSE(read.ok()) << text.substr(0, 120);
        EXPECT_EQ(read.records, Records{});
    }
    EXPECT_TRUE(parseRecords(stage("30", good)).ok());
    EXPECT_TRUE(parseRecords(stage("1", good + R"(,"step_try":")" + std::string(MaxRecordPresses - 1, 'd') + R"(Z")")).ok());
}

// A full disk mid-write must not cost the player his records: a writer that
// truncated records.json before writing it would leave half a file.
TEST(RecordsFile, AWriteCutShortLeavesTheOldFileByteForByte) {
    TempDir dir;
    const std::string path = dir.file(RecordsFileName);
    RecordBook book;
    book.open(path);
    ASSERT_TRUE(book.offer(1, 7, false, "RRRZ"));
    ASSERT_TRUE(book.save().ok());
    const std::string before = readBytes(path);
    ASSERT_TRUE(book.offer(1, 7, false, "RZ"));
    ASSERT_TRUE(book.offer(2, 8, true, "DDZ"));
    {
        FileSizeLimit limit(before.size() / 2);
        EXPECT_FALSE(book.save().ok());
    }
    EXPECT_EQ(readBytes(path), before);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == RecordsFileName || name == std::string(RecordsFileName) + ".lock") << "left behind: " << name;
    }
    // The records stay in the book; the next write succeeds.
    ASSERT_TRUE(book.save().ok());
    EXPECT_EQ(readRecordsFile(path).records, book.records());
}

// Records are kept by the fingerprint: any change to the board or the target
// may make the stage easier and must set its records aside; a reworded
// comment must not.
TEST(StageFingerprint, EveryCellAndTheTargetCountButNotTheComment) {
    Stage base;
    base.ground[cell(5, 7)] = ground::Stairs;
    base.ground[cell(3, 3)] = ground::Wall;
    base.blocks[cell(5, 5)] = block::Player;
    base.stepTarget = 30;
    base.comment = "ステージ1";
    struct Case {
        const char* what;
        std::function<void(Stage&)> change;
        bool changes;
    };
    const int last = CellCount - 1;
    const Case cases[] = {
        {"the first ground cell", [](Stage& s) { s.ground[0] = ground::Wall; }, true},
        {"the last ground cell", [&](Stage& s) { s.ground[last] = ground::Wall; }, true},
        {"the first block cell", [](Stage& s) { s.blocks[0] = block::BlackBall; }, true},
        {"the last block cell", [&](Stage& s) { s.blocks[last] = block::BlackBall; }, true},
        // Code 1 is a wall on the ground and a black ball among the blocks.
        {"a code moved from the ground layer to the block layer",
         [](Stage& s) { s.ground[cell(3, 3)] = ground::Floor; s.blocks[cell(3, 3)] = block::BlackBall; }, true},
        {"the step target", [](Stage& s) { s.stepTarget = 31; }, true},
        {"the comment", [](Stage& s) { s.comment = "ステージ1「改」"; }, false},
    };
    for (const Case& c : cases) {
        Stage changed = base;
        c.change(changed);
        EXPECT_EQ(stageFingerprint(changed) != stageFingerprint(base), c.changes) << c.what;
    }
}

// The game writes records.json only when offer() kept the clear, so a tie
// must be refused: it would change the stored path and rewrite the file for nothing.
TEST(RecordBook, OnlyAShorterClearReplacesTheRecord) {
    struct Offer {
        const char* what;
        uint64_t fingerprint;
        const char* keys;
        bool kept;
        const char* best;
    };
    const Offer offers[] = {
        {"the first clear", 1, "RRDZ", true, "RRDZ"},
        {"a longer one", 1, "RRDDUZ", false, "RRDZ"},
        {"one as long", 1, "DRRZ", false, "RRDZ"},
        {"a shorter one", 1, "RRZ", true, "RRZ"},
        {"a longer one on the stage since changed", 2, "RRRRRZ", true, "RRRRRZ"},
    };
    RecordBook book;
    for (const Offer& o : offers) {
        EXPECT_EQ(book.offer(4, o.fingerprint, false, o.keys), o.kept) << o.what;
        EXPECT_EQ(book.best(4, o.fingerprint, false), o.best) << o.what;
    }
}

TEST(Records, ABetterClearIsKeptAndWrittenAtOnce) {
    TestGame game;
    stairsStage(game);
    const std::string file = game.dir.file("records.json");
    game.records().open(file);
    game.start("stage30.txt");
    // Refused and undone presses do not count.
    game.play("UZDDBBR");
    game.play("RZ");
    const uint64_t fingerprint = game.session().stageFingerprint;
    EXPECT_EQ(game.records().best(30, fingerprint, false), "RRZ");
    EXPECT_EQ(parseRecords(readBytes(file)).records[29].normal, "RRZ");

    // A longer clear is no record; a step-try clear is one of its own.
    game.play("X");
    game.play("DRRUZ");
    EXPECT_EQ(game.records().best(30, fingerprint, false), "RRZ");
    game.world().setUp().stepTry = true;
    game.play("XDRRUZ");
    EXPECT_EQ(game.records().best(30, fingerprint, true), "DRRUZ");
    game.play("XRRZ");
    EXPECT_EQ(game.records().best(30, fingerprint, true), "RRZ");
    EXPECT_EQ(parseRecords(readBytes(file)).records[29], (StageRecord{fingerprint, "RRZ", "RRZ"}));
    EXPECT_TRUE(game.platform.messages.empty());
}

// The world goes on ticking under the clear window; a record holds the
// presses the player made, the clearing one once, however long the window
// stays open.
TEST(Records, TheRecordHoldsThePressesPlayedWhileTheClearWindowIsOpen) {
    for (const int ticks : {0, 1, 30}) {
        TestGame game;
        stairsStage(game);
        game.records().open(game.dir.file("records.json"));
        game.platform.whileClearShown = [&] {
            for (int i = 0; i < ticks; ++i) game.engine.tick();
        };
        game.start("stage30.txt");
        game.play("RRZ");
        EXPECT_EQ(game.records().records()[29].normal, "RRZ") << ticks << " ticks under the window";
    }
}

// A game ended while the clear window is open (killed, logged out, the power
// gone) must lose neither the clear nor its record: both are on disk when the
// window opens, in either mode.
TEST(Records, TheClearAndItsRecordAreOnDiskWhenTheClearWindowOpens) {
    for (const bool stepTry : {false, true}) {
        TestGame game;
        stairsStage(game);
        game.records().open(game.dir.file("records.json"));
        game.world().setUp().stepTry = stepTry;
        StageRecord recordOnDisk;
        uint8_t progressOnDisk = 0;
        game.platform.whileClearShown = [&] {
            recordOnDisk = readRecordsFile(game.dir.file("records.json")).records[29];
            progressOnDisk = readProgressFile(progressFilePath(game.engine.programFolder())).progress[29];
        };
        game.start("stage30.txt");
        game.play("RRZ");
        ASSERT_EQ(game.platform.clears.size(), 1u) << stepTry;
        const uint64_t fingerprint = game.session().stageFingerprint;
        EXPECT_EQ(recordOnDisk, (StageRecord{fingerprint, stepTry ? "" : "RRZ", stepTry ? "RRZ" : ""})) << stepTry;
        EXPECT_EQ(progressOnDisk, stepTry ? 2 : 1) << stepTry;
    }
}

// A record is of one way of playing: a round whose modes changed after its
// first press (step-try mode switched on mid-step, an extra mode switched on
// and off) sets none, in either mode; a mode chosen before it does.
TEST(Records, ARoundPlayedInTwoWaysSetsNoRecord) {
    struct Case {
        const char* what;
        std::function<void(TestGame&)> play;
        const char* normal;
        const char* stepTry;
    };
    const Case cases[] = {
        {"step-try mode before the first press", [](TestGame& g) { g.engine.toggleStepTry(); g.play("RRZ"); }, "", "RRZ"},
        {"step-try mode on mid-step",
         [](TestGame& g) {
             g.engine.pressKey(PlayerKey::Right);
             g.engine.tick();
             g.engine.toggleStepTry();
             g.settle();
             g.play("RZ");
         },
         "", ""},
        {"block mode on and off after a press",
         [](TestGame& g) {
             g.play("R");
             g.engine.toggleBlockMode();
             g.engine.toggleBlockMode();
             g.play("RZ");
         },
         "", ""},
        {"step-try mode on after undoing to the start, the undone press not redone",
         [](TestGame& g) {
             g.play("RB");
             g.engine.toggleStepTry();
             g.play("FRRZ");
         },
         "", "RRZ"},
    };
    for (const Case& c : cases) {
        TestGame game;
        stairsStage(game);
        game.progress().fill(2);  // every mode unlocked
        game.engine.updateUnlocks();
        game.start("stage30.txt");
        c.play(game);
        ASSERT_EQ(game.platform.clears.size(), 1u) << c.what;
        EXPECT_EQ(game.records().records()[29].normal, c.normal) << c.what;
        EXPECT_EQ(game.records().records()[29].stepTry, c.stepTry) << c.what;
    }
}

TEST(Records, OnlyPlainClearsOfTheNumberedStagesSetRecords) {
    struct Case {
        const char* what;
        std::function<void(TestGame&)> before;
        const char* stageName;
    };
    const Case cases[] = {
        {"a hint was taken", [](TestGame& g) { g.engine.round().countHint(); }, "stage30.txt"},
        {"block mode", [](TestGame& g) { g.engine.toggleBlockMode(); }, "stage30.txt"},
        {"super mode", [](TestGame& g) { g.engine.toggleSuperMode(); }, "stage30.txt"},
        {"files not kept", [](TestGame& g) { g.platform.keepsFiles = false; }, "stage30.txt"},
        {"a stage with another name", [](TestGame&) {}, "mine.txt"},
        {"a stage outside the table", [](TestGame&) {}, "stage31.txt"},
    };
    for (const Case& c : cases) {
        TestGame game;
        stairsStage(game);
        game.records().open(game.dir.file("records.json"));
        game.start(c.stageName);
        c.before(game);
        game.play("RRZ");
        EXPECT_EQ(game.platform.clears.size(), 1u) << c.what;
        EXPECT_EQ(game.records().records(), Records{}) << c.what;
        EXPECT_FALSE(std::filesystem::exists(game.dir.file("records.json"))) << c.what;
    }

    // A stage named like a numbered one, opened from another folder, is that
    // stage by its name, as for the progress: the same board shares the record.
    TestGame game;
    stairsStage(game);
    std::filesystem::create_directory(game.dir.path() / "elsewhere");
    game.load("stage30.txt");
    std::filesystem::copy_file(game.stageFile("stage30.txt"), game.dir.path() / "elsewhere" / "stage30.txt");
    game.platform.fileAnswers.push_back((game.dir.path() / "elsewhere" / "stage30.txt").string());
    game.engine.stages().open();
    game.engine.startRound();
    game.play("RRZ");
    EXPECT_NE(game.records().records(), Records{});
    EXPECT_EQ(game.progress()[29], 1);
    EXPECT_EQ(numberedStageAt(game.engine.programFolder(), game.dir.file("stage/./stage30.txt")), 30);
}

TEST(Records, RecordsOfAChangedStageAreSetAsideAndReplaced) {
    TestGame game;
    stairsStage(game);
    game.start("stage30.txt");
    game.play("RRZ");
    game.world().setUp().stepTry = true;
    game.play("XRRZ");
    const uint64_t before = game.session().stageFingerprint;
    // The stage changes: the stairs move one cell on.
    game.ground(cell(5, 7), 0).ground(cell(5, 8), ground::Stairs);
    game.start("stage30.txt");
    const uint64_t after = game.session().stageFingerprint;
    ASSERT_NE(before, after);
    EXPECT_EQ(game.records().best(30, after, false), "");
    EXPECT_EQ(game.records().best(30, before, true), "RRZ");
    game.world().setUp().stepTry = false;
    game.play("RRRZ");
    EXPECT_EQ(game.records().records()[29], (StageRecord{after, "RRRZ", ""}));
    // The comment is not part of the fingerprint.
    game.comment("reworded").start("stage30.txt");
    EXPECT_EQ(game.session().stageFingerprint, after);
}

TEST(Records, ADamagedFileIsReportedOnceLeftAloneAndSetAsideByANewRecord) {
    TestGame game;
    stairsStage(game);
    game.load("stage30.txt");
    const std::string file = game.dir.file("records.json");
    std::ofstream(file, std::ios::binary) << "{\"version\":";
    Game fresh(game.platform);
    auto reports = [&] {
        int count = 0;
        for (const ShownMessage& message : game.platform.messages) {
            if (message.text.find("records.json") == std::string::npos) continue;
            EXPECT_EQ(message.title, "Nerilo");
            ++count;
        }
        return count;
    };
    fresh.startUp();
    EXPECT_EQ(reports(), 1);
    fresh.startOver();
    EXPECT_EQ(reports(), 1);
    EXPECT_EQ(readBytes(file), "{\"version\":");

    game.platform.fileAnswers.push_back(game.stageFile("stage30.txt"));
    fresh.stages().open();
    fresh.startRound();
    Replay replay;
    playKeys(fresh, "RRZ", 200, replay);
    EXPECT_EQ(parseRecords(readBytes(file)).records[29].normal, "RRZ");
    EXPECT_EQ(reports(), 2) << "the second names the copy";

    // A missing file is a new player: nothing to say.
    TestGame other;
    Game next(other.platform);
    next.startUp();
    for (const ShownMessage& message : other.platform.messages)
        EXPECT_EQ(message.text.find("records.json"), std::string::npos);
}

TEST(Records, AFailedWriteIsReportedAndTheRecordKeptInMemory) {
    TestGame game;
    stairsStage(game);
    // Even root cannot make a folder in /proc/self.
    game.records().open("/proc/self/nerilo/records.json");
    game.start("stage30.txt");
    game.play("RRZ");
    EXPECT_EQ(game.records().best(30, game.session().stageFingerprint, false), "RRZ");
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.platform.messages[0].title, "Nerilo");
    EXPECT_NE(game.platform.messages[0].text.find("記録を保存できませんでした"), std::string::npos);
}

TEST(Records, TheRecordsFileLivesBesideTheProgressFile) {
    TempDir data;
    ::setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    EXPECT_EQ(dataFilePath("/proc/self/", RecordsFileName), data.file("Nerilo/records.json"));
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(dataFilePath(data.path().string() + "/", RecordsFileName), data.file("records.json"));
}

// Plays the world as the window does: a replay press at rest, then a tick.
void runPlayback(TestGame& game) {
    for (int i = 0; i < 10000 && game.engine.round().playbackRunning(); ++i) {
        game.engine.round().advancePlayback();
        if (game.world().state().ticking) game.engine.tick();
    }
}

TEST(Replays, AReplayPlaysTheRecordAndLeavesProgressAndRecordsAlone) {
    TestGame game;
    stairsStage(game);
    game.block(cell(6, 6), 1);  // a ball pushed on the way
    game.load("stage30.txt");
    game.records().open(game.dir.file("records.json"));
    game.engine.startRound();
    game.play("DRRUZ");
    const uint64_t fingerprint = game.session().stageFingerprint;
    ASSERT_EQ(game.records().best(30, fingerprint, false), "DRRUZ");
    const std::string file = readBytes(game.dir.file("records.json"));
    game.progress()[29] = 2;
    game.world().setUp().stepTry = true;
    game.engine.toggleBlockMode();

    EXPECT_FALSE(game.engine.round().startPlayback(30, true)) << "no step-try record";
    EXPECT_FALSE(game.engine.round().startPlayback(29, false)) << "no such stage";
    ASSERT_TRUE(game.engine.round().startPlayback(30, false));
    EXPECT_FALSE(game.world().state().stepTry);
    EXPECT_EQ(game.world().state().extraMode, ExtraMode::None);
    EXPECT_TRUE(game.world().state().ticking);
    const size_t clears = game.platform.clears.size();
    runPlayback(game);
    EXPECT_FALSE(game.engine.round().playbackRunning());
    ASSERT_EQ(game.platform.clears.size(), clears + 1);
    EXPECT_EQ(game.platform.clears.back().letters[0], "C");
    EXPECT_EQ(game.progress()[29], 2);
    EXPECT_EQ(readBytes(game.dir.file("records.json")), file);
    // The stage waits for Start, with the player's modes back.
    EXPECT_EQ(game.session().roundCommand, RoundCommand::Start);
    EXPECT_EQ(game.player(), cell(5, 5));
    EXPECT_EQ(game.world().state().blockCell[cell(6, 6)], cell(6, 6));
    EXPECT_TRUE(game.world().state().stepTry);
    EXPECT_EQ(game.world().state().extraMode, ExtraMode::Block);
}

TEST(Replays, StoppingAReplayLoadsTheStageReadyToStart) {
    TestGame game;
    stairsStage(game);
    game.start("stage30.txt");
    game.play("RRZ");
    ASSERT_TRUE(game.engine.round().startPlayback(30, false));
    game.engine.round().advancePlayback();
    game.engine.tick();
    game.engine.tick();
    ASSERT_NE(game.world().drawing().left[game.world().state().playerBlock], cellLeft(cell(5, 5)));
    game.engine.round().stopPlayback();
    EXPECT_FALSE(game.engine.round().playbackRunning());
    EXPECT_EQ(game.player(), cell(5, 5));
    EXPECT_EQ(game.world().drawing().left[game.world().state().playerBlock], cellLeft(cell(5, 5)));
    EXPECT_TRUE(game.world().state().inputLocked);
    EXPECT_FALSE(game.world().state().ticking);
    EXPECT_EQ(game.session().roundCommand, RoundCommand::Start);
    EXPECT_EQ(game.platform.clears.size(), 1u);
}

TEST(StageList, EveryNumberedStageWithItsStateRecordsAndTitle) {
    TestGame game;
    game.block(cell(5, 5), 7).ground(cell(5, 7), ground::Stairs).comment("ステージ2「押してみよう」　黒い玉は押せます。");
    game.load("stage2.txt");
    game.comment("no brackets　then a hint");
    game.load("stage3.txt");
    std::ofstream(game.stageFile("stage4.txt"), std::ios::binary) << "broken";
    ASSERT_TRUE(game.engine.stages().openFile(game.stageFile("stage2.txt")));
    game.engine.startRound();
    game.play("RRZ");
    game.progress()[2] = 2;

    const std::vector<StageListEntry> list =
        stageList(game.engine.programFolder(), game.progress(), game.records());
    ASSERT_EQ(list.size(), 30u);
    EXPECT_FALSE(list[0].readable());
    EXPECT_TRUE(list[0].missing);
    EXPECT_EQ(list[0].path, game.stageFile("stage1.txt"));
    EXPECT_TRUE(list[1].readable());
    EXPECT_EQ(list[1].title, "押してみよう");
    EXPECT_EQ(list[1].cleared, 1);
    EXPECT_EQ(list[1].bestNormal, 3);
    EXPECT_EQ(list[1].bestStepTry, 0);
    EXPECT_EQ(list[1].stage.ground[cell(5, 7)], ground::Stairs);
    EXPECT_EQ(list[2].title, "no brackets");
    EXPECT_EQ(list[2].cleared, 2);
    EXPECT_EQ(list[2].bestNormal, 0) << "stage 3 has no record";
    EXPECT_FALSE(list[3].readable());
    EXPECT_FALSE(list[3].missing);
    EXPECT_FALSE(list[3].error.empty());
    EXPECT_EQ(stageTitleOf(""), "");
    EXPECT_EQ(stageTitleOf("「unclosed"), "「unclosed");
    // The English comments quote their titles.
    EXPECT_EQ(stageTitleOf("Stage 1 “First Steps”: walk"), "First Steps");
    EXPECT_EQ(stageTitleOf("Stage 2 \"Give it a push\"  Black balls"), "Give it a push");
    EXPECT_EQ(stageTitleOf("Stage 3 “A \"rolling\" ball”"), "A \"rolling\" ball") << "the first quote wins";

    EXPECT_EQ(tileViewOf(list[0], {}, false).state.japanese(), "ファイルがありません");
    EXPECT_EQ(tileViewOf(list[3], {}, false).state.japanese(), "読み込めません");
    EXPECT_EQ(tileViewOf(list[3], {}, false).stateColour, Red);
    const StageTileView two = tileViewOf(list[1], {}, false);
    EXPECT_EQ(two.heading, "2 押してみよう");
    EXPECT_EQ(two.state.japanese(), "クリア");
    EXPECT_EQ(two.records.japanese(), "記録 3 / −");
    EXPECT_EQ(tileViewOf(list[1], 2, false).records.japanese(), "記録 3 / −　最短 2");
    EXPECT_EQ(tileViewOf(list[1], {}, true).records.japanese(), "記録 3 / −　最短 …");
    EXPECT_EQ(tileViewOf(list[2], {}, false).state.japanese(), "歩数トライでクリア");
    EXPECT_EQ(tileViewOf(list[4], {}, false).state.japanese(), "ファイルがありません");
}

// A replay plays the shorter best clear, the step-try one when both are as short.
TEST(StageList, TheReplayPlaysTheShorterBestClear) {
    const auto entry = [](int normal, int stepTry) {
        StageListEntry e;
        e.bestNormal = normal;
        e.bestStepTry = stepTry;
        return e;
    };
    EXPECT_FALSE(entry(0, 0).hasReplay());
    EXPECT_TRUE(entry(5, 0).hasReplay() && entry(0, 5).hasReplay());
    EXPECT_FALSE(entry(5, 0).replaysStepTry());
    EXPECT_TRUE(entry(0, 5).replaysStepTry());
    EXPECT_TRUE(entry(5, 5).replaysStepTry());
    EXPECT_TRUE(entry(6, 5).replaysStepTry());
    EXPECT_FALSE(entry(5, 6).replaysStepTry());
}

}  // namespace
}  // namespace nerilo::test
