#pragma once
// What the editor's search window says: every text of that window is here,
// so the window only places and translates them.
#include <string>

#include "model/text.h"
#include "solver/solver.h"

namespace nerilo::solver {

struct SearchWindowTexts {
    Text title;
    Text searching;   // while the search runs
    Text cancelling;  // after Cancel, until the search has stopped
    Text cancel;      // the buttons
    Text play;
    Text close;
    Text noSearch;    // the headline when the stage cannot be searched
};
const SearchWindowTexts& searchWindowTexts();

// "調べた局面 12,345　深さ 12"
Text progressLine(const Progress& progress);
// "調べた局面 12,345（0.4 秒）": what the finished search took.
Text summaryLine(const Result& result);
// The answer in a few words: the shortest length, "クリアできません" or "上限に達しました".
Text outcomeLine(const Result& result);
// The analysis in one line: positions reachable, how many are dead ends, and
// the fewest presses that lead into one.
Text analysisLine(const Result& result);

// 1234567 → "1,234,567"
std::string groupedNumber(uint64_t value);

}  // namespace nerilo::solver
