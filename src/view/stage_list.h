#pragma once
// What the stage list shows of each numbered stage: its board as loaded, its
// title, whether it is cleared, and the player's best clears.
#include <optional>
#include <string>
#include <vector>

#include "game/platform.h"
#include "model/progress_file.h"
#include "model/stage_file.h"
#include "records/record_book.h"

namespace nerilo {

struct StageListEntry {
    int number = 0;
    std::string path;
    Text error;  // why the file cannot be read; empty when it can
    bool missing = false;  // there is no file
    Stage stage;        // when it can be read
    uint64_t fingerprint = 0;
    std::string title;  // from the comment
    uint8_t cleared = 0;  // the progress record: 0 not cleared, 1 cleared, 2 cleared in step-try mode
    int bestNormal = 0;   // presses of the best clear without step-try mode; 0: none
    int bestStepTry = 0;  // and in step-try mode
    uint32_t deadEnds = 0;  // presses that walked into a dead end, as the warning proved
    bool readable() const { return error.empty(); }
    bool hasReplay() const { return bestNormal > 0 || bestStepTry > 0; }
    // Which best clear a replay plays: the shorter, the step-try one when both are as short.
    bool replaysStepTry() const { return bestStepTry > 0 && (bestNormal == 0 || bestStepTry <= bestNormal); }
};

std::vector<StageListEntry> stageList(const std::string& programFolder, const Progress& progress,
                                      const RecordBook& records);

// What a tile of the stage list says.
struct StageTileView {
    std::string heading;  // the number and the title
    Text state;           // cleared or not, or why the file cannot be read
    Rgb stateColour;
    Text records;         // the best presses without and with step-try mode, and the shortest clear
};

// `shortest` is the solver's length when known; `searching` while it works on it.
StageTileView tileViewOf(const StageListEntry& entry, std::optional<int> shortest, bool searching);

// A stage's title from its comment: the name in the first 「」, “” or "" when
// there is one, else the comment up to its first full-width space.
std::string stageTitleOf(const std::string& comment);

}  // namespace nerilo
