// Bad input and hostile moments: the inputs the fuzzers found, progress writes
// killed mid-way, and stages no sane author would draw.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

#include "board/progress_file.h"
#include "fuzz_checks.h"
#include "game_fixture.h"

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
                              {"play", fuzz::checkPlay}};
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

TEST(Hardening, TwoPlayersNoPlayerAndABoxedInPlayerStayOnTheBoard) {
    TestGame two;
    two.block(cell(3, 3), 7).block(cell(9, 9), 7);
    two.start();
    EXPECT_EQ(two.state().playerBlock, cell(9, 9));
    two.play("RRUULLDDZX");
    EXPECT_EQ(two.player(), cell(9, 9));
    EXPECT_EQ(two.state().blocks[cell(3, 3)].picture, blockPicture(7));

    TestGame none;
    none.ground(cell(4, 4), 28);
    none.start();
    none.play("RRDDLLUUZ_EX..");
    for (int k = 0; k < CellCount; ++k) ASSERT_TRUE(none.state().blockCell[k] >= 0 && none.state().blockCell[k] < CellCount);

    TestGame boxed;
    boxed.block(cell(0, 0), 7).ground(cell(0, 1), 1).ground(cell(1, 0), 1).ground(cell(0, 14), 1).ground(cell(14, 0), 1);
    boxed.engine.state().extraMode = ExtraMode::Block;
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
    EXPECT_TRUE(game.state().inputLocked);
    game.play("X");
    EXPECT_EQ(game.player(), cell(6, 0));
    EXPECT_FALSE(game.state().inputLocked);
}

}  // namespace
}  // namespace nerilo::test
