#pragma once
// The progress file "data.nrl": one line of 30 numbers, the record of each stage
// (0 not cleared, 1 cleared, 2 cleared in step-try mode), commas between, CR LF.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/file_io.h"
#include "model/text.h"

namespace nerilo {

constexpr const char* ProgressFileName = "data.nrl";
constexpr int StageCount = 30;  // the numbered stages, stage1.txt to stage30.txt
using Progress = std::array<uint8_t, StageCount>;

// A file refused or unreadable reads as all zeros; a missing one, a new
// player, reads as all zeros with no error.
struct ProgressRead : FileRead {
    Progress progress{};
};

ProgressRead parseProgress(std::string_view text);
ProgressRead readProgressFile(const std::string& path);
std::string formatProgress(const Progress& progress);
// Returns the error, or empty text.
Text writeProgressFile(const std::string& path, const Progress& progress);

}  // namespace nerilo
