#include "model/cp932_table.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace nerilo {
namespace {

struct Cp932Pair {
    uint32_t bytes;      // one byte, or the lead byte times 256 plus the trail byte
    uint32_t codePoint;
};
struct Cp932ShortPair {
    uint16_t bytes;
    uint16_t codePoint;
};
// The bytes of a character that iconv writes as nothing.
constexpr uint32_t DroppedCharacter = 0x10000;

#include "cp932_mapping.inc"

std::optional<uint32_t> codePointOf(uint32_t bytes) {
    const auto* end = std::end(Cp932Decoding);
    const auto* it = std::lower_bound(std::begin(Cp932Decoding), end, bytes,
                                      [](const Cp932ShortPair& pair, uint32_t b) { return pair.bytes < b; });
    if (it == end || it->bytes != bytes) return std::nullopt;
    return it->codePoint;
}

// The encoding, sorted by code point: the decoding's pairs that iconv also
// writes, and those it only writes. The table holds only the difference, as it
// is part of the page's download.
const std::vector<Cp932Pair>& encoding() {
    static const std::vector<Cp932Pair> pairs = [] {
        std::vector<Cp932Pair> result(std::begin(Cp932EncodedOnly), std::end(Cp932EncodedOnly));
        for (const Cp932ShortPair& pair : Cp932Decoding)
            if (!std::binary_search(std::begin(Cp932DecodedOnly), std::end(Cp932DecodedOnly), pair.bytes))
                result.push_back({pair.bytes, pair.codePoint});
        std::sort(result.begin(), result.end(),
                  [](const Cp932Pair& a, const Cp932Pair& b) { return a.codePoint < b.codePoint; });
        return result;
    }();
    return pairs;
}

std::optional<uint32_t> bytesOf(uint32_t codePoint) {
    const auto end = encoding().end();
    const auto it = std::lower_bound(encoding().begin(), end, codePoint,
                                     [](const Cp932Pair& pair, uint32_t c) { return pair.codePoint < c; });
    if (it == end || it->codePoint != codePoint) return std::nullopt;
    return it->bytes;
}

void appendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

TableConversion failed(CodecFailure failure) { return {{}, failure}; }

}  // namespace

TableConversion cp932ToUtf8ByTable(std::string_view bytes) {
    TableConversion result;
    for (size_t i = 0; i < bytes.size(); ++i) {
        uint32_t code = static_cast<uint8_t>(bytes[i]);
        if (Cp932ByteClass[code] == 0) return failed(CodecFailure::Invalid);
        if (Cp932ByteClass[code] == 2) {
            if (i + 1 == bytes.size()) return failed(CodecFailure::Truncated);
            code = code * 256 + static_cast<uint8_t>(bytes[++i]);
        }
        std::optional<uint32_t> c = codePointOf(code);
        if (!c) return failed(CodecFailure::Invalid);
        appendUtf8(result.text, *c);
    }
    return result;
}

TableConversion utf8ToCp932ByTable(std::string_view text) {
    TableConversion result;
    size_t i = 0;
    while (i < text.size()) {
        const uint8_t lead = static_cast<uint8_t>(text[i]);
        size_t length;
        uint32_t c;
        if (lead < 0x80) length = 1, c = lead;
        else if (lead >= 0xC2 && lead < 0xE0) length = 2, c = lead & 0x1F;
        else if (lead >= 0xE0 && lead < 0xF0) length = 3, c = lead & 0x0F;
        // glibc reads the old five- and six-byte forms too, and refuses them
        // only whole: cut short by the end of the text, they are truncated.
        else if (lead >= 0xF0 && lead < 0xF8) length = 4, c = lead & 0x07;
        else if (lead >= 0xF8 && lead < 0xFC) length = 5, c = lead & 0x03;
        else if (lead >= 0xFC && lead < 0xFE) length = 6, c = lead & 0x01;
        else return failed(CodecFailure::Invalid);
        for (size_t k = 1; k < length; ++k) {
            if (i + k == text.size()) return failed(CodecFailure::Truncated);
            const uint8_t next = static_cast<uint8_t>(text[i + k]);
            if ((next & 0xC0) != 0x80) return failed(CodecFailure::Invalid);
            c = c << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points past Unicode are not UTF-8.
        static constexpr uint32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000, 0x200000, 0x4000000};
        if (c < Smallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return failed(CodecFailure::Invalid);
        std::optional<uint32_t> bytes = bytesOf(c);
        if (!bytes) return failed(CodecFailure::Invalid);
        if (*bytes >= 0x100 && *bytes != DroppedCharacter) result.text += static_cast<char>(*bytes >> 8);
        if (*bytes != DroppedCharacter) result.text += static_cast<char>(*bytes & 0xFF);
        i += length;
    }
    return result;
}

}  // namespace nerilo
