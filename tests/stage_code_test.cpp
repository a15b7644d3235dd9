// The stage code: every shipped stage there and back, what a code may hold,
// and every way a code can be spoiled in a message refused with its reason.
#include <algorithm>
#include <gtest/gtest.h>
#include <iostream>
#include <vector>

#include "model/stage_code.h"
#include "stage_solutions.h"

namespace nerilo::test {
namespace {

Stage shipped(int number) {
    StageRead read = readStageFile(shippedStage(number));
    EXPECT_TRUE(read.ok()) << read.error;
    return read.stage;
}

TEST(StageCode, EveryShippedStageComesBackWithItsProofWithinThreeHundredLetters) {
    std::vector<size_t> lengths;
    for (int n = 1; n <= 30; ++n) {
        const Stage stage = shipped(n);
        for (const std::string& proof : {std::string(), storedSolutions().at(n)}) {
            const std::string code = formatStageCode(stage, proof);
            EXPECT_EQ(code.find_first_not_of(StageCodeAlphabet), std::string::npos) << code;
            const StageCodeRead read = parseStageCode(code);
            ASSERT_TRUE(read.ok()) << "stage " << n << ": " << read.error;
            EXPECT_EQ(read.stage, stage) << "stage " << n;
            EXPECT_EQ(read.proof, proof) << "stage " << n;
            if (proof.empty()) lengths.push_back(code.size());
        }
    }
    std::sort(lengths.begin(), lengths.end());
    EXPECT_LE(lengths.back(), 300u);
    std::cout << "stage codes: largest " << lengths.back() << ", median "
              << (lengths[14] + lengths[15]) / 2.0 << " letters\n";
}

TEST(StageCode, HoldsWhatAStageFileCan) {
    Stage edges;
    for (int i = 0; i < CellCount; ++i) {
        edges.ground[i] = static_cast<uint8_t>(GroundCodeCount - 1 - i % GroundCodeCount);
        edges.blocks[i] = static_cast<uint8_t>(i % BlockCodeCount);
    }
    struct Case {
        const char* what;
        std::string comment;
        long long target;
    };
    const Case cases[] = {
        {"nothing", "", 0},
        {"lines and both widths", "一行目、\nsecond line ＂quoted＂\n", 1},
        {"outside the basic plane", "𠮷野家 🎌", 127},
        {"a varint of several bytes", "x", 99999999},
        {"below zero", "負の目標", -99999999},
        {"minus one", "-", -1},
    };
    for (const Case& c : cases) {
        Stage stage = edges;
        stage.comment = c.comment;
        stage.stepTarget = c.target;
        const StageCodeRead read = parseStageCode(formatStageCode(stage, "LRUDlrudZ"));
        ASSERT_TRUE(read.ok()) << c.what << ": " << read.error;
        EXPECT_EQ(read.stage, stage) << c.what;
        EXPECT_EQ(read.proof, "LRUDlrudZ") << c.what;
    }
}

TEST(StageCode, ReadsLinksAndPastedBlanks) {
    const Stage stage = shipped(3);
    const std::string code = formatStageCode(stage);
    for (const std::string& text : {"nerilo:" + code, "nerilo://" + code + "/", "NERILO:" + code, "  " + code + "\r\n"}) {
        const StageCodeRead read = parseStageCode(text);
        ASSERT_TRUE(read.ok()) << text << ": " << read.error;
        EXPECT_EQ(read.stage, stage);
        EXPECT_TRUE(looksLikeStageCode(text)) << text;
    }
    for (const char* file : {"stage/stage3.txt", "N1", "N.abc", "Nerilo.txt", "N1.a b"})
        EXPECT_FALSE(looksLikeStageCode(file)) << file;
}

std::string withLetter(std::string code, size_t at, char letter) {
    code[at] = letter;
    return code;
}

TEST(StageCode, RefusesASpoiledCodeSayingWhy) {
    const std::string code = formatStageCode(shipped(12), storedSolutions().at(12));
    using P = StageCodeProblem;
    struct Case {
        const char* what;
        std::string text;
        StageCodeProblem problem;
        const char* says;
    };
    const Case cases[] = {
        {"a later version", "N2" + code.substr(2), P::UnknownVersion, "版「2」は読めません"},
        {"a version of two digits", "N10" + code.substr(2), P::UnknownVersion, "版「10」"},
        {"no version", "M1" + code.substr(2), P::NotACode, "ステージのコードではありません"},
        {"a file name", "stage3.txt", P::NotACode, "ステージのコードではありません"},
        {"nothing", "", P::TooShort, "途中で切れています（0 文字"},
        {"the prefix alone", "N1.", P::TooShort, "途中で切れています"},
        {"a few letters", "N1.AbC", P::TooShort, "途中で切れています"},
        {"cut by one letter", code.substr(0, code.size() - 1), P::TooShort, "途中で切れています"},
        {"cut by two letters", code.substr(0, code.size() - 2), P::TooShort, "途中で切れています"},
        {"cut in half", code.substr(0, code.size() / 2), P::TooShort, "途中で切れています"},
        {"a letter of the checksum changed", withLetter(code, code.size() - 2, code[code.size() - 2] == 'A' ? 'B' : 'A'),
         P::Damaged, "チェックサムが合いません"},
        {"a letter outside the alphabet", withLetter(code, 20, '+'), P::Damaged, "21 文字目に使えない文字「+」"},
        {"a letter too many", code + "A", P::Damaged, "壊れています"},
    };
    for (const Case& c : cases) {
        const StageCodeRead read = parseStageCode(c.text);
        EXPECT_EQ(read.problem, c.problem) << c.what << ": " << read.error;
        EXPECT_NE(read.error.japanese().find(c.says), std::string::npos) << c.what << ": " << read.error;
        EXPECT_EQ(read.stage, Stage()) << c.what;
        EXPECT_TRUE(read.proof.empty()) << c.what;
    }
}

// The checksum covers the text as it travels: no single mistyped letter, in
// any place and whatever letter it becomes, reads as another stage.
TEST(StageCode, RefusesEveryCodeWithOneLetterChanged) {
    const std::string code = formatStageCode(shipped(7), storedSolutions().at(7));
    const std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    for (size_t at = StageCodePrefix.size(); at < code.size(); ++at) {
        for (char letter : letters) {
            if (letter == code[at]) continue;
            ASSERT_FALSE(parseStageCode(withLetter(code, at, letter)).ok()) << at << letter;
        }
    }
}

// A code whose checksum holds but whose body a careless writer laid out wrong.
TEST(StageCode, RefusesABodyOutOfItsRanges) {
    struct Case {
        const char* what;
        Stage stage;
        std::string proof;
    };
    Stage ground = shipped(1), blocks = shipped(1), nul = shipped(1), target = shipped(1);
    ground.ground[224] = GroundCodeCount;
    blocks.blocks[0] = BlockCodeCount;
    nul.comment = std::string("a\0b", 3);
    target.stepTarget = 100000000;
    const Case cases[] = {{"a ground code past the table", ground, ""},
                          {"a block code past the table", blocks, ""},
                          {"a NUL in the comment", nul, ""},
                          {"a target past the file's", target, ""},
                          {"a proof with Delete", shipped(1), "RRRXZ"},
                          {"a proof with Enter", shipped(1), "RRRE"}};
    for (const Case& c : cases) {
        const StageCodeRead read = parseStageCode(formatStageCode(c.stage, c.proof));
        EXPECT_EQ(read.problem, StageCodeProblem::Damaged) << c.what;
        EXPECT_NE(read.error.japanese().find("中身が正しくありません"), std::string::npos) << c.what << ": " << read.error;
    }
}

}  // namespace
}  // namespace nerilo::test
