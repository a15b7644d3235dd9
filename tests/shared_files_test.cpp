// The player's files shared with other writers: a keeper that holds them
// outside the file system (the page's storage, which its tabs share), another
// copy's write taken into memory, and a file the player brings back.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

#include "game_fixture.h"
#include "model/progress_store.h"
#include "records/records_store.h"

namespace nerilo::test {
namespace {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

Progress progressOf(std::initializer_list<std::pair<int, uint8_t>> records) {
    Progress p{};
    for (auto [stage, value] : records) p[stage - 1] = value;
    return p;
}

// The page's storage as a map of file names to bytes; it may refuse to take
// any more (full), and names the copies set aside it was sent.
class StoreKeeper : public FileKeeper {
public:
    StoreKeeper() { keepFilesWith(this); }
    ~StoreKeeper() override { keepFilesWith(nullptr); }
    StoreKeeper(const StoreKeeper&) = delete;
    StoreKeeper& operator=(const StoreKeeper&) = delete;

    void bringIn(const std::string& path) override {
        const auto kept = store.find(name(path));
        if (kept == store.end()) std::filesystem::remove(path);
        else writeBytes(path, kept->second);
    }
    Text sendBack(const std::string& path) override {
        if (full) return Text::words("full");
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path())) {
            const std::string aside = entry.path().filename().string();
            if (aside.rfind(name(path) + ".damaged-", 0) != 0) continue;
            store[aside] = readBytes(entry.path().string());
            std::filesystem::remove(entry.path());
        }
        store[name(path)] = readBytes(path);
        return {};
    }

    std::map<std::string, std::string> store;
    bool full = false;

private:
    static std::string name(const std::string& path) { return std::filesystem::path(path).filename().string(); }
};

size_t copiesAside(const StoreKeeper& keeper) {
    size_t n = 0;
    for (const auto& [name, bytes] : keeper.store) n += name.find(".damaged-") != std::string::npos;
    return n;
}

// What the store holds before the write, and whether it takes the result:
// the merge sees the other writer's bytes of the moment before, and a write
// the store refuses fails, to be tried again.
TEST(SharedFiles, EveryMergingWriteReadsTheKeptFileAndSendsItsResultBack) {
    struct Case {
        const char* what;
        std::optional<std::string> stored;  // data.nrl in the store before the write
        bool full;
        bool ok;
        std::string storedAfter;
        size_t aside;
    };
    const std::string other = formatProgress(progressOf({{2, 1}}));
    const std::string merged = formatProgress(progressOf({{1, 2}, {2, 1}}));
    const Case cases[] = {
        {"another tab's clear is merged in", other, false, true, merged, 0},
        {"nothing kept yet", std::nullopt, false, true, formatProgress(progressOf({{1, 2}})), 0},
        {"a refused file is kept aside in the store", std::string("garbage"), false, true,
         formatProgress(progressOf({{1, 2}})), 1},
        {"a full store fails the write and keeps what it had", other, true, false, other, 0},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.file("data.nrl");
        // The file system's copy is stale: the store is where the files are kept.
        writeBytes(path, formatProgress(progressOf({{3, 1}})));
        StoreKeeper keeper;
        if (c.stored) keeper.store["data.nrl"] = *c.stored;
        keeper.full = c.full;
        const ProgressUpdate update = updateProgressFile(path, progressOf({{1, 2}}));
        EXPECT_EQ(update.ok(), c.ok) << c.what;
        EXPECT_EQ(keeper.store["data.nrl"], c.storedAfter) << c.what;
        EXPECT_EQ(copiesAside(keeper), c.aside) << c.what;
    }
}

bool says(const ShownMessage& message, const std::string& words) { return message.text.find(words) != std::string::npos; }

// A full store: the clear is told once, stays in memory while the store
// refuses, and is written at the first write it takes; a later failure is
// told again.
TEST(SharedFiles, AWriteTheStoreRefusesIsToldOnceAndTheClearWrittenWhenItCan) {
    TestGame game;
    // The stairs of the progress tests: "RZ" clears each stage.
    for (const char* name : {"stage1.txt", "stage2.txt", "stage3.txt", "stage4.txt", "stage5.txt"}) {
        game.stage = Stage{};
        game.block(cell(5, 5), 7).ground(cell(5, 6), 15).target(30);
        game.load(name);
    }
    game.records().open(game.dir.file("records.json"));
    StoreKeeper keeper;
    keeper.full = true;
    const struct {
        const char* stage;
        bool full;
        size_t messages;
    } clears[] = {{"stage1.txt", true, 1}, {"stage2.txt", true, 1}, {"stage3.txt", false, 1}, {"stage4.txt", true, 2}};
    for (const auto& c : clears) {
        keeper.full = c.full;
        game.engine.stages().openFile(game.stageFile(c.stage));
        game.engine.startRound();
        game.play("RZ");
        EXPECT_EQ(game.platform.messages.size(), c.messages) << c.stage;
        EXPECT_TRUE(game.world().state().ticking) << c.stage;
    }
    EXPECT_TRUE(says(game.platform.messages[0], "保存できませんでした")) << game.platform.messages[0].text;
    EXPECT_EQ(game.platform.messages[0].title, "Nerilo");
    EXPECT_EQ(keeper.store["data.nrl"], formatProgress(progressOf({{1, 1}, {2, 1}, {3, 1}})));
    EXPECT_EQ(parseRecords(keeper.store["records.json"]).records[1].normal, "RZ");
    EXPECT_TRUE(game.records().hasUnsaved());
}

// Another copy's write: its clears join this copy's in memory, records kept
// since the last save stay on top; a file refused changes nothing.
TEST(SharedFiles, AnotherCopysWriteIsTakenIntoMemory) {
    struct Case {
        const char* what;
        std::string progress, records;
        Progress expected;
        const char* bestOfStage3;
    };
    Records others{};
    others[2] = {7, "RRRZ", "", 2};
    others[4] = {7, "RZ", "", 0};
    const Case cases[] = {
        {"good files", formatProgress(progressOf({{2, 1}, {4, 2}})), formatRecords(others),
         progressOf({{2, 1}, {4, 2}, {5, 1}}), "RZ"},
        {"refused files", "garbage", "{\"version\": 1, \"sta", progressOf({{5, 1}}), "RZ"},
    };
    for (const Case& c : cases) {
        TestGame game;
        const std::string records = game.dir.file("records.json");
        game.records().open(records);
        game.progress() = progressOf({{5, 1}});
        game.records().offer(3, 7, false, "RZ");
        writeBytes(game.dir.file("data.nrl"), c.progress);
        writeBytes(records, c.records);
        game.engine.takePlayerFiles();
        EXPECT_EQ(game.progress(), c.expected) << c.what;
        EXPECT_EQ(game.records().best(3, 7, false), c.bestOfStage3) << c.what;
        EXPECT_EQ(game.records().deadEnds(3, 7), c.progress == "garbage" ? 0u : 2u) << c.what;
        EXPECT_EQ(game.records().best(5, 7, false), c.progress == "garbage" ? "" : "RZ") << c.what;
        EXPECT_TRUE(game.records().hasUnsaved()) << c.what;
        EXPECT_TRUE(game.platform.messages.empty()) << c.what;
    }
}

// A file the player brings back: refused, nothing changes and he reads why;
// read, it is merged with what he has and written.
TEST(SharedFiles, ABroughtBackFileIsMergedOrRefusedWithTheReason) {
    Records older{};
    older[2] = {7, "RRRRZ", "RZ", 1};  // same stage: the shorter step-try clear counts
    older[3] = {6, "RZ", "", 0};       // stage 4 as it was before it changed: the book's stays
    older[5] = {9, "RRZ", "", 0};      // a stage the book has nothing of
    struct Case {
        const char* what;
        const char* name;
        std::string bytes;
        bool records;
        bool taken;
    };
    const Case cases[] = {
        {"garbage as progress", "data.nrl", "garbage", false, false},
        {"a truncated records file", "records.json", formatRecords(older).substr(0, 60), true, false},
        {"an older progress file", "data.nrl", formatProgress(progressOf({{1, 1}, {2, 2}})), false, true},
        {"an older records file", "records.json", formatRecords(older), true, true},
    };
    for (const Case& c : cases) {
        TestGame game;
        const std::string progressPath = game.dir.file("data.nrl"), recordsPath = game.dir.file("records.json");
        game.records().open(recordsPath);
        game.progress() = progressOf({{1, 2}});
        game.engine.prepareToClose();
        game.records().offer(3, 7, false, "RRZ");
        game.records().offer(4, 5, false, "RRRZ");
        game.records().save();
        const std::string progressBefore = readBytes(progressPath), recordsBefore = readBytes(recordsPath);
        const std::string brought = game.dir.file("brought");
        writeBytes(brought, c.bytes);

        game.engine.importPlayerFile(brought, c.name, c.records);
        ASSERT_EQ(game.platform.messages.size(), 1u) << c.what;
        const ShownMessage& told = game.platform.messages[0];
        EXPECT_EQ(told.title, "Nerilo") << c.what;
        EXPECT_TRUE(says(told, c.name)) << c.what;
        EXPECT_EQ(says(told, "読み込めません"), !c.taken) << told.text;
        const bool progressTaken = c.taken && !c.records, recordsTaken = c.taken && c.records;
        EXPECT_EQ(readBytes(progressPath) != progressBefore, progressTaken) << c.what;
        EXPECT_EQ(readBytes(recordsPath) != recordsBefore, recordsTaken) << c.what;
        const Progress progress = progressTaken ? progressOf({{1, 2}, {2, 2}}) : progressOf({{1, 2}});
        EXPECT_EQ(game.progress(), progress) << c.what;
        EXPECT_EQ(readProgressFile(progressPath).progress, progress) << c.what;
        if (!recordsTaken) continue;
        const Records kept = readRecordsFile(recordsPath).records;
        EXPECT_EQ(kept[2], (StageRecord{7, "RRZ", "RZ", 1})) << c.what;
        EXPECT_EQ(kept[3], (StageRecord{5, "RRRZ", "", 0})) << c.what;
        EXPECT_EQ(kept[5], older[5]) << c.what;
        EXPECT_EQ(game.records().records(), kept) << c.what;
    }
}

}  // namespace
}  // namespace nerilo::test
