// What a second copy of the program may do to the first: write the same
// progress and records files at the same moment, meet a file it cannot read,
// and hand it a stage file to open.
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/progress_store.h"
#include "game_fixture.h"
#include "records/records_store.h"

namespace nerilo::test {
namespace {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The files in folder whose names start with prefix.
std::vector<std::filesystem::path> filesStartingWith(const std::filesystem::path& folder, const std::string& prefix) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().rfind(prefix, 0) == 0) found.push_back(entry.path());
    return found;
}

// The player two steps left of the stairs, a wall above him: cleared by "RRZ".
void stairsStage(TestGame& game) {
    game.stage = Stage{};
    game.block(cell(5, 5), 7).ground(cell(5, 7), ground::Stairs).ground(cell(4, 5), ground::Wall).target(30);
}

TEST(SecondCopy, MergesKeepTheBetterOfEachStage) {
    Progress mine{}, theirs{};
    mine[0] = 1, mine[1] = 2, mine[2] = 0;
    theirs[0] = 2, theirs[1] = 1, theirs[3] = 1;
    Progress expected{};
    expected[0] = 2, expected[1] = 2, expected[3] = 1;
    EXPECT_EQ(mergeProgress(mine, theirs), expected);
    EXPECT_EQ(mergeProgress(theirs, mine), expected);

    struct Case {
        const char* what;
        StageRecord onDisk, fresh, merged;
    };
    const Case cases[] = {
        {"a first record", {}, {7, "RRZ", ""}, {7, "RRZ", ""}},
        {"another copy's record this copy never saw", {7, "RZ", "DZ"}, {}, {7, "RZ", "DZ"}},
        {"a shorter clear in one mode", {7, "RRRZ", "DZ"}, {7, "RRZ", ""}, {7, "RRZ", "DZ"}},
        {"a longer clear", {7, "RZ", ""}, {7, "RRZ", "DDZ"}, {7, "RZ", "DDZ"}},
        {"a clear as long keeps the first", {7, "RZ", ""}, {7, "LZ", ""}, {7, "RZ", ""}},
        {"the stage changed since", {7, "RZ", "DZ"}, {8, "RRRZ", ""}, {8, "RRRZ", ""}},
    };
    for (const Case& c : cases) {
        Records onDisk{}, fresh{};
        onDisk[4] = c.onDisk;
        fresh[4] = c.fresh;
        Records merged{};
        merged[4] = c.merged;
        EXPECT_EQ(mergeRecords(onDisk, fresh), merged) << c.what;
    }
}

// Each copy read the files at its start and wrote its own view back: the
// last one to write erased the others' clears. Every round must keep all ten.
TEST(SecondCopy, TenSimulatorsClearingAtOnceLoseNothing) {
    constexpr int Copies = 10;
    for (int round = 0; round < 3; ++round) {
        TestGame game;
        for (int n = 1; n <= Copies + 1; ++n) {
            stairsStage(game);
            game.load("stage" + std::to_string(n) + ".txt");
        }
        const std::string folder = game.dir.path().string();
        // The copies wait on a pipe and start together when it closes.
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        std::vector<pid_t> copies;
        for (int n = 1; n <= Copies; ++n) {
            const std::string stage = game.stageFile("stage" + std::to_string(n) + ".txt");
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                ::close(go[1]);
                char byte;
                while (::read(go[0], &byte, 1) > 0) {}
                std::freopen("/dev/null", "w", stdout);
                ::execl(NERILO_SIM, NERILO_SIM, stage.c_str(), "--keys", "RRZ", "--program-dir", folder.c_str(),
                        static_cast<char*>(nullptr));
                ::_exit(127);
            }
            copies.push_back(child);
        }
        ::close(go[0]);
        ::close(go[1]);
        for (pid_t child : copies) {
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << round;
        }
        const ProgressRead progress = readProgressFile(game.dir.file("data.nrl"));
        const RecordsRead records = readRecordsFile(game.dir.file("records.json"));
        ASSERT_TRUE(progress.ok() && records.ok()) << "round " << round;
        for (int n = 1; n <= Copies; ++n) {
            EXPECT_EQ(progress.progress[n - 1], 1) << "round " << round << ", stage " << n;
            EXPECT_EQ(records.records[n - 1].normal, "RRZ") << "round " << round << ", stage " << n;
        }
    }
}

// A file the reader refuses may be the player's only copy of his progress or
// records, or a newer program's: the first write sets it aside, and says where.
// What the player reads names the file by its full path, and the copy, and
// says what is wrong in a few words; never the damaged bytes (control
// characters show as boxes, a long line runs off the box).
TEST(SecondCopy, ARefusedFileIsSetAsideBeforeTheFirstWriteAndNamed) {
    struct Case {
        const char* file;
        std::string bytes;
        bool clearFirst;  // false: closed with nothing played
    };
    const std::string zeros = ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";
    const Case cases[] = {
        {"data.nrl", "garbage", false},
        {"data.nrl", "1,1,1\r\n", true},
        {"data.nrl", "\x01\x02garbage" + zeros, true},
        {"data.nrl", "1,\xff\xfegarbage" + zeros.substr(2), false},
        {"records.json", R"({"version":2,"stages":{}})", true},
        {"records.json", R"({"version":1,"stages":{"3":{"fingerprint":"00000000000000ff","best":"RZ"}}})", true},
        // The file's own names, as JSON spells control characters in them.
        {"records.json", R"({"version":1,"stages":{},"\u0001garbage":0})", true},
        {"records.json", R"({"version":1,"stages":{"\u001b[2Jgarbage":{}}})", true},
        {"records.json", R"({"version":1,"stages":{"3":{"fingerprint":"00000000000000ff","\u202egarbage":0}}})", true},
    };
    for (const Case& c : cases) {
        TestGame game;
        for (const char* stage : {"stage1.txt", "stage30.txt"}) {
            stairsStage(game);
            game.load(stage);
        }
        const std::string path = game.dir.file(c.file);
        std::ofstream(path, std::ios::binary) << c.bytes;
        Game copy(game.platform);
        copy.startUp();
        ASSERT_EQ(readBytes(path), c.bytes) << "start-up only reads: " << c.file;
        ASSERT_EQ(game.platform.messages.size(), 1u) << c.bytes;
        if (c.clearFirst) {
            game.platform.fileAnswers.push_back(game.stageFile("stage30.txt"));
            copy.stages().open();
            copy.startRound();
            Replay replay;
            playKeys(copy, "RRZ", 200, replay);
        }
        copy.prepareToClose();

        const auto aside = filesStartingWith(game.dir.path(), std::string(c.file) + ".damaged-");
        ASSERT_EQ(aside.size(), 1u) << c.file << " " << c.bytes;
        EXPECT_EQ(readBytes(aside[0]), c.bytes);
        ASSERT_EQ(game.platform.messages.size(), 2u) << c.bytes;
        const std::string& damaged = game.platform.messages[0].text;
        const std::string& setAside = game.platform.messages[1].text;
        EXPECT_NE(damaged.find(path), std::string::npos) << damaged;
        EXPECT_NE(setAside.find(path + "\n"), std::string::npos) << setAside;
        EXPECT_NE(setAside.find(aside[0].string()), std::string::npos) << setAside;
        for (const ShownMessage& message : game.platform.messages) {
            EXPECT_EQ(message.title, "Nerilo");
            EXPECT_EQ(message.text.find("garbage"), std::string::npos) << message.text;
            for (char byte : message.text) EXPECT_TRUE(byte == '\n' || static_cast<uint8_t>(byte) >= 0x20) << message.text;
        }
        EXPECT_TRUE(readProgressFile(game.dir.file("data.nrl")).ok()) << c.bytes;
        if (c.clearFirst) {
            EXPECT_EQ(readRecordsFile(game.dir.file("records.json")).records[29].normal, "RRZ") << c.bytes;
        }
    }

    // A second damaged file within the same second keeps the first copy.
    TempDir dir;
    const std::string path = dir.file("data.nrl");
    for (const char* bytes : {"first", "second"}) {
        std::ofstream(path, std::ios::binary) << bytes;
        EXPECT_TRUE(updateProgressFile(path, Progress{}).ok());
    }
    std::set<std::string> kept;
    for (const auto& copy : filesStartingWith(dir.path(), "data.nrl.damaged-")) kept.insert(readBytes(copy));
    EXPECT_EQ(kept, (std::set<std::string>{"first", "second"}));
}

// A stage file handed over by a second copy opens as Open opens the chosen one;
// the question about unsaved edits keeps them on Enter.
TEST(SecondCopy, AHandedStageOpensAsOpenDoes) {
    struct Case {
        const char* what;
        std::function<void(TestGame&)> before;
        bool asked;  // about unsaved edits
        std::optional<MsgResult> answer;  // nothing: Enter
        bool opened;
    };
    auto editSomething = [](TestGame& g) {
        g.engine.editor().toggle();
        g.engine.editor().chooseGroundBrush(ground::Wall);
        g.engine.editor().paintCell(cell(1, 1));
    };
    const Case cases[] = {
        {"playing", [](TestGame&) {}, false, std::nullopt, true},
        {"editing without changes", [](TestGame& g) { g.engine.editor().toggle(); }, false, std::nullopt, true},
        {"unsaved edits dropped", editSomething, true, MsgResult::Ok, true},
        {"unsaved edits kept", editSomething, true, MsgResult::Cancel, false},
        {"unsaved edits, Enter", editSomething, true, std::nullopt, false},
        {"test play", [](TestGame& g) { g.engine.editor().toggle(); g.engine.editor().startTestPlay(); }, false, std::nullopt, false},
    };
    for (const Case& c : cases) {
        TestGame game;
        game.block(cell(5, 5), 7).load("stage1.txt");
        game.stage = Stage{};
        game.block(cell(3, 3), 7).comment("handed").load("handed.txt");
        game.stage = Stage{};
        game.block(cell(5, 5), 7).load("stage1.txt");
        c.before(game);
        if (c.answer) game.platform.messageAnswers.push_back(*c.answer);
        EXPECT_EQ(game.engine.stages().openHanded(game.stageFile("handed.txt")), c.opened) << c.what;
        EXPECT_EQ(game.platform.messages.size(), c.asked ? 1u : 0u) << c.what;
        EXPECT_EQ(game.session().stagePath == game.stageFile("handed.txt"), c.opened) << c.what;
        if (c.opened) {
            EXPECT_TRUE(game.world().state().inputLocked && !game.world().state().ticking) << c.what;
        }
    }
}

}  // namespace
}  // namespace nerilo::test
