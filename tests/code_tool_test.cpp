// nerilo-code as a stage author and a player run it: every shipped stage there
// and back, proofs, bad codes refused with exit status 2, and all of it said
// in one language.
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

#include "model/stage_code.h"
#include "game_fixture.h"
#include "solver/proof_check.h"
#include "stage_solutions.h"
#include "tool_run.h"

namespace nerilo::test {
namespace {

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

TEST(CodeTool, EveryShippedStageGoesThereAndBackAndPlaysItsSolution) {
    TempDir dir;
    for (int n = 1; n <= 30; ++n) {
        const ToolRun encoded = runTool(NERILO_CODE, "encode " + shippedStage(n));
        ASSERT_EQ(encoded.status, 0) << encoded.output;
        const std::string code = firstLine(encoded.output);
        EXPECT_LE(code.size(), 300u) << "stage " << n;
        const std::string out = dir.file("stage" + std::to_string(n) + ".txt");
        const ToolRun decoded = runTool(NERILO_CODE, "decode " + code + " " + out);
        ASSERT_EQ(decoded.status, 0) << decoded.output;
        EXPECT_EQ(readText(out), readText(shippedStage(n))) << "stage " << n;
        EXPECT_TRUE(solver::proofClears(readStageFile(out).stage, storedSolutions().at(n))) << "stage " << n;
    }
}

TEST(CodeTool, CarriesAProofOnlyWhenItClears) {
    TempDir dir;
    const std::string stage = shippedStage(6), out = dir.file("out.txt");
    const std::string solution = storedSolutions().at(6);
    const ToolRun proven = runTool(NERILO_CODE, "encode --link --proof " + solution + " " + stage);
    ASSERT_EQ(proven.status, 0) << proven.output;
    EXPECT_EQ(proven.output.rfind("nerilo:N1.", 0), 0u) << proven.output;
    const ToolRun opened = runTool(NERILO_CODE, "decode " + firstLine(proven.output) + " " + out);
    EXPECT_EQ(opened.status, 0) << opened.output;
    EXPECT_NE(opened.output.find("proven: " + solution), std::string::npos) << opened.output;

    const ToolRun wrong = runTool(NERILO_CODE, "encode --proof RRZ " + stage);
    EXPECT_EQ(wrong.status, 2) << wrong.output;
    EXPECT_NE(wrong.output.find("does not clear"), std::string::npos) << wrong.output;

    // A code written by another writer may claim a clear it does not hold:
    // the stage is written, unproven.
    const std::string claim = formatStageCode(readStageFile(stage).stage, "RRZ");
    const ToolRun unproven = runTool(NERILO_CODE, "decode " + claim + " " + out);
    EXPECT_EQ(unproven.status, 1) << unproven.output;
    EXPECT_NE(unproven.output.find("written unproven"), std::string::npos) << unproven.output;
    EXPECT_EQ(readText(out), readText(stage));

    const ToolRun solved = runTool(NERILO_CODE, "encode --solve " + shippedStage(2));
    ASSERT_EQ(solved.status, 0) << solved.output;
    EXPECT_EQ(parseStageCode(firstLine(solved.output)).proof, storedSolutions().at(2));
}

TEST(CodeTool, RefusesBadCodesAndLeavesTheFileAlone) {
    TempDir dir;
    const std::string out = dir.file("out.txt");
    const std::string code = formatStageCode(readStageFile(shippedStage(9)).stage);
    std::string changed = code;
    changed[40] = changed[40] == 'x' ? 'y' : 'x';
    const struct {
        std::string arguments;
        const char* says;
    } cases[] = {
        {"decode " + changed + " " + out, "壊れています"},
        {"decode " + code.substr(0, code.size() - 3) + " " + out, "途中で切れています"},
        {"decode N7" + code.substr(2) + " " + out, "版「7」"},
        {"decode stage9.txt " + out, "ステージのコードではありません"},
        {"encode " + dir.file("missing.txt"), "missing.txt"},
        {"decode " + code, "OUT"},
        {"", "subcommand"},
    };
    for (const auto& c : cases) {
        const ToolRun run = runTool(NERILO_CODE, "--lang ja " + c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << c.arguments << "\n" << run.output;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.arguments;
    }
}

// A run speaks --lang's language, else the locale's: its own words and the
// engine's reasons alike. An English run that said why in Japanese read as
// two programs talking.
TEST(CodeTool, SpeaksOneLanguagePerRun) {
    TempDir dir;
    const std::string stage = shippedStage(6), out = dir.file("out.txt");
    const Stage read = readStageFile(stage).stage;
    std::string damaged = formatStageCode(read);
    damaged[40] = damaged[40] == 'x' ? 'y' : 'x';
    const struct {
        std::string arguments;
        const char* japanese;
        const char* english;
    } commands[] = {
        {"decode " + damaged + " " + out, "壊れています", "damaged"},
        {"encode " + dir.file("missing.txt"), "開けません", "Cannot open"},
        {"encode --proof RRZ " + stage, "ではステージをクリアできません", "does not clear"},
        {"decode " + formatStageCode(read, "RRZ") + " " + out, "証明なしで", "written unproven"},
        {"decode " + formatStageCode(read, storedSolutions().at(6)) + " " + out, "証明済み", "proven: "},
    };
    const struct {
        std::string environment, option;
        bool japanese;
    } runs[] = {
        {"LC_ALL=C", "", false},
        {"LC_ALL= LC_MESSAGES= LANG=ja_JP.UTF-8", "", true},
        {"LC_ALL=ja_JP.UTF-8 LANG=C", "", true},
        {"LC_ALL= LC_MESSAGES=en_GB.UTF-8 LANG=ja_JP.UTF-8", "", false},
        {"LC_ALL=ja_JP.UTF-8", "--lang en ", false},
        {"LC_ALL=C", "--lang ja ", true},
    };
    for (const auto& run : runs) {
        for (const auto& command : commands) {
            const std::string said =
                runTool(run.environment + " " + NERILO_CODE, run.option + command.arguments).output;
            const std::string what = run.environment + " " + run.option + command.arguments + "\n" + said;
            EXPECT_NE(said.find(run.japanese ? command.japanese : command.english), std::string::npos) << what;
            EXPECT_EQ(said.find(run.japanese ? command.english : command.japanese), std::string::npos) << what;
            if (!run.japanese) {
                EXPECT_TRUE(std::all_of(said.begin(), said.end(), [](char c) { return static_cast<uint8_t>(c) < 0x80; }))
                    << what;
            }
        }
    }
    const ToolRun unknown = runTool(NERILO_CODE, "--lang fr decode " + damaged + " " + out);
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.output.find("--lang takes ja or en"), std::string::npos) << unknown.output;
}

}  // namespace
}  // namespace nerilo::test
