// The web build's CP932 table against the iconv the desktop converts with:
// every character, both ways, and the ways an input can be broken, must come
// out byte for byte the same, or fail the same way.
#include <gtest/gtest.h>

#include "model/cp932_table.h"
#include "model/text_codec.h"

namespace nerilo::test {
namespace {

// What iconv's conversion came to, in the table's terms.
TableConversion asTable(const Conversion& converted) {
    if (converted.ok()) return {converted.text, CodecFailure::None};
    const std::string message = converted.error.japanese();
    const bool truncated = message == "最後の文字が途中で切れています。" || message == "UTF-8 の文字が途中で切れています。";
    return {{}, truncated ? CodecFailure::Truncated : CodecFailure::Invalid};
}

::testing::AssertionResult sameAsIconv(std::string_view input, bool fromCp932) {
    const TableConversion expected = asTable(fromCp932 ? cp932ToUtf8(input) : utf8ToCp932(input));
    const TableConversion actual = fromCp932 ? cp932ToUtf8ByTable(input) : utf8ToCp932ByTable(input);
    if (actual.text == expected.text && actual.failure == expected.failure) return ::testing::AssertionSuccess();
    std::string hex;
    for (unsigned char c : input) hex += std::to_string(c) + " ";
    return ::testing::AssertionFailure() << (fromCp932 ? "CP932 bytes " : "UTF-8 bytes ") << hex << "give '"
                                         << actual.text << "' (failure " << static_cast<int>(actual.failure)
                                         << "), iconv '" << expected.text << "' (failure "
                                         << static_cast<int>(expected.failure) << ")";
}

std::string utf8Of(uint32_t c) {
    std::string out;
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    if (c < 0x800) return {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    if (c < 0x10000)
        return {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                static_cast<char>(0x80 | (c & 0x3F))};
    return {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
            static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
}

TEST(Cp932Table, EveryByteAndBytePairReadsAsIconvReadsIt) {
    int failures = 0;
    for (int first = 0; first < 256 && failures < 10; ++first) {
        const char lead = static_cast<char>(first);
        if (!sameAsIconv(std::string(1, lead), true)) ADD_FAILURE() << sameAsIconv(std::string(1, lead), true).message(), ++failures;
        for (int second = 0; second < 256 && failures < 10; ++second) {
            const std::string pair{lead, static_cast<char>(second)};
            if (auto same = sameAsIconv(pair, true); !same) ADD_FAILURE() << same.message(), ++failures;
        }
    }
}

TEST(Cp932Table, EveryCharacterWritesAsIconvWritesIt) {
    // The whole of the first plane, where all of CP932 lies, and a sample of the others.
    std::vector<uint32_t> characters;
    for (uint32_t c = 0; c < 0x10000; ++c)
        if (c < 0xD800 || c > 0xDFFF) characters.push_back(c);
    for (uint32_t c = 0x10000; c <= 0x10FFFF; c += 0x3FF) characters.push_back(c);
    for (uint32_t c = 0xE0000; c < 0xE0100; ++c) characters.push_back(c);
    int failures = 0;
    for (uint32_t c : characters) {
        if (auto same = sameAsIconv(utf8Of(c), false); !same && failures < 10) ADD_FAILURE() << same.message(), ++failures;
    }
}

TEST(Cp932Table, BrokenInputFailsAsIconvFails) {
    const struct {
        std::string input;
        bool fromCp932;
    } cases[] = {
        // A stage comment as the files hold it, and with its last character cut.
        {"\x83\x58\x83\x65\x81\x5B\x83\x57 \x82\x50\x81\x60", true},
        {"\x83\x58\x83\x65\x81", true},
        {"\x81\x20", true},           // a lead byte and no trail byte
        {"ab\x80", true},             // 0x80 is no character in CP932
        {"\xFD\x40", true},
        {"\xE3\x82\xB9\xE3\x83\x86", false},
        {"\xE3\x82", false},          // cut short at the end
        {"\xE3\x82" "a", false},      // cut short in the middle
        {"\xC0\x80", false},          // an overlong NUL
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // past U+10FFFF
        {"\xF5\x80", false},         // the start of a form glibc still reads, cut short
        {"\xF8\x88\x80\x80\x80", false},  // a five-byte form, whole
        {"\xFC\x80", false},
        {"\xFE", false},
        {"\x80", false},
        {"\xF0\x9F\x98\x80", false},  // an emoji, which CP932 has no place for
        {"\xE2\x80\x94\xEF\xBD\x9E\xE3\x80\x9C", false},  // a dash and the two wave dashes
        {"", false},
        {"", true},
    };
    for (const auto& c : cases) EXPECT_TRUE(sameAsIconv(c.input, c.fromCp932));
}

}  // namespace
}  // namespace nerilo::test
