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
#include <string>
#include <string_view>

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

// The code of a stage read by the stage reader, with a proof of ProofLetters or none.
std::string formatStageCode(const Stage& stage, std::string_view proof = {});
// Reads a code or a link, as pasted: blanks around it are ignored.
StageCodeRead parseStageCode(std::string_view text);
// Whether text is meant as a code or link rather than as a file name.
bool looksLikeStageCode(std::string_view text);

}  // namespace nerilo
