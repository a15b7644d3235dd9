#pragma once
// Conversion between the files' Windows code page 932 and the UTF-8 used inside.
#include <string>
#include <string_view>

#include "model/text.h"

namespace nerilo {

struct Conversion {
    std::string text;
    Text error;  // empty on success
    bool ok() const { return error.empty(); }
};

Conversion cp932ToUtf8(std::string_view bytes);
Conversion utf8ToCp932(std::string_view text);
// UTF-16 big-endian, as a stage code holds a comment: a browser's own strings
// are UTF-16, and Japanese takes two bytes a character in it instead of three.
Conversion utf8ToUtf16Be(std::string_view text);
Conversion utf16BeToUtf8(std::string_view bytes);

}  // namespace nerilo
