// nerilo-make-cp932-table: writes the CP932 table of the web build from the
// build machine's iconv, so that the page reads and writes stage files exactly
// as the desktop does. Emscripten's C library has no CP932 of its own (its
// SHIFT_JIS differs at 0x8160 and ends before the NEC and IBM extensions).
//   nerilo-make-cp932-table OUTPUT
// The output is C++ for cp932_table.cpp to include: every byte's class, and
// the characters sorted by bytes, and where writing differs from reading.
// Every character iconv converts is in it.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iconv.h>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Pair {
    uint32_t bytes;      // one byte, or the lead byte times 256 plus the trail byte
    uint32_t codePoint;
};
// The bytes of a character that iconv writes as nothing.
constexpr uint32_t DroppedCharacter = 0x10000;

// What iconv makes of a whole input: the one code point, or nothing when it
// refuses it. `truncated` tells an input cut short from a wrong one.
std::optional<std::u32string> run(iconv_t cd, const std::string& input, bool* truncated = nullptr) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char32_t out[8];
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* outPtr = reinterpret_cast<char*>(out);
    size_t outLeft = sizeof out;
    size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    if (truncated) *truncated = rc == static_cast<size_t>(-1) && errno == EINVAL;
    if (rc == static_cast<size_t>(-1)) return std::nullopt;
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) return std::nullopt;
    return std::u32string(out, (sizeof out - outLeft) / sizeof(char32_t));
}

std::string bytesOf(uint32_t codePoint) {
    return std::string(reinterpret_cast<const char*>(&codePoint), 4);
}

int fail(const char* what) {
    std::fprintf(stderr, "nerilo-make-cp932-table: %s\n", what);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return fail("usage: nerilo-make-cp932-table OUTPUT");
    iconv_t decoder = iconv_open("UTF-32LE", "CP932");
    iconv_t encoder = iconv_open("CP932", "UTF-32LE");
    if (decoder == reinterpret_cast<iconv_t>(-1) || encoder == reinterpret_cast<iconv_t>(-1))
        return fail("this machine's iconv has no CP932");

    // A byte alone is a character (1), the start of one (2) or neither (0).
    int byteClass[256] = {};
    std::vector<Pair> decoding;
    for (int b = 0; b < 256; ++b) {
        bool truncated = false;
        std::optional<std::u32string> one = run(decoder, std::string(1, static_cast<char>(b)), &truncated);
        if (one) {
            if (one->size() != 1) return fail("a byte decodes to more than one character");
            byteClass[b] = 1;
            decoding.push_back({static_cast<uint32_t>(b), static_cast<uint32_t>((*one)[0])});
        } else if (truncated) {
            byteClass[b] = 2;
        }
    }
    for (int lead = 0; lead < 256; ++lead) {
        if (byteClass[lead] != 2) continue;
        for (int trail = 0; trail < 256; ++trail) {
            std::optional<std::u32string> two = run(decoder, {static_cast<char>(lead), static_cast<char>(trail)});
            if (!two) continue;
            if (two->size() != 1) return fail("a byte pair decodes to more than one character");
            decoding.push_back({static_cast<uint32_t>(lead * 256 + trail), static_cast<uint32_t>((*two)[0])});
        }
    }

    // Several byte pairs can decode to one character; iconv writes one of them.
    std::vector<Pair> encoding;
    for (uint32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        iconv(encoder, nullptr, nullptr, nullptr, nullptr);
        std::string in = bytesOf(c);
        char out[8];
        char* inPtr = in.data();
        size_t inLeft = in.size();
        char* outPtr = out;
        size_t outLeft = sizeof out;
        if (iconv(encoder, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) continue;
        size_t length = sizeof out - outLeft;
        // glibc drops the language tags (U+E0000 to U+E007F) without a word.
        if (length == 0) encoding.push_back({DroppedCharacter, c});
        else if (length == 1) encoding.push_back({static_cast<uint8_t>(out[0]), c});
        else if (length == 2) encoding.push_back({static_cast<uint32_t>(static_cast<uint8_t>(out[0]) * 256 + static_cast<uint8_t>(out[1])), c});
        else return fail("a character encodes to more than two bytes");
    }
    iconv_close(decoder);
    iconv_close(encoder);

    // The encoding is mostly the decoding read backwards, and the page downloads
    // the table: so only where they differ is written out, the pairs iconv reads
    // but does not write and those it writes but does not read, and the reader
    // puts the encoding together from them. The decoding's pairs fit 16 bits each.
    auto pairsOf = [](const std::vector<Pair>& pairs) {
        std::set<std::pair<uint32_t, uint32_t>> set;
        for (const Pair& pair : pairs) set.insert({pair.bytes, pair.codePoint});
        return set;
    };
    const auto decoded = pairsOf(decoding);
    const auto encoded = pairsOf(encoding);
    std::vector<uint32_t> decodedOnly;
    std::vector<Pair> encodedOnly;
    for (const Pair& pair : decoding) {
        if (pair.bytes > 0xFFFF || pair.codePoint > 0xFFFF) return fail("a decoded pair does not fit 16 bits");
        if (!encoded.contains({pair.bytes, pair.codePoint})) decodedOnly.push_back(pair.bytes);
    }
    for (const Pair& pair : encoding)
        if (!decoded.contains({pair.bytes, pair.codePoint})) encodedOnly.push_back(pair);

    std::ofstream file(argv[1], std::ios::binary);
    file << "// Made by nerilo-make-cp932-table from this machine's iconv; do not edit.\n";
    file << "constexpr uint8_t Cp932ByteClass[256] = {";
    for (int b = 0; b < 256; ++b) file << (b % 32 == 0 ? "\n    " : "") << byteClass[b] << ",";
    file << "\n};\n// Sorted by bytes.\nconstexpr Cp932ShortPair Cp932Decoding[] = {";
    for (size_t i = 0; i < decoding.size(); ++i)
        file << (i % 8 == 0 ? "\n    " : " ") << "{" << decoding[i].bytes << "," << decoding[i].codePoint << "},";
    file << "\n};\n// The decoding's bytes that iconv never writes, sorted.\nconstexpr uint16_t Cp932DecodedOnly[] = {";
    for (size_t i = 0; i < decodedOnly.size(); ++i) file << (i % 16 == 0 ? "\n    " : " ") << decodedOnly[i] << ",";
    file << "\n};\n// What iconv writes but does not read back so, sorted by code point.\nconstexpr Cp932Pair Cp932EncodedOnly[] = {";
    for (size_t i = 0; i < encodedOnly.size(); ++i)
        file << (i % 8 == 0 ? "\n    " : " ") << "{" << encodedOnly[i].bytes << "," << encodedOnly[i].codePoint << "},";
    file << "\n};\n";
    if (!file.flush()) return fail("cannot write the output");
    return 0;
}
