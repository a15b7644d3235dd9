// Stage codes' UTF-16 (Boost.Locale's UTF traits) against glibc's iconv, the
// reference: the same bytes out, or a failure. Which failure does not matter:
// a comment broken either way makes the code's body refused whole.
#include <cerrno>
#include <gtest/gtest.h>
#include <iconv.h>

#include "model/text_codec.h"

namespace nerilo::test {
namespace {

std::optional<std::string> byIconv(std::string_view input, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    std::string out(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size(), outLeft = out.size();
    char* outPtr = out.data();
    const bool ok = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) &&
                    iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

TEST(Utf16, ConvertsAndRefusesAsIconvDoes) {
    const struct {
        const char* what;
        std::string input;
        bool toUtf16;
    } cases[] = {
        {"nothing", "", true},
        {"letters, kana, kanji and a line break", "Stage 1\r\nステージ一", true},
        {"outside the basic plane", "\xF0\xA0\xAE\xB7\xF0\x9F\x8E\x8C", true},
        {"a NUL", std::string("a\0b", 3), true},
        {"cut short at the end", "\xE3\x82", true},
        {"cut short in the middle", "\xE3\x82" "a", true},
        {"an overlong NUL", "\xC0\x80", true},
        {"a surrogate", "\xED\xA0\x80", true},
        {"past U+10FFFF", "\xF4\x90\x80\x80", true},
        {"a lone continuation byte", "\x80", true},
        {"nothing", "", false},
        {"kana", "\x30\xB9\x30\xC6", false},
        {"a surrogate pair", "\xD8\x42\xDF\xB7", false},
        {"a byte order mark, kept as a character", "\xFE\xFF\x00\x41", false},
        {"U+FFFF", "\xFF\xFF", false},
        {"an odd byte", "\x00\x41\x00", false},
        {"a high surrogate at the end", "\x00\x41\xD8\x42", false},
        {"a high surrogate before a letter", "\xD8\x42\x00\x41", false},
        {"a lone low surrogate", "\xDF\xB7\x00\x41", false},
        {"a pair the wrong way round", "\xDF\xB7\xD8\x42", false},
    };
    for (const auto& c : cases) {
        const Conversion converted = c.toUtf16 ? utf8ToUtf16Be(c.input) : utf16BeToUtf8(c.input);
        const std::optional<std::string> reference =
            c.toUtf16 ? byIconv(c.input, "UTF-16BE", "UTF-8") : byIconv(c.input, "UTF-8", "UTF-16BE");
        EXPECT_EQ(converted.ok(), reference.has_value()) << c.what << ": " << converted.error;
        if (converted.ok() && reference) {
            EXPECT_EQ(converted.text, *reference) << c.what;
        }
    }
}

}  // namespace
}  // namespace nerilo::test
