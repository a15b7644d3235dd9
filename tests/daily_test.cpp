// 今日のステージ: generated once from the date through the background work,
// kept per date as an ordinary stage file, opened without a number, and its
// clears recorded by the date.
#include <fstream>
#include <gtest/gtest.h>

#include "fake_runner.h"
#include "game/daily.h"
#include "game_fixture.h"
#include "generate/generate.h"
#include "model/numbered_stages.h"
#include "model/progress_location.h"
#include "records/records_store.h"
#include "view/searches_view.h"

namespace nerilo::test {
namespace {

constexpr DayDate Today = 20261208;

// What the generator would hand back for `date`: a small room that is cleared
// by RRZ, named as the generator names its stages.
Stage generatedFor(DayDate date) {
    Stage stage;
    stage.blocks[cell(5, 5)] = block::Player;
    stage.ground[cell(5, 7)] = ground::Stairs;
    stage.ground[cell(4, 5)] = ground::Wall;
    stage.comment = generate::generatedComment(date).japanese();
    stage.stepTarget = 9;
    return stage;
}

JobResult resultOf(const Job& job, std::optional<Stage> stage) {
    JobResult result;
    result.id = job.id;
    result.kind = job.kind;
    result.stage = std::move(stage);
    return result;
}

struct Daily {
    TestGame game;
    FakeRunner runner;
    explicit Daily(std::optional<uint32_t> today = Today) {
        game.platform.today = today;
        game.engine.searches().setRunner(&runner);
        game.block(cell(2, 2), block::Player).load();
    }
    std::string kept(DayDate date = Today) { return dailyStagePath(game.engine.programFolder(), date); }
    void command() { ASSERT_TRUE(runCommand(game.engine, "dailyStage")); }
    // Runs the command and, when it started a generation, hands it `stage`.
    void openWith(std::optional<Stage> stage) {
        const size_t before = runner.started.size();
        command();
        if (runner.started.size() > before) game.engine.searches().jobDone(resultOf(runner.started.back(), stage));
    }
};

void writeFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}
void writeStage(const std::string& path, const Stage& stage) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_TRUE(writeStageFile(path, stage).empty());
}

// The command asks for the front end's date, generates that day's stage in
// the background, keeps it, and opens it waiting for Start, with no number.
TEST(DailyStage, TheDaysStageIsGeneratedKeptAndOpenedWaitingForStart) {
    Daily d;
    d.command();
    ASSERT_EQ(d.runner.started.size(), 1u);
    const Job job = d.runner.started.back();
    EXPECT_EQ(job.kind, JobKind::Generate);
    EXPECT_EQ(job.seed, Today);
    EXPECT_EQ(d.game.engine.daily().generation().job, job.id);
    EXPECT_NE(searchesView(d.game.engine).hintLine.japanese().find("作成中"), std::string::npos)
        << "the player sees it is being made";
    d.command();
    EXPECT_EQ(d.runner.started.size(), 1u) << "asked again while it is made, it is not made twice";

    d.game.engine.searches().jobDone(resultOf(job, generatedFor(Today)));
    EXPECT_EQ(d.game.session().stagePath, d.kept());
    EXPECT_EQ(stageNumberOf(d.game.session().stagePath), -1) << "a stage of the day has no number";
    EXPECT_TRUE(d.game.platform.messages.empty());
}

// Made while the player is in the editor, the stage waits, said on the hint
// line, until he leaves the editor, kept or (in a page that keeps no files)
// played from memory; test play and its end keep him where he is.
TEST(DailyStage, AStageMadeInTheEditorWaitsUntilTheEditorIsLeft) {
    for (const bool testPlay : {false, true}) {
        for (const bool keepsFiles : {true, false}) {
            SCOPED_TRACE(std::string(testPlay ? "test play" : "editing") + (keepsFiles ? ", kept" : ", no files"));
            Daily d;
            d.game.platform.keepsFiles = keepsFiles;
            d.command();
            d.game.engine.editor().toggle();
            if (testPlay) d.game.engine.editor().toggleTestPlay();
            d.game.engine.searches().jobDone(resultOf(d.runner.started.back(), generatedFor(Today)));
            EXPECT_TRUE(d.game.session().editing() || d.game.session().testPlaying()) << "still in the editor";
            EXPECT_EQ(searchesView(d.game.engine).hintLine.japanese(), "今日のステージ\nエディタを終えると開きます");
            if (testPlay) d.game.engine.pressKey(PlayerKey::Escape);
            EXPECT_TRUE(d.game.engine.daily().waiting()) << "ending test play is not leaving the editor";
            d.game.platform.messageAnswers.push_back(MsgResult::No);
            d.game.engine.editor().toggle();
            EXPECT_FALSE(d.game.session().editing());
            EXPECT_FALSE(d.game.engine.daily().waiting());
            EXPECT_EQ(d.game.session().comment, generatedFor(Today).comment);
            EXPECT_EQ(d.game.session().stagePath, keepsFiles ? d.kept() : "");
        }
    }
}

// The second time the kept file opens at once; a file that does not read
// whole as that day's stage is made again, and a damaged one set aside as the
// other player files are, never lost.
TEST(DailyStage, TheKeptStageOpensAtOnceAndADamagedOneIsMadeAgain) {
    struct Case {
        const char* what;
        std::function<void(const std::string& path)> onDisk;
        bool generated;
        int setAside;
    };
    const Case cases[] = {
        {"nothing kept", [](const std::string&) {}, true, 0},
        {"the day's stage", [](const std::string& p) { writeStage(p, generatedFor(Today)); }, false, 0},
        {"damaged bytes", [](const std::string& p) { writeFile(p, "\"1\",\"2\"\r\n"); }, true, 1},
        {"another day's stage", [](const std::string& p) { writeStage(p, generatedFor(Today - 1)); }, true, 0},
        {"an empty file", [](const std::string& p) { writeFile(p, ""); }, true, 1},
    };
    for (const Case& c : cases) {
        Daily d;
        c.onDisk(d.kept());
        d.command();
        if (d.runner.started.size() != (c.generated ? 1u : 0u)) {
            ADD_FAILURE() << c.what << ": " << d.runner.started.size() << " generations";
            continue;
        }
        if (c.generated) d.game.engine.searches().jobDone(resultOf(d.runner.started.back(), generatedFor(Today)));
        EXPECT_EQ(d.game.session().stagePath, d.kept()) << c.what;
        EXPECT_EQ(readStageFile(d.kept()).stage, generatedFor(Today)) << c.what;
        EXPECT_FALSE(d.game.session().roundStarted) << c.what;
        EXPECT_TRUE(d.game.platform.messages.empty()) << c.what;
        int setAside = 0;
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(d.kept()).parent_path()))
            setAside += entry.path().filename().string().starts_with("20261208.txt.damaged-");
        EXPECT_EQ(setAside, c.setAside) << c.what;
    }
}

// A generation that finds nothing within its budget (or fails) is told in a
// box titled Nerilo; nothing is written and the stage in play stays.
TEST(DailyStage, AGenerationThatFindsNothingIsToldAndWritesNothing) {
    for (const bool failed : {false, true}) {
        Daily d;
        const std::string before = d.game.session().stagePath;
        d.command();
        JobResult result = failed ? failedJob(d.runner.started.back().id) : resultOf(d.runner.started.back(), {});
        result.kind = JobKind::Generate;
        d.game.engine.searches().jobDone(result);
        ASSERT_EQ(d.game.platform.messages.size(), 1u) << failed;
        EXPECT_EQ(d.game.platform.messages[0].title, "Nerilo");
        EXPECT_NE(d.game.platform.messages[0].text.find("今日のステージを作れませんでした"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(d.kept())) << failed;
        EXPECT_EQ(d.game.session().stagePath, before) << failed;
        EXPECT_EQ(d.game.engine.daily().generation().job, 0u) << "it can be asked again";
    }
}

// The session never reads a clock: a front end with no date offers nothing to make.
TEST(DailyStage, WithoutADateNothingIsMade) {
    for (const std::optional<uint32_t> today : {std::optional<uint32_t>(), std::optional<uint32_t>(20261332)}) {
        Daily d(today);
        d.command();
        EXPECT_TRUE(d.runner.started.empty());
    }
}

// The kept stage is the player's file: a write that fails says why and the
// stage is played all the same, from memory.
TEST(DailyStage, AStageThatCannotBeKeptIsPlayedFromMemory) {
    Daily d;
    writeFile(d.game.dir.file("daily"), "a file where the folder should be");
    d.openWith(generatedFor(Today));
    ASSERT_EQ(d.game.platform.messages.size(), 1u);
    EXPECT_NE(d.game.platform.messages[0].text.find("保存できませんでした"), std::string::npos);
    EXPECT_TRUE(d.game.session().stagePath.empty());
    EXPECT_EQ(d.game.engine.stages().withoutFile(), std::optional<Stage>(generatedFor(Today)));
}

// Clears of the day's stage are recorded by its date, beside the numbered
// stages' records, and merged as they are.
TEST(DailyStage, AClearSetsARecordOfTheDay) {
    Daily d;
    d.game.engine.openRecords();
    d.openWith(generatedFor(Today));
    const auto line = [&] { return searchesView(d.game.engine).hintLine.japanese(); };
    EXPECT_NE(line().find("まだありません"), std::string::npos) << line();
    d.game.engine.startRound();
    d.game.play("RRZ");
    EXPECT_NE(line().find("クリアした日:\n12/8"), std::string::npos) << line();
    const std::string& best = d.game.engine.playerData().records().bestOfDay(Today, stageFingerprint(generatedFor(Today)), false);
    EXPECT_EQ(best, "RRZ");
    const RecordsRead onDisk = readRecordsFile(dataFilePath(d.game.engine.programFolder(), RecordsFileName));
    ASSERT_TRUE(onDisk.ok()) << onDisk.error;
    ASSERT_EQ(onDisk.records.days.count(Today), 1u);
    EXPECT_EQ(onDisk.records.days.at(Today).normal, "RRZ");
    for (const StageRecord& stage : onDisk.records) EXPECT_TRUE(stage.empty()) << "no numbered stage's record";
}

TEST(DailyStage, KeptPathsNameTheirDate) {
    const std::string folder = "/tmp/nerilo-daily-folder/";
    struct Case {
        std::string path;
        DayDate date;
    };
    const Case cases[] = {
        {dailyStagePath(folder, Today), Today},
        {dataFilePath(folder, "daily/2026120.txt"), 0},
        {dataFilePath(folder, "daily/20261300.txt"), 0},
        {dataFilePath(folder, "daily/20261208.nrl"), 0},
        {dataFilePath(folder, "stage/20261208.txt"), 0},
        {numberedStagePath(folder, 3), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(dailyDateOf(folder, c.path), c.date) << c.path;
}

// The days' records: written only when there is one, read back, refused when
// damaged, and merged day by day by the numbered stages' rules.
TEST(DailyRecords, DaysAreWrittenReadAndRefusedLikeStages) {
    Records records{};
    records[0] = {1, "RZ", ""};
    EXPECT_EQ(formatRecords(records).find("days"), std::string::npos) << "older copies read a file without days";
    records.days[Today] = {0xabcull, "LLZ", "LLLZ", 2};
    const RecordsRead read = parseRecords(formatRecords(records));
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.records, records);

    const std::string fine = R"({"fingerprint":"0000000000000abc","normal":"RZ"})";
    const std::pair<std::string, bool> days[] = {
        {R"("days":{"20261208":)" + fine + "}", true},
        {R"("days":{})", true},
        {R"("days":[])", false},
        {R"("days":{"2026128":)" + fine + "}", false},
        {R"("days":{"20261208":{"fingerprint":"0000000000000abc","normal":"RX"}})", false},
        {R"("days":{"20261208":{"normal":"RZ"}})", false},
    };
    for (const auto& [day, ok] : days)
        EXPECT_EQ(parseRecords(R"({"version":1,"stages":{},)" + day + "}").ok(), ok) << day;
}

// Days go through the stages' own merge, tested with the records; the days'
// own part is that a new day is added and a day with nothing fresh stays.
TEST(DailyRecords, DaysMergeByTheStagesRules) {
    struct Case {
        const char* what;
        StageRecord onDisk, fresh, merged;
    };
    const Case cases[] = {
        {"a new day", {}, {5, "RRZ", ""}, {5, "RRZ", ""}},
        {"nothing fresh keeps it", {5, "RZ", ""}, {}, {5, "RZ", ""}},
    };
    for (const Case& c : cases) {
        Records onDisk{}, fresh{};
        if (!c.onDisk.empty()) onDisk.days[Today] = c.onDisk;
        if (!c.fresh.empty()) fresh.days[Today] = c.fresh;
        const Records merged = mergeRecords(onDisk, fresh);
        ASSERT_EQ(merged.days.count(Today), 1u) << c.what;
        EXPECT_EQ(merged.days.at(Today), c.merged) << c.what;
        EXPECT_EQ(merged.days.size(), 1u) << c.what;
    }
}

// The job is the generator's own: the stage of its seed, as nerilo-generate
// writes it (tests/generate_test.cpp). Seed 6 is found within a tenth of a second.
TEST(DailyStage, TheJobGeneratesTheSeedsStage) {
    Job job;
    job.kind = JobKind::Generate;
    job.seed = 6;
    const JobResult result = runJob(job);
    ASSERT_TRUE(result.stage);
    EXPECT_EQ(result.stage, generate::generateStage(6));
    EXPECT_EQ(result.search.outcome, solver::Outcome::Solved);
    job.seed = 4;  // not found in its first room
    job.maxStates = 1;
    EXPECT_EQ(runJob(job).search.outcome, solver::Outcome::LimitReached) << "a budget spent finds nothing";
    EXPECT_FALSE(runJob(job).stage);
}

}  // namespace
}  // namespace nerilo::test
