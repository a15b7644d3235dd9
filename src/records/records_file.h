#pragma once
// The records file "records.json": for each numbered stage, the key letters of
// the shortest clear, without and with step-try mode, and the fingerprint of
// the stage they were played on (board/stage_file.h), so that records of a
// stage that has since changed are not taken for records of the new one.
//
//   {
//     "version": 1,
//     "stages": {
//       "1": { "fingerprint": "0123456789abcdef", "normal": "UURRRRDDDZ", "step_try": "UURRRRDDDZ",
//              "dead_ends": 3 }
//     },
//     "days": {
//       "20261208": { "fingerprint": "fedcba9876543210", "normal": "LLUURZ" }
//     }
//   }
//
// "dead_ends" (the presses that walked into a dead end the warning proved) may
// be missing, as in the files written before it was counted. "days" holds the
// records of the stage of the day by its date (UTC, YYYYMMDD), in the same
// form; it is written only when there is one, so that a file without any stays
// readable by the copies made before the stage of the day.
#include <array>
#include <cstdint>
#include <map>
#include <string>

#include <string_view>

#include "model/file_io.h"
#include "model/progress_file.h"
#include "model/text.h"

namespace nerilo {

constexpr const char* RecordsFileName = "records.json";
// The letters of a recorded clear: the presses that count (input/key_letters.h).
constexpr std::string_view RecordLetters = "LRUDlrudZ";
// Longer clears are not recorded; the file stays a few megabytes at most.
constexpr size_t MaxRecordPresses = 100000;
// A count beyond any player's patience is a damaged file.
constexpr uint32_t MaxDeadEnds = 1'000'000'000;

struct StageRecord {
    uint64_t fingerprint = 0;
    std::string normal;   // the best clear without step-try mode; empty: none
    std::string stepTry;  // the best clear in step-try mode; empty: none
    uint32_t deadEnds = 0;  // presses that walked into a dead end, as the warning proved
    bool empty() const { return normal.empty() && stepTry.empty() && deadEnds == 0; }
    friend bool operator==(const StageRecord&, const StageRecord&) = default;
};

// A date as the stage of the day is named by: 20261208 for 8 December 2026.
using DayDate = uint32_t;
// Whether a number reads as such a date (the year 2000 or later).
bool isDayDate(uint64_t date);

// Numbered stage n at [n - 1]; the stage of each day it was cleared on in `days`.
struct Records : std::array<StageRecord, StageCount> {
    std::map<DayDate, StageRecord> days = {};
    friend bool operator==(const Records&, const Records&) = default;
};

// A file refused or unreadable reads as no records; so does a missing one,
// with no error.
struct RecordsRead : FileRead {
    Records records{};
};

RecordsRead parseRecords(std::string_view text);
RecordsRead readRecordsFile(const std::string& path);
std::string formatRecords(const Records& records);
// Returns the error, or empty text.
Text writeRecordsFile(const std::string& path, const Records& records);

}  // namespace nerilo
