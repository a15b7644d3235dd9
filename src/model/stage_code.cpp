#include "model/stage_code.h"

#include <absl/strings/escaping.h>
#include <cstdint>
#include <zlib.h>

#include "model/text_codec.h"

namespace nerilo {
namespace {

constexpr int CodeVersion = 1;
constexpr size_t ChecksumBytes = 4;
// A body is a few hundred bytes; a code that inflates past this is not one.
constexpr size_t MaxBodyBytes = 1 << 20;
constexpr long long MaxStepTarget = 99999999;  // as the stage file allows
constexpr std::string_view Base64UrlLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

// Every text of the reader, in one place.
Text tooShort(size_t letters) {
    return NERILO_TEXT("codes", "コードが途中で切れています（%1 文字しかありません）。最後までコピーしたか確かめてください。")
        .arg(std::to_string(letters));
}
Text damaged(const Text& why) {
    return NERILO_TEXT("codes", "コードが壊れています（%1）。写し間違いがないか確かめてください。").arg(why);
}
Text badContents() { return damaged(NERILO_TEXT("codes", "中身が正しくありません")); }
Text badChecksum() { return damaged(NERILO_TEXT("codes", "チェックサムが合いません")); }
Text notACode() {
    return NERILO_TEXT("codes", "ステージのコードではありません。コードは「%1」で始まります。").arg(std::string(StageCodePrefix));
}
Text unknownVersion(std::string_view version) {
    return NERILO_TEXT("codes", "コードの版「%1」は読めません。読めるのは版 %2 のコードです。新しい Nerilo で作られたコードかもしれません。")
        .arg(std::string(version))
        .arg(std::to_string(CodeVersion));
}

StageCodeRead refusal(StageCodeProblem problem, Text error) {
    StageCodeRead read;
    read.problem = problem;
    read.error = std::move(error);
    return read;
}

bool isAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isAsciiSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isAsciiSpace(text.back())) text.remove_suffix(1);
    return text;
}

// A link may come as nerilo:CODE, nerilo://CODE or nerilo://CODE/, as
// browsers and desktops hand a scheme on.
std::string_view withoutLink(std::string_view text) {
    if (text.size() < StageLinkScheme.size()) return text;
    for (size_t i = 0; i < StageLinkScheme.size(); ++i)
        if (lower(text[i]) != StageLinkScheme[i]) return text;
    text.remove_prefix(StageLinkScheme.size());
    if (text.substr(0, 2) == "//") text.remove_prefix(2);
    if (!text.empty() && text.back() == '/') text.remove_suffix(1);
    return text;
}

uint32_t crc32Of(std::string_view bytes) {
    return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

std::string bigEndian(uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
}

std::string deflated(const std::string& body) {
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, MAX_MEM_LEVEL, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, body.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data()));
    stream.avail_in = static_cast<uInt>(body.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);  // the bound guarantees one call finishes
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

enum class InflateEnd { Complete, RanOut, Broken };

// Inflates a raw deflate stream at the start of `bytes`; `used` tells how many
// bytes the stream took, so that what follows it can be checked.
InflateEnd inflated(std::string_view bytes, std::string& body, size_t& used) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return InflateEnd::Broken;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    body.clear();
    char chunk[4096];
    int rc = Z_OK;
    while (rc == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        rc = inflate(&stream, Z_NO_FLUSH);
        body.append(chunk, sizeof chunk - stream.avail_out);
        if (body.size() > MaxBodyBytes) rc = Z_DATA_ERROR;
    }
    used = stream.total_in;
    inflateEnd(&stream);
    if (rc == Z_STREAM_END) return InflateEnd::Complete;
    return rc == Z_BUF_ERROR && stream.avail_in == 0 ? InflateEnd::RanOut : InflateEnd::Broken;
}

void putVarint(std::string& out, uint64_t value) {
    while (value >= 0x80) {
        out += static_cast<char>((value & 0x7F) | 0x80);
        value >>= 7;
    }
    out += static_cast<char>(value);
}

bool takeVarint(std::string_view& in, uint64_t& value) {
    value = 0;
    for (int shift = 0; shift < 63 && !in.empty(); shift += 7) {
        const auto byte = static_cast<uint8_t>(in.front());
        in.remove_prefix(1);
        value |= static_cast<uint64_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80)) return true;
    }
    return false;
}

// The body as laid out in the header; `comment` is already UTF-16 big-endian.
std::string bodyOf(const Stage& stage, const std::string& comment, std::string_view proof) {
    std::string body;
    const long long target = stage.stepTarget;
    putVarint(body, target < 0 ? (static_cast<uint64_t>(-target) << 1) - 1 : static_cast<uint64_t>(target) << 1);
    putVarint(body, comment.size() / 2);
    body.append(stage.blocks.begin(), stage.blocks.end());
    body.append(stage.ground.begin(), stage.ground.end());
    for (size_t i = 0; i < comment.size(); i += 2) body += comment[i];
    for (size_t i = 1; i < comment.size(); i += 2) body += comment[i];
    body += proof;
    return body;
}

// The stage and proof in a body whose checksum held: anything out of its
// range means a writer that broke the layout, and the code is refused whole.
StageCodeRead readBody(std::string_view body) {
    const StageCodeRead broken = refusal(StageCodeProblem::Damaged, badContents());
    StageCodeRead read;
    uint64_t target = 0, units = 0;
    if (!takeVarint(body, target) || !takeVarint(body, units)) return broken;
    const auto magnitude = static_cast<long long>((target >> 1) + (target & 1));
    if (magnitude > MaxStepTarget) return broken;
    read.stage.stepTarget = target & 1 ? -magnitude : magnitude;
    if (body.size() < 2 * static_cast<size_t>(CellCount) || units > (body.size() - 2 * CellCount) / 2) return broken;
    for (int i = 0; i < CellCount; ++i) {
        read.stage.blocks[i] = static_cast<uint8_t>(body[i]);
        read.stage.ground[i] = static_cast<uint8_t>(body[CellCount + i]);
        if (read.stage.blocks[i] >= BlockCodeCount || read.stage.ground[i] >= GroundCodeCount) return broken;
    }
    body.remove_prefix(2 * CellCount);
    std::string comment;
    for (size_t i = 0; i < units; ++i) {
        comment += body[i];
        comment += body[units + i];
    }
    Conversion text = utf16BeToUtf8(comment);
    // A stage file cannot hold a NUL: it would not read back as text.
    if (!text.ok() || text.text.find('\0') != std::string::npos) return broken;
    read.stage.comment = std::move(text.text);
    read.proof = body.substr(2 * units);
    if (read.proof.find_first_not_of(ProofLetters) != std::string::npos) return broken;
    return read;
}

}  // namespace

std::string formatStageCode(const Stage& stage, std::string_view proof) {
    const std::string deflate = deflated(bodyOf(stage, utf8ToUtf16Be(stage.comment).text, proof));
    return std::string(StageCodePrefix) + absl::WebSafeBase64Escape(deflate + bigEndian(crc32Of(deflate)));
}

bool looksLikeStageCode(std::string_view text) {
    text = trimmed(text);
    if (withoutLink(text).size() != text.size()) return true;
    size_t digits = 1;
    while (digits < text.size() && isDigit(text[digits])) ++digits;
    return text.size() > 2 && text[0] == 'N' && digits > 1 && digits < text.size() && text[digits] == '.' &&
           text.find_first_not_of(Base64UrlLetters, digits + 1) == std::string_view::npos;
}

StageCodeRead parseStageCode(std::string_view text) {
    const std::string_view code = withoutLink(trimmed(text));
    // The version: N, its number, a dot.
    size_t dot = 1;
    while (dot < code.size() && isDigit(code[dot])) ++dot;
    if (code.empty() || code[0] != 'N' || dot == 1 || dot == code.size() || code[dot] != '.') {
        if (code.size() < StageCodePrefix.size() && StageCodePrefix.substr(0, code.size()) == code)
            return refusal(StageCodeProblem::TooShort, tooShort(code.size()));
        return refusal(StageCodeProblem::NotACode, notACode());
    }
    if (code.substr(0, dot + 1) != StageCodePrefix)
        return refusal(StageCodeProblem::UnknownVersion, unknownVersion(code.substr(1, dot - 1)));

    const std::string_view letters = code.substr(StageCodePrefix.size());
    if (size_t bad = letters.find_first_not_of(Base64UrlLetters); bad != std::string_view::npos) {
        return refusal(StageCodeProblem::Damaged,
                       damaged(NERILO_TEXT("codes", "%1 文字目に使えない文字「%2」があります")
                                   .arg(std::to_string(StageCodePrefix.size() + bad + 1))
                                   .arg(std::string(1, letters[bad]))));
    }
    // Four letters carry three bytes; a single letter left over carries none
    // and is looked at as the end of a cut code.
    const std::string_view whole = letters.substr(0, letters.size() - (letters.size() % 4 == 1));
    std::string payload;
    if (!absl::WebSafeBase64Unescape(absl::string_view(whole.data(), whole.size()), &payload)) return refusal(StageCodeProblem::Damaged, badContents());
    if (payload.size() <= ChecksumBytes) return refusal(StageCodeProblem::TooShort, tooShort(code.size()));

    const std::string_view stream = std::string_view(payload).substr(0, payload.size() - ChecksumBytes);
    std::string body;
    size_t used = 0;
    // A letter changed in its spare low bits decodes to the same bytes: only
    // the very text the writer makes is taken.
    const bool exact = whole.size() == letters.size() && absl::WebSafeBase64Escape(payload) == letters;
    if (exact && bigEndian(crc32Of(stream)) == payload.substr(stream.size())) {
        if (inflated(stream, body, used) != InflateEnd::Complete || used != stream.size())
            return refusal(StageCodeProblem::Damaged, badContents());
        return readBody(body);
    }
    // The checksum fails. A code cut short loses its checksum and the end of
    // its stream: the stream runs out, or ends with less than a checksum after it.
    const InflateEnd end = inflated(payload, body, used);
    if (end == InflateEnd::RanOut || (end == InflateEnd::Complete && payload.size() - used < ChecksumBytes))
        return refusal(StageCodeProblem::TooShort, tooShort(code.size()));
    return refusal(StageCodeProblem::Damaged, badChecksum());
}

}  // namespace nerilo
