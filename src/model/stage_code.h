#pragma once
// The stage code: a whole stage as one line of URL-safe text, for sharing a
// stage where people talk, and optionally the author's clear of it as proof.
// One reader and one writer for the game, the tools and a web page.
//
//   N1.<payload>            a code of version 1
//   nerilo:N1.<payload>     the same code as a link
//
// The payload is base64url without padding of a raw deflate stream (RFC 1951,
// which a browser's CompressionStream("deflate-raw") reads and writes)
// followed by the CRC-32 of that stream, big-endian. The checksum covers the
// text as it travels, so any one changed character is refused. The stream
// inflates to the body:
//
//   step target        zigzag varint (7 bits a byte, low first)
//   comment length     varint, in UTF-16 code units
//   block codes        225 bytes, row by row
//   ground codes       225 bytes, row by row
//   comment            UTF-16 big-endian, all high bytes first, then all low
//                      bytes: Japanese repeats few high bytes, which deflate packs
//   proof              key letters L R U D l r u d Z to the end; none when empty
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/stage_file.h"
#include "model/text.h"

namespace nerilo {

constexpr std::string_view StageCodePrefix = "N1.";
constexpr std::string_view StageLinkScheme = "nerilo:";
// The presses a proof may hold: those of the solver and of stored solutions.
constexpr std::string_view ProofLetters = "LRUDlrudZ";
// The characters a code or link is written in.
constexpr std::string_view StageCodeAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_-.~:";

enum class StageCodeProblem { None, NotACode, UnknownVersion, TooShort, Damaged };

struct StageCodeRead {
    Stage stage;
    std::string proof;  // key letters of a clear from the start, or empty
    StageCodeProblem problem = StageCodeProblem::None;
    Text error;  // empty on success; what is wrong with the code
    bool ok() const { return problem == StageCodeProblem::None; }
};

// The byte-level tools a code is made with. Everything else, the layout of
// the body, its checks and the reader's messages, is in stage_code.cpp, the
// same for both builds: the desktop takes these tools from zlib and Abseil
// (stage_code_zlib.cpp), the page from the browser (src/web), as WebAssembly
// cannot link Debian's zlib or Abseil.
struct StageCodeTools {
    std::string (*toBase64Url)(std::string_view bytes);  // without padding
    // Nothing when the letters are no base64url; a last group of two or three
    // letters is taken whatever its spare low bits hold.
    std::optional<std::string> (*fromBase64Url)(std::string_view letters);
    uint32_t (*crc32)(std::string_view bytes);
};

// Inflating is not among the tools: a browser inflates only asynchronously
// (DecompressionStream), so the reader stops before it and goes on with what
// the inflater found. A stream is inflated to its very end: Complete when the
// deflate stream ends exactly with the bytes, RanOut when the bytes end first,
// Broken for anything else (a bad stream, bytes after its end, a body past
// MaxStageCodeBodyBytes).
enum class InflateEnd { Complete, RanOut, Broken };
struct Inflated {
    InflateEnd end = InflateEnd::Broken;
    std::string body;  // when Complete
};
// A body is a few hundred bytes; a code that inflates past this is not one.
constexpr size_t MaxStageCodeBodyBytes = 1 << 20;

// The first half of reading: the text, its letters and the checksum.
struct StageCodeStreams {
    StageCodeRead refusal;  // a problem when the code is refused before inflating
    bool checked = false;   // the checksum held: streams holds the one deflate stream
    // The byte strings to inflate: the stream whose checksum held, or, when it
    // did not, the payload and the payload without its last one, two or three
    // bytes, which tell a code cut short from one mistyped.
    std::vector<std::string> streams;
    size_t letters = 0;  // the code's length, for the message of a cut code
    bool refused() const { return !refusal.ok(); }
};
StageCodeStreams stageCodeStreams(std::string_view text, const StageCodeTools& tools);
// The second half: the stage and proof from what inflating `streams` found, one
// Inflated for each stream in order.
StageCodeRead readInflatedStageCode(const StageCodeStreams& streams, const std::vector<Inflated>& inflated);

// Writing in two halves around the deflating: the body, and the code of its
// deflate stream (any raw deflate stream of the body, at any level).
std::string stageCodeBody(const Stage& stage, std::string_view proof);
std::string stageCodeOfStream(std::string_view deflated, const StageCodeTools& tools);

// Whether text is meant as a code or link rather than as a file name.
bool looksLikeStageCode(std::string_view text);

// The desktop's whole writer and reader, the halves joined with zlib and
// Abseil (stage_code_zlib.cpp, not in the web build).
// The code of a stage read by the stage reader, with a proof of ProofLetters or none.
std::string formatStageCode(const Stage& stage, std::string_view proof = {});
// Reads a code or a link, as pasted: blanks around it are ignored.
StageCodeRead parseStageCode(std::string_view text);

}  // namespace nerilo
