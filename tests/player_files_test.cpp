// The player's files when the system, not their bytes, is at fault: a file
// that cannot be read, a lock another copy keeps, a folder that must reach
// the disk after a rename.
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "game_fixture.h"
#include "model/progress_store.h"
#include "records/records_store.h"

// Every fsync of the test program passes through here, so that a test can see
// a folder synced, and make its sync fail.
namespace {
// Called before each sync; true: the sync fails as the disk's would.
std::function<bool(int fd)> syncFails;
}
extern "C" int fsync(int fd) {
    if (syncFails && syncFails(fd)) {
        errno = EIO;
        return -1;
    }
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    return real(fd);
}

namespace nerilo::test {
namespace {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// What stands at a path, compared before and after a write that must not touch it.
std::string entryAt(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return "nothing";
    std::string entry = std::to_string(info.st_ino) + " " + std::to_string(info.st_mode);
    if (S_ISLNK(info.st_mode)) entry += " -> " + std::filesystem::read_symlink(path).string();
    if (S_ISREG(info.st_mode)) entry += " " + readBytes(path);
    return entry;
}

size_t copiesSetAside(const TempDir& dir) {
    size_t n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        n += entry.path().filename().string().find(".damaged-") != std::string::npos;
    return n;
}

// What a write run in a child process reported, so that a write that never
// returns fails the test instead of stopping it.
struct Outcome {
    bool returned = false, ok = false, busy = false, unreadable = false, setAside = false;
};

// Runs `update` in a child; asNobody: as the user nobody when the test runs
// as root, whom file permissions do not bind.
Outcome updateInChild(const std::function<FileUpdate()>& update, bool asNobody) {
    int pipe[2];
    if (::pipe(pipe) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (asNobody && ::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(1);
        const FileUpdate u = update();
        const char report[4] = {u.ok(), u.busy, u.unreadable, !u.keptAside.empty()};
        ::_exit(::write(pipe[1], report, 4) == 4 ? 0 : 1);
    }
    ::close(pipe[1]);
    Outcome outcome;
    char report[4];
    pollfd ready{pipe[0], POLLIN, 0};
    // A generous bound: the write waits a few seconds at most.
    if (::poll(&ready, 1, 60000) == 1 && ::read(pipe[0], report, 4) == 4)
        outcome = {true, bool(report[0]), bool(report[1]), bool(report[2]), bool(report[3])};
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(pipe[0]);
    return outcome;
}

// A clear of stage 3 in each file, what a merging write adds.
struct Writer {
    const char* name;
    std::function<FileUpdate(const std::string& path)> update;
    std::string good;  // a file the reader accepts
};
const Writer writers[] = {
    {"data.nrl", [](const std::string& path) -> FileUpdate { return updateProgressFile(path, Progress{0, 0, 1}); },
     formatProgress(Progress{2})},
    {"records.json",
     [](const std::string& path) -> FileUpdate {
         Records clear{};
         clear[2] = {7, "RRZ", ""};
         return updateRecordsFile(path, clear);
     },
     formatRecords(Records{StageRecord{7, "RZ", ""}})},
};

// A file the system cannot read may be whole: neither set aside nor written over.
TEST(PlayerFiles, AFileThatCannotBeReadIsLeftAsItIs) {
    struct Case {
        const char* what;
        std::function<void(const std::string& path, const std::string& good)> make;
        bool asNobody;
    };
    const Case cases[] = {
        {"no read permission",
         [](const std::string& path, const std::string& good) {
             std::ofstream(path, std::ios::binary) << good;
             ::chmod(path.c_str(), 0);
         },
         true},
        {"a pipe in the file's place", [](const std::string& path, const std::string&) { ::mkfifo(path.c_str(), 0644); },
         false},
    };
    for (const Writer& writer : writers) {
        for (const Case& c : cases) {
            TempDir dir;
            // The user nobody may write here, so that only the program keeps him from it.
            ::chmod(dir.path().c_str(), 0777);
            const std::string path = dir.file(writer.name);
            c.make(path, writer.good);
            const std::string before = entryAt(path);
            const Outcome outcome = updateInChild([&] { return writer.update(path); }, c.asNobody);
            ASSERT_TRUE(outcome.returned) << writer.name << ", " << c.what;
            EXPECT_FALSE(outcome.ok) << writer.name << ", " << c.what;
            EXPECT_TRUE(outcome.unreadable) << writer.name << ", " << c.what;
            EXPECT_FALSE(outcome.setAside) << writer.name << ", " << c.what;
            EXPECT_EQ(entryAt(path), before) << writer.name << ", " << c.what;
            EXPECT_EQ(copiesSetAside(dir), 0u) << writer.name << ", " << c.what;
        }
    }
}

// A copy stopped while it holds the lock (a debugger, Ctrl+Z): the write
// gives up as busy instead of waiting for ever, and the next one, once the
// copy is gone, goes through.
TEST(PlayerFiles, ALockHeldByAStoppedCopyMakesTheWriteGiveUpAsBusy) {
    for (const Writer& writer : writers) {
        TempDir dir;
        const std::string path = dir.file(writer.name);
        std::ofstream(path, std::ios::binary) << writer.good;
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t holder = ::fork();
        ASSERT_GE(holder, 0);
        if (holder == 0) {
            const FileLock lock(path, LockPatience);
            const char held = lock.error().empty();
            if (::write(ready[1], &held, 1) != 1) ::_exit(1);
            ::raise(SIGSTOP);
            ::_exit(0);
        }
        char held = 0;
        ASSERT_EQ(::read(ready[0], &held, 1), 1);
        ASSERT_TRUE(held) << writer.name;
        const Outcome outcome = updateInChild([&] { return writer.update(path); }, false);
        EXPECT_TRUE(outcome.returned) << writer.name;
        EXPECT_FALSE(outcome.ok) << writer.name;
        EXPECT_TRUE(outcome.busy) << writer.name;
        EXPECT_EQ(readBytes(path), writer.good) << writer.name;

        ::kill(holder, SIGKILL);
        ::waitpid(holder, nullptr, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        EXPECT_TRUE(writer.update(path).ok()) << writer.name;
        EXPECT_NE(readBytes(path), writer.good) << writer.name;
    }
}

// The folder is synced after the rename, or a power cut may bring the old
// file back; a sync that fails is reported.
TEST(PlayerFiles, TheFolderIsSyncedAfterTheRename) {
    struct Case {
        const char* what;
        bool syncFails;
    };
    for (const Case c : {Case{"synced", false}, Case{"the sync fails", true}}) {
        TempDir dir;
        const std::string path = dir.file("data.nrl");
        ASSERT_EQ(writeFileAtomically(path, "old"), Text());
        struct stat folder {};
        ASSERT_EQ(::stat(dir.path().c_str(), &folder), 0);
        std::string seenAtSync = "no sync";
        syncFails = [&](int fd) {
            struct stat info {};
            if (::fstat(fd, &info) != 0 || info.st_ino != folder.st_ino || info.st_dev != folder.st_dev) return false;
            seenAtSync = readBytes(path);
            return c.syncFails;
        };
        const Text error = writeFileAtomically(path, "new");
        syncFails = nullptr;
        EXPECT_EQ(seenAtSync, "new") << c.what;
        EXPECT_EQ(error.empty(), !c.syncFails) << c.what << ": " << error.japanese();
    }
}

// The stairsStage of the other tests: "RRZ" clears stage 30.
void stairsStage(TestGame& game) {
    game.stage = Stage{};
    game.block(cell(5, 5), 7).ground(cell(5, 7), ground::Stairs).ground(cell(4, 5), ground::Wall).target(30);
}

bool says(const ShownMessage& message, const std::string& words) { return message.text.find(words) != std::string::npos; }

// What the player reads when a file cannot be read for now, and that nothing
// of his is lost: the clear made meanwhile is written, merged with the file,
// at the first write that can read it.
TEST(PlayerFiles, TheGameSaysWhyItCannotWriteAndWritesWhenItCan) {
    for (const std::string file : {"data.nrl", "records.json"}) {
        TestGame game;
        // Stage 1 for the start-up to show, stage 30 to clear.
        for (const char* stage : {"stage1.txt", "stage30.txt"}) {
            stairsStage(game);
            game.load(stage);
        }
        const std::string path = game.dir.file(file);
        ::mkfifo(path.c_str(), 0644);
        Game copy(game.platform);
        copy.startUp();
        ASSERT_EQ(game.platform.messages.size(), 1u) << file;
        EXPECT_TRUE(says(game.platform.messages[0], "読めません。\n" + path)) << game.platform.messages[0].text;
        game.platform.fileAnswers.push_back(game.stageFile("stage30.txt"));
        copy.stages().open();
        copy.startRound();
        Replay replay;
        playKeys(copy, "RRZ", 200, replay);
        ASSERT_EQ(game.platform.messages.size(), 2u) << file;
        const ShownMessage& failed = game.platform.messages[1];
        EXPECT_EQ(failed.title, "Nerilo");
        EXPECT_TRUE(says(failed, "保存できませんでした")) << failed.text;
        EXPECT_TRUE(says(failed, "読めないので")) << failed.text;
        EXPECT_TRUE(says(failed, "もう一度試します")) << failed.text;
        EXPECT_EQ(copiesSetAside(game.dir), 0u) << file;

        // The file can be read again and holds another copy's clear of stage 3.
        ::unlink(path.c_str());
        Records records{};
        records[2] = {7, "RZ", ""};
        std::ofstream(path, std::ios::binary) << (file == "data.nrl" ? formatProgress(Progress{0, 0, 1}) : formatRecords(records));
        copy.prepareToClose();
        const ProgressRead progress = readProgressFile(game.dir.file("data.nrl"));
        const RecordsRead kept = readRecordsFile(game.dir.file("records.json"));
        ASSERT_TRUE(progress.ok() && kept.ok()) << file;
        EXPECT_EQ(progress.progress[29], 1) << file;
        EXPECT_EQ(kept.records[29].normal, "RRZ") << file;
        if (file == "data.nrl") EXPECT_EQ(progress.progress[2], 1);
        else EXPECT_EQ(kept.records[2].normal, "RZ");
        EXPECT_EQ(game.platform.messages.size(), 2u) << file;
    }
}

}  // namespace
}  // namespace nerilo::test
