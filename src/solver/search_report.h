#pragma once
// What the editor's search window says, in Japanese: every text of that
// window is here, so the window only places them.
#include <string>

#include "solver/solver.h"

namespace nerilo::solver {

struct SearchWindowTexts {
    std::string title;
    std::string searching;   // while the search runs
    std::string cancelling;  // after Cancel, until the search has stopped
    std::string cancel;      // the buttons
    std::string play;
    std::string close;
    std::string noSearch;    // the headline when the stage cannot be searched
};
const SearchWindowTexts& searchWindowTexts();

// "調べた局面 12,345　深さ 12"
std::string progressLine(const Progress& progress);
// "調べた局面 12,345（0.4 秒）": what the finished search took.
std::string summaryLine(const Result& result);
// The answer in a few words: the shortest length, "クリアできません" or "上限に達しました".
std::string outcomeLine(const Result& result);
// The analysis in one line: positions reachable, how many are dead ends, and
// the fewest presses that lead into one.
std::string analysisLine(const Result& result);

// 1234567 → "1,234,567"
std::string groupedNumber(uint64_t value);

}  // namespace nerilo::solver
