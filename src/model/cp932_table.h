#pragma once
// CP932 by a table made at build time from the build machine's iconv
// (nerilo-make-cp932-table), for the web build, whose C library has no CP932.
// It converts every input exactly as that iconv does, failures included.
#include <cstdint>
#include <string>
#include <string_view>

namespace nerilo {

enum class CodecFailure : uint8_t {
    None,
    Invalid,    // a byte or a character the other side has no place for
    Truncated,  // the input ends in the middle of a character
};

struct TableConversion {
    std::string text;  // empty on failure
    CodecFailure failure = CodecFailure::None;
};

TableConversion cp932ToUtf8ByTable(std::string_view bytes);
TableConversion utf8ToCp932ByTable(std::string_view text);

}  // namespace nerilo
