#pragma once
// The stage file: 225 ground codes, 225 block codes, a comment and a step target,
// in code page 932 with CR LF. One reader and one writer for the game, the
// editor and the tools. The reader checks everything, so only a valid stage
// reaches the board.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/codes.h"
#include "model/text.h"

namespace nerilo {

constexpr int StageFieldCount = 2 * CellCount + 2;
// A stage file of the format is a few kilobytes; anything far larger is not one.
constexpr long long MaxStageFileBytes = 1 << 20;
// The translation context of the shipped stages' comments: the comment's own
// text is the key, so a changed or new comment shows as written.
constexpr const char* StageCommentContext = "stage comments";

struct Stage {
    std::array<uint8_t, CellCount> ground{};
    std::array<uint8_t, CellCount> blocks{};
    std::string comment;  // UTF-8, lines separated by "\n"
    long long stepTarget = 0;
    friend bool operator==(const Stage&, const Stage&) = default;
};

struct StageRead {
    Stage stage;
    Text error;            // empty on success; the problem
    bool missing = false;  // the problem is that no such file exists
    bool ok() const { return error.empty(); }
};

// Parses the UTF-8 text of a stage file.
StageRead parseStage(std::string_view text);
// Decodes and parses the bytes of a stage file.
StageRead parseStageBytes(std::string_view bytes);
// Reads and checks a stage file from disk.
StageRead readStageFile(const std::string& path);

// The file's text as the writer lays it out (UTF-8, quoted fields, CR LF).
std::string formatStage(const Stage& stage);
// Writes a stage file; returns the error, or empty text.
Text writeStageFile(const std::string& path, const Stage& stage);

// What a stage plays like, in 64 bits: its board and step target, not its
// comment, so records survive a reworded comment but not a changed board.
uint64_t stageFingerprint(const std::array<uint8_t, CellCount>& ground, const std::array<uint8_t, CellCount>& blocks,
                          long long stepTarget);
inline uint64_t stageFingerprint(const Stage& stage) { return stageFingerprint(stage.ground, stage.blocks, stage.stepTarget); }

// A double quote cannot stand inside a quoted field, so the comment keeps a
// full-width one in its place. A line break may: it is written as CR LF and
// read back as "\n".
std::string storableComment(std::string_view comment);

}  // namespace nerilo
