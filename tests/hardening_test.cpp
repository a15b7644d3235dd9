// Bad input and hostile moments: the inputs the fuzzers found, progress writes
// killed mid-way, and stages no sane author would draw.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <functional>
#include <poll.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "model/progress_file.h"
#include "model/progress_store.h"
#include "fuzz_checks.h"
#include "game_fixture.h"
#include "records/records_store.h"

namespace nerilo::test {
namespace {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every input in the regression corpus still passes the fuzzers' checks (a
// failing check aborts the test program).
TEST(Hardening, FuzzRegressionCorpusReplays) {
    struct Target {
        const char* folder;
        void (*check)(const uint8_t*, size_t);
    };
    const Target targets[] = {{"stage_reader", fuzz::checkStageReader},
                              {"stage_code", fuzz::checkStageCodeReader},
                              {"progress_reader", fuzz::checkProgressReader},
                              {"records_reader", fuzz::checkRecordsReader},
                              {"progress_merge", fuzz::checkProgressMerge},
                              {"records_merge", fuzz::checkRecordsMerge},
                              {"play", fuzz::checkPlay},
                              {"job_bytes", fuzz::checkJobBytes}};
    int replayed = 0;
    for (const Target& target : targets) {
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(NERILO_REGRESSIONS) / target.folder)) {
            const std::string bytes = readBytes(entry.path());
            target.check(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    EXPECT_GE(replayed, 3);
}

// A writer killed at random moments leaves the old file or the new one, never
// a mixture or a stub.
TEST(Hardening, KilledProgressWritesLeaveAWholeFile) {
    // Each round lets the writer finish a random number of writes, then kills it
    // in the middle of the next one; how many writes happen does not depend on
    // how fast the disk is.
    TempDir dir;
    const std::string path = dir.file("data.nrl");
    Progress first{}, second{};
    second.fill(2);
    ASSERT_EQ(writeProgressFile(path, first), Text());
    const std::string firstText = formatProgress(first), secondText = formatProgress(second);
    std::mt19937 random(42);
    int writes = 0;
    for (int round = 0; round < 40; ++round) {
        const int wanted = std::uniform_int_distribution<int>(1, 30)(random);
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipe[0]);
            for (int i = 0;; ++i) {
                writeProgressFile(path, i % 2 ? first : second);
                char done = 1;
                if (::write(pipe[1], &done, 1) != 1) ::_exit(1);
            }
        }
        ::close(pipe[1]);
        int done = 0;
        char byte;
        while (done < wanted && ::read(pipe[0], &byte, 1) == 1) ++done;
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(pipe[0]);
        ASSERT_EQ(done, wanted) << "round " << round;
        writes += done;
        const std::string now = readBytes(path);
        ASSERT_TRUE(now == firstText || now == secondText) << "round " << round << ": " << now;
    }
    EXPECT_GE(writes, 40);
}

// The same for the merging writes of the progress and the records files:
// killed while it holds the lock, a writer leaves the file as it was before
// the write or merged with it, and the next writer gets the lock (the kernel
// let go of it with the killed process).
TEST(Hardening, KilledMergingWritesLeaveTheOldOrTheMergedFile) {
    // Write i adds one clear: stage i % 30, first cleared, from the 31st write
    // on cleared better; the file after k writes is known exactly.
    struct Writer {
        const char* name;
        std::function<void(const std::string& path, int i)> write;
        std::function<std::string(int k)> after;
    };
    const Writer writers[] = {
        {"data.nrl",
         [](const std::string& path, int i) {
             Progress clear{};
             clear[static_cast<size_t>(i % StageCount)] = i < StageCount ? 1 : 2;
             updateProgressFile(path, clear);
         },
         [](int k) {
             Progress p{};
             for (int i = 0; i < k; ++i) p[static_cast<size_t>(i % StageCount)] = i < StageCount ? 1 : 2;
             return formatProgress(p);
         }},
        {"records.json",
         [](const std::string& path, int i) {
             Records clear{};
             clear[static_cast<size_t>(i % StageCount)] = {7, i < StageCount ? "RRRZ" : "RZ", ""};
             updateRecordsFile(path, clear);
         },
         [](int k) {
             Records r{};
             for (int i = 0; i < k; ++i) r[static_cast<size_t>(i % StageCount)] = {7, i < StageCount ? "RRRZ" : "RZ", ""};
             return formatRecords(r);
         }},
    };
    std::mt19937 random(7);
    for (const Writer& writer : writers) {
        TempDir dir;
        const std::string path = dir.file(writer.name);
        for (int round = 0; round < 20; ++round) {
            ASSERT_EQ(writeFileAtomically(path, writer.after(0)), Text());
            const int wanted = std::uniform_int_distribution<int>(0, 45)(random);
            // Lockstep: the writer starts write i only when told to, so that
            // after `wanted` confirmed writes it is at most one write further
            // when it is killed, however fast the machine is.
            int go[2], confirmed[2];
            ASSERT_EQ(::pipe(go), 0);
            ASSERT_EQ(::pipe(confirmed), 0);
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                ::close(go[1]);
                ::close(confirmed[0]);
                char byte;
                for (int i = 0; ::read(go[0], &byte, 1) == 1; ++i) {
                    writer.write(path, i);
                    if (::write(confirmed[1], &byte, 1) != 1) ::_exit(1);
                }
                ::_exit(0);
            }
            ::close(go[0]);
            ::close(confirmed[1]);
            int done = 0;
            char byte = 1;
            pollfd ready{confirmed[0], POLLIN, 0};
            // Bounded: a lock left held by the killed writer would stop every write.
            while (done <= wanted && ::write(go[1], &byte, 1) == 1) {
                if (done == wanted) break;  // the last write is under way when the writer dies
                if (::poll(&ready, 1, 10000) != 1 || ::read(confirmed[0], &byte, 1) != 1) break;
                ++done;
            }
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            ::close(go[1]);
            ::close(confirmed[0]);
            ASSERT_EQ(done, wanted) << writer.name << " round " << round;
            const std::string now = readBytes(path);
            ASSERT_TRUE(now == writer.after(wanted) || now == writer.after(wanted + 1))
                << writer.name << " round " << round << ": " << now;
        }
    }
}

TEST(Hardening, TwoPlayersNoPlayerAndABoxedInPlayerStayOnTheBoard) {
    TestGame two;
    two.block(cell(3, 3), 7).block(cell(9, 9), 7);
    two.start();
    EXPECT_EQ(two.world().state().playerBlock, cell(9, 9));
    two.play("RRUULLDDZX");
    EXPECT_EQ(two.player(), cell(9, 9));
    EXPECT_EQ(pictureOf(two.world().state(), two.world().drawing(), cell(3, 3)), blockPicture(7));

    TestGame none;
    none.ground(cell(4, 4), 28);
    none.start();
    none.play("RRDDLLUUZ_EX..");
    for (int k = 0; k < CellCount; ++k) ASSERT_LT(none.world().state().blockCell[k], CellCount);

    TestGame boxed;
    boxed.block(cell(0, 0), 7).ground(cell(0, 1), 1).ground(cell(1, 0), 1).ground(cell(0, 14), 1).ground(cell(14, 0), 1);
    boxed.world().setUp().extraMode = ExtraMode::Block;
    boxed.start();
    Replay r = boxed.play("RDLU", 200);
    EXPECT_EQ(boxed.player(), cell(0, 0));
    EXPECT_FALSE(r.stuck);
}

TEST(Hardening, EverySpringInARowCirclesUntilDelete) {
    TestGame game;
    for (int c = 0; c < BoardSide; ++c) game.ground(cell(6, c), 4);
    game.block(cell(6, 0), 7);
    game.start();
    Replay r = game.play("R", 3000);
    EXPECT_TRUE(r.stuck);
    EXPECT_TRUE(game.world().state().inputLocked);
    game.play("X");
    EXPECT_EQ(game.player(), cell(6, 0));
    EXPECT_FALSE(game.world().state().inputLocked);
}

}  // namespace
}  // namespace nerilo::test
