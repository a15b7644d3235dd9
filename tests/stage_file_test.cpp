#include <fstream>
#include <sys/stat.h>
#include <gtest/gtest.h>

#include "model/fields.h"
#include "model/stage_file.h"
#include "model/text_codec.h"
#include "game_fixture.h"

namespace nerilo::test {
namespace {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// 452 fields in the given form, joined by the given separator after every field.
std::string fieldsText(const std::string& ground0, const std::string& separator, const std::string& comment,
                       const std::string& target) {
    std::string text = ground0;
    for (int i = 1; i < 2 * CellCount; ++i) text += separator + "0";
    return text + separator + comment + separator + target;
}

TEST(StageFile, SaveAndReopenReproducesEveryCodeCommentAndTarget) {
    TestGame game;
    for (int i = 0; i < CellCount; ++i) {
        game.ground(i, static_cast<uint8_t>(i % GroundCodeCount));
        game.block(i, static_cast<uint8_t>((i * 7) % BlockCodeCount));
    }
    game.comment("階段へ, 鍵を拾って, 進め").target(150);
    game.load();
    game.platform.fileAnswers.push_back(game.stageFile("copy.txt"));
    game.engine.stages().save();

    StageRead reread = readStageFile(game.stageFile("copy.txt"));
    ASSERT_TRUE(reread.ok()) << reread.error;
    EXPECT_EQ(reread.stage.ground, game.stage.ground);
    EXPECT_EQ(reread.stage.blocks, game.stage.blocks);
    EXPECT_EQ(reread.stage.comment, "階段へ, 鍵を拾って, 進め");
    EXPECT_EQ(reread.stage.stepTarget, 150);
    EXPECT_EQ(game.session().stagePath, game.stageFile("copy.txt"));
}

TEST(StageFile, WriterLaysOutQuotedFieldsWithCrLf) {
    Stage stage;
    stage.comment = "test";
    stage.stepTarget = 30;
    const std::string text = formatStage(stage);
    const std::string emptyRow = "\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n";
    EXPECT_EQ(text.substr(0, emptyRow.size()), emptyRow);
    EXPECT_EQ(text.substr(text.size() - 16), "\r\n\"test\"\r\n\"30\"\r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 32);
}

TEST(StageFile, UnquotedAndOneLineFilesLoadTheSameAsTheQuotedForm) {
    StageRead quoted = parseStage(fieldsText("\"7\"", ",", "\"a, b\"", "\"12\""));
    StageRead oneLine = parseStage(fieldsText("7", ",", "\"a, b\"", "12"));
    StageRead perLine = parseStage(fieldsText("  7", "\r\n", "\"a, b\"", "  12"));
    ASSERT_TRUE(quoted.ok() && oneLine.ok() && perLine.ok()) << quoted.error << oneLine.error << perLine.error;
    for (const StageRead* read : {&oneLine, &perLine}) {
        EXPECT_EQ(read->stage.ground, quoted.stage.ground);
        EXPECT_EQ(read->stage.comment, "a, b");
        EXPECT_EQ(read->stage.stepTarget, 12);
    }
    EXPECT_EQ(quoted.stage.ground[0], 7);
}

TEST(StageFile, LeadingNumberRule) {
    EXPECT_EQ(parseStage(fieldsText("7a", ",", "", "1")).stage.ground[0], 7);
    EXPECT_EQ(parseStage(fieldsText("a7", ",", "", "1")).stage.ground[0], 0);
    EXPECT_EQ(parseStage(fieldsText("0", ",", "", "steps")).stage.stepTarget, 0);
    EXPECT_EQ(parseStage(fieldsText("0", ",", "", "-5")).stage.stepTarget, -5);
    EXPECT_DOUBLE_EQ(leadingNumber(" 12.5kg"), 12.5);
    EXPECT_DOUBLE_EQ(leadingNumber("1e3x"), 1000);
    EXPECT_DOUBLE_EQ(leadingNumber("1ex"), 1);
    EXPECT_DOUBLE_EQ(leadingNumber("-"), 0);
}

TEST(StageFile, MalformedTextIsRefusedWithAReason) {
    struct Case {
        std::string text;
        std::string reasonPart;
    };
    const Case cases[] = {
        {"", "途中で終わって"},
        {fieldsText("0", ",", "\"x\"", "\"1\"").substr(0, 400), "途中で終わって"},
        {fieldsText("0", ",", "\"unterminated", ""), "閉じていません"},
        {fieldsText("30", ",", "", "1"), "地形"},
        {fieldsText("-1", ",", "", "1"), "地形"},
        {fieldsText("999", ",", "", "1"), "地形"},
        {fieldsText("1e9", ",", "", "1"), "地形"},
        {fieldsText("2.5", ",", "", "1"), "地形"},
        {fieldsText("0", ",", "", std::string(40, '9')), "目標歩数"},
        {fieldsText("0", ",", "", "1") + ",\"extra\"", "余分"},  // 453 fields
    };
    for (const Case& c : cases) {
        StageRead read = parseStage(c.text);
        EXPECT_FALSE(read.ok()) << c.text.substr(0, 40);
        EXPECT_NE(read.error.japanese().find(c.reasonPart), std::string::npos) << read.error;
    }
}

// A stage written by the game, cut short at telling places.
TEST(StageFile, FilesCutShortAreRefused) {
    Stage stage;
    stage.comment = "途中で切れたコメント";
    stage.stepTarget = 25;
    const std::string whole = formatStage(stage);
    const size_t commentStart = whole.rfind("\"途中");
    const size_t targetStart = whole.rfind("\"25\"");
    const std::string cuts[] = {
        whole.substr(0, 7),                         // in the middle of a field
        whole.substr(0, whole.find("\r\n") + 2),    // after the first row
        whole.substr(0, commentStart + 5),          // in the middle of the comment
        whole.substr(0, targetStart),               // 451 fields: the step target is missing
    };
    for (const std::string& cut : cuts) EXPECT_FALSE(parseStage(cut).ok()) << cut.size();
    EXPECT_TRUE(parseStage(whole).ok());
}

TEST(StageFile, BlockCodesOutsideTheTableAreRefused) {
    std::string text = "0";
    for (int i = 1; i < 2 * CellCount; ++i) text += i == CellCount + 3 ? ",9" : ",0";
    text += ",,1";
    StageRead read = parseStage(text);
    EXPECT_FALSE(read.ok());
    EXPECT_NE(read.error.japanese().find("ブロック"), std::string::npos);
    EXPECT_NE(read.error.japanese().find("1行4列"), std::string::npos);
}

TEST(StageFile, CodePage932KeepsBackslashTrailBytesAndVendorExtensions) {
    // 表 ends in byte 0x5C and ① is an NEC extension: glibc's SHIFT_JIS gets both wrong.
    const std::string comment = "表①＼~";
    Conversion bytes = utf8ToCp932(comment);
    ASSERT_TRUE(bytes.ok()) << bytes.error;
    EXPECT_EQ(bytes.text, std::string("\x95\x5C\x87\x40\x81\x5F~", 7));
    Conversion back = cp932ToUtf8(bytes.text);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.text, comment);
}

TEST(StageFile, InvalidOrTruncatedShiftJisIsAnError) {
    EXPECT_FALSE(cp932ToUtf8("abc\x81").ok());         // cut in the middle of a character
    EXPECT_FALSE(cp932ToUtf8("abc\x81\x20xyz").ok());  // invalid trail byte
    EXPECT_FALSE(cp932ToUtf8("\xA0").ok());            // undefined single byte
    EXPECT_TRUE(cp932ToUtf8("\xB1\xB2").ok());         // half-width katakana
}

TEST(StageFile, DoubleQuoteInACommentIsStoredFullWidthAndTheRestSurvives) {
    TestGame game;
    game.ground(cell(0, 0), 15).comment("say \"hi\", then go").target(42);
    game.load();
    StageRead reread = readStageFile(game.stageFile("test.txt"));
    ASSERT_TRUE(reread.ok()) << reread.error;
    EXPECT_EQ(reread.stage.comment, "say ＂hi＂, then go");
    EXPECT_EQ(reread.stage.stepTarget, 42);
    EXPECT_EQ(reread.stage.ground[0], 15);
}

TEST(StageFile, CommentThatCodePage932CannotHoldIsReportedBeforeWriting) {
    TestGame game;
    game.load();
    game.session().comment = "emoji 😀";
    const std::string path = game.stageFile("out.txt");
    writeBytes(path, "old contents");
    game.platform.fileAnswers.push_back(path);
    game.engine.stages().save();
    EXPECT_EQ(readBytes(path), "old contents");
    ASSERT_EQ(game.platform.messages.size(), 1u);
    EXPECT_EQ(game.platform.messages[0].title, "Nerilo");
    EXPECT_EQ(game.session().stagePath, game.stageFile("test.txt"));
}

// Every kind of bad file leaves the board, comment, target and path as they were.
TEST(StageFile, OpeningABadFileChangesNothing) {
    TestGame game;
    game.ground(cell(3, 3), 8).block(cell(4, 4), 7).comment("good").target(77);
    game.start();
    game.play("R");
    const GameSnapshot before = game.engine.snapshot();

    const std::string bad = game.stageFile("bad.txt");
    const std::string cases[] = {
        "",
        fieldsText("0", ",", "x", "1").substr(0, 900),
        fieldsText("31", ",", "x", "1"),
        std::string("\x81", 1),
        "\xEF\xBB\xBF" + fieldsText("0", ",", "x", "1"),
        std::string("\0\1\2\3", 4),
    };
    for (const std::string& bytes : cases) {
        writeBytes(bad, bytes);
        game.platform.fileAnswers.push_back(bad);
        game.engine.stages().open();
        EXPECT_EQ(game.session().stagePath, before.session.stagePath);
        EXPECT_EQ(game.session().comment, "good");
        EXPECT_EQ(game.world().state().stepTarget, 77);
        for (int i = 0; i < CellCount; ++i) {
            ASSERT_EQ(game.world().state().ground[i].code, before.world.ground[i].code);
            ASSERT_EQ(game.world().state().blocks[i].code, before.world.blocks[i].code);
            ASSERT_EQ(game.world().state().blockCell[i], before.world.blockCell[i]);
        }
        EXPECT_EQ(game.world().state().ticking, before.world.ticking);
        EXPECT_EQ(game.world().state().inputLocked, before.world.inputLocked);
    }
    ASSERT_EQ(game.platform.messages.size(), std::size(cases));
    EXPECT_NE(game.platform.messages[4].text.find("UTF-8"), std::string::npos);
    for (const auto& message : game.platform.messages) {
        EXPECT_EQ(message.title, "Nerilo");
        EXPECT_NE(message.text.find("bad.txt"), std::string::npos);
    }
}

TEST(StageFile, DirectoriesPipesAndHugeFilesAreRefusedWithoutReadingThem) {
    TestGame game;
    EXPECT_FALSE(readStageFile(game.dir.path().string()).ok());
    const std::string pipe = game.stageFile("pipe.txt");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_FALSE(readStageFile(pipe).ok()) << "a named pipe without a writer must not block";
    const std::string huge = game.stageFile("huge.txt");
    {
        std::ofstream out(huge, std::ios::binary);
        out.seekp(100LL * 1024 * 1024);
        out.put('0');
    }
    StageRead read = readStageFile(huge);
    EXPECT_FALSE(read.ok());
    EXPECT_NE(read.error.japanese().find("大きすぎ"), std::string::npos);
}

TEST(StageFile, OpenInEditModeLeavesStartAndRetryDisabled) {
    TestGame game;
    game.load();
    game.engine.editor().toggle();
    game.platform.fileAnswers.push_back(game.stageFile("test.txt"));
    game.engine.stages().open();
    EXPECT_FALSE(offered(game.engine, "start").enabled);
    EXPECT_FALSE(offered(game.engine, "retry").enabled);
    EXPECT_FALSE(viewOf(game.world().state(), game.session()).roundButton.enabled);
}

TEST(StageFile, OpenDialogStartsInTheStageFolderWithItsFilter) {
    TestGame game;
    game.engine.stages().open();
    ASSERT_EQ(game.platform.dialogs.size(), 1u);
    EXPECT_EQ(game.platform.dialogs[0].title.japanese(), "開く");
    EXPECT_EQ(game.platform.dialogs[0].initialFolder, game.dir.path().string() + "/stage");
    EXPECT_EQ(game.platform.dialogs[0].filter.japanese(), "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*");
    EXPECT_TRUE(game.platform.messages.empty());
}

// The command line's way in: the same reading and waiting state as Open, and
// the next Open dialog starts beside the file.
TEST(StageFile, OpeningAFileByNameIsOpenWithoutTheDialog) {
    TestGame game;
    game.block(cell(4, 4), 7).comment("named").target(44);
    game.load("named.txt");
    game.stage = Stage{};
    game.block(cell(1, 1), 7).load("other.txt");
    game.engine.startRound();
    game.play("R");

    ASSERT_TRUE(game.engine.stages().openFile(game.stageFile("named.txt")));
    const SessionState& s = game.session();
    EXPECT_EQ(s.stagePath, game.stageFile("named.txt"));
    EXPECT_EQ(stageTitle(s), "named.txt");
    EXPECT_EQ(s.comment, "named");
    EXPECT_EQ(game.world().state().stepsLeft, 44);
    EXPECT_EQ(game.player(), cell(4, 4));
    EXPECT_FALSE(game.world().state().ticking);
    EXPECT_TRUE(game.world().state().inputLocked);
    EXPECT_FALSE(s.roundStarted);
    EXPECT_EQ(s.roundCommand, RoundCommand::Start);
    game.engine.stages().open();
    EXPECT_EQ(game.platform.dialogs.back().fileName, game.stageFile("named.txt"));

    // A damaged or missing file is reported and the game stays as it was.
    std::ofstream(game.stageFile("bad.txt"), std::ios::binary) << "\"x\"\r\n";
    for (const std::string& name : {std::string("bad.txt"), std::string("missing.txt")}) {
        game.platform.messages.clear();
        EXPECT_FALSE(game.engine.stages().openFile(game.stageFile(name)));
        ASSERT_EQ(game.platform.messages.size(), 1u) << name;
        EXPECT_EQ(game.platform.messages[0].title, "Nerilo");
        EXPECT_NE(game.platform.messages[0].text.find(name), std::string::npos);
        EXPECT_EQ(game.session().stagePath, game.stageFile("named.txt"));
        EXPECT_EQ(game.player(), cell(4, 4));
    }
}

}  // namespace
}  // namespace nerilo::test
