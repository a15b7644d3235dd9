#include "model/text_codec.h"

#include <boost/locale/utf.hpp>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <iterator>

#ifdef __EMSCRIPTEN__
#include "model/cp932_table.h"
#endif

namespace nerilo {
namespace {

namespace utf = boost::locale::utf;

#ifndef __EMSCRIPTEN__
// glibc's "SHIFT_JIS" maps 0x5C and 0x7E to the yen sign and overline and rejects
// the NEC and IBM extensions; "CP932" is the code page the files are written in.
Conversion convert(std::string_view input, const char* to, const char* from, const Text& invalidMessage,
                   const Text& truncatedMessage) {
    Conversion result;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        result.error = NERILO_TEXT("files", "文字コードの変換が使えません。");
        return result;
    }
    std::string out(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    if (rc == static_cast<size_t>(-1)) {
        result.error = errno == EINVAL ? truncatedMessage : invalidMessage;
    } else if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
        result.error = truncatedMessage;
    }
    iconv_close(cd);
    if (result.ok()) {
        out.resize(out.size() - outLeft);
        result.text = std::move(out);
    }
    return result;
}
#endif

#ifdef __EMSCRIPTEN__
// Emscripten's iconv has no CP932 (its SHIFT_JIS differs at 0x8160 and ends
// before the NEC and IBM extensions), so the web build converts by a table
// made from the build machine's iconv, with the same messages.
Conversion byTable(const TableConversion& converted, const Text& invalidMessage, const Text& truncatedMessage) {
    switch (converted.failure) {
    case CodecFailure::None: return {converted.text, {}};
    case CodecFailure::Invalid: return {{}, invalidMessage};
    case CodecFailure::Truncated: return {{}, truncatedMessage};
    }
    return {{}, invalidMessage};
}
#endif

}  // namespace

Conversion cp932ToUtf8(std::string_view bytes) {
    const Text invalid = NERILO_TEXT("files", "Shift_JIS として正しくないバイトがあります。");
    const Text truncated = NERILO_TEXT("files", "最後の文字が途中で切れています。");
#ifdef __EMSCRIPTEN__
    return byTable(cp932ToUtf8ByTable(bytes), invalid, truncated);
#else
    return convert(bytes, "UTF-8", "CP932", invalid, truncated);
#endif
}

Conversion utf8ToCp932(std::string_view text) {
    const Text invalid = NERILO_TEXT("files", "Shift_JIS で表せない文字が含まれています。");
    const Text truncated = NERILO_TEXT("files", "UTF-8 の文字が途中で切れています。");
#ifdef __EMSCRIPTEN__
    return byTable(utf8ToCp932ByTable(text), invalid, truncated);
#else
    return convert(text, "CP932", "UTF-8", invalid, truncated);
#endif
}

// UTF-16 by Boost.Locale's header-only UTF traits in both builds: in the web
// build iconv would bring emscripten's whole table of legacy code pages into
// the page for the one conversion a stage code needs.
Conversion utf8ToUtf16Be(std::string_view text) {
    Conversion result;
    for (auto at = text.begin(); at != text.end();) {
        const utf::code_point c = utf::utf_traits<char>::decode(at, text.end());
        if (c == utf::illegal) return {{}, NERILO_TEXT("files", "UTF-8 として正しくないバイトがあります。")};
        if (c == utf::incomplete) return {{}, NERILO_TEXT("files", "UTF-8 の文字が途中で切れています。")};
        char16_t units[2];
        const char16_t* end = utf::utf_traits<char16_t>::encode(c, units);
        for (const char16_t* u = units; u != end; ++u) {
            result.text += static_cast<char>(*u >> 8);
            result.text += static_cast<char>(*u & 0xFF);
        }
    }
    return result;
}

Conversion utf16BeToUtf8(std::string_view bytes) {
    const Text truncated = NERILO_TEXT("files", "最後の文字が途中で切れています。");
    if (bytes.size() % 2) return {{}, truncated};
    std::u16string units;
    for (size_t i = 0; i < bytes.size(); i += 2)
        units += static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) << 8 | static_cast<uint8_t>(bytes[i + 1]));
    Conversion result;
    for (auto at = units.cbegin(); at != units.cend();) {
        const utf::code_point c = utf::utf_traits<char16_t>::decode(at, units.cend());
        if (c == utf::illegal) return {{}, NERILO_TEXT("files", "UTF-16 として正しくない文字があります。")};
        if (c == utf::incomplete) return {{}, truncated};
        utf::utf_traits<char>::encode(c, std::back_inserter(result.text));
    }
    return result;
}

}  // namespace nerilo
