// The dead ends the warning proved, counted per numbered stage for the stage
// list: kept in the records file beside the best clears, read from files
// written before they were counted, added up across copies of the program.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "records/records_store.h"
#include "view/stage_list.h"

namespace nerilo::test {
namespace {

TEST(DeadEndCount, TheRecordsFileKeepsItAndOldFilesReadAsNone) {
    Records records{};
    records[1] = {7, "RZ", "", 3};
    records[4] = {9, "", "", 1};  // dead ends, no clear yet: still a record
    const RecordsRead read = parseRecords(formatRecords(records));
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.records, records);

    const std::string before = R"({"version":1,"stages":{"2":{"fingerprint":"0000000000000007","normal":"RZ"}}})";
    const RecordsRead old = parseRecords(before);
    ASSERT_TRUE(old.ok()) << old.error;
    EXPECT_EQ(old.records[1].deadEnds, 0u);

    for (const char* bad : {"-1", "\"3\"", "1.5", "2000000000", "null"}) {
        const std::string text =
            std::string(R"({"version":1,"stages":{"2":{"fingerprint":"0000000000000007","dead_ends":)") + bad + "}}}";
        EXPECT_FALSE(parseRecords(text).ok()) << bad;
    }
}

TEST(DeadEndCount, CopiesAddUpOnTheSameStageAndAChangedStageStartsAgain) {
    struct Case {
        const char* what;
        StageRecord onDisk, fresh, merged;
    };
    const Case cases[] = {
        {"both counted", {7, "RZ", "", 2}, {7, "", "", 3}, {7, "RZ", "", 5}},
        {"a clear and a count", {7, "", "", 2}, {7, "RRZ", "", 1}, {7, "RRZ", "", 3}},
        {"nothing fresh", {7, "RZ", "", 2}, {}, {7, "RZ", "", 2}},
        {"the stage changed", {7, "RZ", "", 2}, {8, "", "", 1}, {8, "", "", 1}},
    };
    for (const Case& c : cases) {
        Records onDisk{}, fresh{};
        onDisk[3] = c.onDisk;
        fresh[3] = c.fresh;
        EXPECT_EQ(mergeRecords(onDisk, fresh)[3], c.merged) << c.what;
    }
}

// A walled corridor on numbered stage 30: a count is written at once and the
// stage list says it; other boards count nothing.
TEST(DeadEndCount, ThePlayersDeadEndsOnANumberedStageShowInTheStageList) {
    const auto corridor = [](TestGame& game) { game.block(cell(5, 5), block::Player).ground(cell(5, 7), ground::Stairs); };
    TestGame game;
    corridor(game);
    game.records().open(game.dir.file("records.json"));
    game.start("stage30.txt");
    GameSetUp::countDeadEnd(game.engine);
    GameSetUp::countDeadEnd(game.engine);
    const uint64_t fingerprint = game.session().stageFingerprint;
    EXPECT_EQ(game.records().deadEnds(30, fingerprint), 2u);
    EXPECT_EQ(readRecordsFile(game.dir.file("records.json")).records[29].deadEnds, 2u);
    const std::vector<StageListEntry> list =
        stageList(game.engine.programFolder(), game.progress(), game.records());
    EXPECT_EQ(tileViewOf(list[29], {}, false).state.japanese(), "未クリア　詰み 2 回");
    EXPECT_EQ(tileViewOf(list[0], {}, false).state.japanese(), "ファイルがありません");

    struct Other {
        const char* what;
        std::function<void(TestGame&)> before;
        const char* stageName;
    };
    const Other others[] = {
        {"block mode", [](TestGame& g) { g.engine.toggleBlockMode(); }, "stage30.txt"},
        {"files not kept", [](TestGame& g) { g.platform.keepsFiles = false; }, "stage30.txt"},
        {"a stage with another name", [](TestGame&) {}, "mine.txt"},
    };
    for (const Other& o : others) {
        TestGame other;
        corridor(other);
        other.records().open(other.dir.file("records.json"));
        other.start(o.stageName);
        o.before(other);
        GameSetUp::countDeadEnd(other.engine);
        EXPECT_EQ(other.records().records(), Records{}) << o.what;
    }
}

// The warning judges every position at rest; the session counts a dead end
// once per entry by a new press. Backspace then Ctrl+Y into the same dead end
// is no new entry, however often it is done, nor is a press made inside it.
TEST(DeadEndCount, OnlyANewPressIntoADeadEndCountsNeverUndoOrRedo) {
    struct Verdict {
        const char* keys;  // played before the verdict
        bool deadEnd;
        bool ofThePositionBefore = false;  // a verdict come late, on a position no longer in play
    };
    struct Case {
        const char* what;
        std::vector<Verdict> verdicts;
        uint32_t counted;
    };
    const Case cases[] = {
        {"undo and redo into it, twice", {{"R", false}, {"R", true}, {"B", false}, {"F", true}, {"B", false}, {"F", true}}, 1},
        {"a press inside it", {{"R", true}, {"D", true}, {"B", true}}, 1},
        {"out by undo, in again by a new press", {{"R", true}, {"B", false}, {"R", true}}, 2},
        {"undo from inside it to the press into it", {{"R", true}, {"D", true}, {"B", true}, {"B", false}, {"F", true}}, 1},
        {"a new round", {{"R", true}, {"T", false}, {"R", true}}, 2},
        {"the round's start", {{"", true}, {"R", true}}, 0},
        {"a verdict on a position gone", {{"R", false}, {"R", true, true}}, 0},
    };
    for (const Case& c : cases) {
        TestGame game;
        game.block(cell(5, 5), block::Player);
        game.records().open(game.dir.file("records.json"));
        game.start("stage30.txt");
        for (const Verdict& v : c.verdicts) {
            const WorldState before = game.world().state();
            game.play(v.keys);
            game.engine.round().noteDeadEndVerdict(v.ofThePositionBefore ? before : game.world().state(), v.deadEnd);
        }
        EXPECT_EQ(game.records().deadEnds(30, game.session().stageFingerprint), c.counted) << c.what;
    }
}

}  // namespace
}  // namespace nerilo::test
