#include "model/stage_code.h"

#include <algorithm>
#include <cstdint>

#include "model/text_codec.h"

namespace nerilo {
namespace {

constexpr int CodeVersion = 1;
constexpr size_t ChecksumBytes = 4;
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

std::string bigEndian(uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
            static_cast<char>(value)};
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

std::string stageCodeBody(const Stage& stage, std::string_view proof) {
    return bodyOf(stage, utf8ToUtf16Be(stage.comment).text, proof);
}

std::string stageCodeOfStream(std::string_view deflated, const StageCodeTools& tools) {
    return std::string(StageCodePrefix) + tools.toBase64Url(std::string(deflated) + bigEndian(tools.crc32(deflated)));
}

bool looksLikeStageCode(std::string_view text) {
    text = trimmed(text);
    if (withoutLink(text).size() != text.size()) return true;
    size_t digits = 1;
    while (digits < text.size() && isDigit(text[digits])) ++digits;
    return text.size() > 2 && text[0] == 'N' && digits > 1 && digits < text.size() && text[digits] == '.' &&
           text.find_first_not_of(Base64UrlLetters, digits + 1) == std::string_view::npos;
}

StageCodeStreams stageCodeStreams(std::string_view text, const StageCodeTools& tools) {
    StageCodeStreams streams;
    auto refused = [&streams](StageCodeProblem problem, Text error) {
        streams.refusal = refusal(problem, std::move(error));
        return streams;
    };
    const std::string_view code = withoutLink(trimmed(text));
    streams.letters = code.size();
    // The version: N, its number, a dot.
    size_t dot = 1;
    while (dot < code.size() && isDigit(code[dot])) ++dot;
    if (code.empty() || code[0] != 'N' || dot == 1 || dot == code.size() || code[dot] != '.') {
        if (code.size() < StageCodePrefix.size() && StageCodePrefix.substr(0, code.size()) == code)
            return refused(StageCodeProblem::TooShort, tooShort(code.size()));
        return refused(StageCodeProblem::NotACode, notACode());
    }
    if (code.substr(0, dot + 1) != StageCodePrefix)
        return refused(StageCodeProblem::UnknownVersion, unknownVersion(code.substr(1, dot - 1)));

    const std::string_view letters = code.substr(StageCodePrefix.size());
    if (size_t bad = letters.find_first_not_of(Base64UrlLetters); bad != std::string_view::npos) {
        return refused(StageCodeProblem::Damaged,
                       damaged(NERILO_TEXT("codes", "%1 文字目に使えない文字「%2」があります")
                                   .arg(std::to_string(StageCodePrefix.size() + bad + 1))
                                   .arg(std::string(1, letters[bad]))));
    }
    // Four letters carry three bytes; a single letter left over carries none
    // and is looked at as the end of a cut code.
    const std::string_view whole = letters.substr(0, letters.size() - (letters.size() % 4 == 1));
    const std::optional<std::string> decoded = tools.fromBase64Url(whole);
    if (!decoded) return refused(StageCodeProblem::Damaged, badContents());
    const std::string& payload = *decoded;
    if (payload.size() <= ChecksumBytes) return refused(StageCodeProblem::TooShort, tooShort(code.size()));

    const std::string_view stream = std::string_view(payload).substr(0, payload.size() - ChecksumBytes);
    // A letter changed in its spare low bits decodes to the same bytes: only
    // the very text the writer makes is taken.
    const bool exact = whole.size() == letters.size() && tools.toBase64Url(payload) == letters;
    streams.checked = exact && bigEndian(tools.crc32(stream)) == payload.substr(stream.size());
    if (streams.checked) {
        streams.streams.emplace_back(stream);
        return streams;
    }
    // A code cut short loses its checksum and the end of its stream: the
    // payload runs out, or its stream ends less than a checksum before the end.
    for (size_t cut = 0; cut < ChecksumBytes; ++cut) streams.streams.push_back(payload.substr(0, payload.size() - cut));
    return streams;
}

StageCodeRead readInflatedStageCode(const StageCodeStreams& streams, const std::vector<Inflated>& inflated) {
    if (streams.refused()) return streams.refusal;
    if (inflated.size() != streams.streams.size()) return refusal(StageCodeProblem::Damaged, badContents());
    if (streams.checked) {
        if (inflated[0].end != InflateEnd::Complete) return refusal(StageCodeProblem::Damaged, badContents());
        return readBody(inflated[0].body);
    }
    const bool cut = inflated[0].end == InflateEnd::RanOut ||
                     std::any_of(inflated.begin(), inflated.end(), [](const Inflated& i) { return i.end == InflateEnd::Complete; });
    if (cut) return refusal(StageCodeProblem::TooShort, tooShort(streams.letters));
    return refusal(StageCodeProblem::Damaged, badChecksum());
}

}  // namespace nerilo
