// Texts as the engine writes them: said in Japanese exactly as composed, and
// said through a translation that changes only the patterns.
#include <gtest/gtest.h>

#include "model/stage_file.h"
#include "model/text.h"

namespace nerilo::test {
namespace {

// Says every pattern in brackets, with its context.
std::string bracketed(const Text& text) {
    return text.say([](const std::string& context, const std::string& pattern) { return context + "[" + pattern + "]"; });
}

TEST(Text, JapaneseFillsTheArgumentsIntoThePattern) {
    const Text reason = NERILO_TEXT("files", "%1行%2列").arg("3").arg("12");
    const Text message = NERILO_TEXT("messages", "「%1」を読み込めません。\n%2").arg("stage1.txt").arg(reason);
    EXPECT_EQ(message.japanese(), "「stage1.txt」を読み込めません。\n3行12列");
    EXPECT_EQ(Text::words("Nerilo").japanese(), "Nerilo");
}

TEST(Text, ArgumentsAreFilledInOnceAndInTheirOwnPlaces) {
    // A file name may hold a percent sign and a digit; it is never read as a place.
    EXPECT_EQ(NERILO_TEXT("m", "%2 と %1").arg("a%2b").arg("c").japanese(), "c と a%2b");
    EXPECT_EQ(NERILO_TEXT("m", "%1%%1").arg("x").japanese(), "x%x");
    // Places without an argument, and a comment with percent signs, stay as written.
    EXPECT_EQ(NERILO_TEXT("m", "%1 %3 100%").arg("x").japanese(), "x %3 100%");
    EXPECT_EQ(Text(StageCommentContext, "50% の %1").japanese(), "50% の %1");
}

TEST(Text, ATranslationChangesThePatternsButNeverTheWords) {
    const Text message = NERILO_TEXT("messages", "「%1」: %2").arg("名前.txt").arg(NERILO_TEXT("files", "壁"));
    EXPECT_EQ(bracketed(message), "messages[「名前.txt」: files[壁]]");
    EXPECT_EQ(bracketed(Text::words("壁")), "壁");
}

TEST(Text, EmptyOnlyWithoutPatternAndArguments) {
    EXPECT_TRUE(Text().empty());
    EXPECT_TRUE(Text::words("").empty());
    EXPECT_FALSE(NERILO_TEXT("m", "").arg("x").empty());
    EXPECT_FALSE(NERILO_TEXT("m", "a").empty());
    EXPECT_TRUE(NERILO_TEXT("m", "a").translatable());
    EXPECT_FALSE(Text::words("a").translatable());
}

}  // namespace
}  // namespace nerilo::test
