#include "solver/search_report.h"

#include <cstdio>

namespace nerilo::solver {

const SearchWindowTexts& searchWindowTexts() {
    static const SearchWindowTexts texts{
        "Nerilo(解を探す)", "解を探しています…", "中止しています…", "キャンセル", "解を再生", "閉じる",
        "解を探せません",
    };
    return texts;
}

std::string groupedNumber(uint64_t value) {
    std::string digits = std::to_string(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

std::string progressLine(const Progress& progress) {
    return "調べた局面 " + groupedNumber(progress.stored) + "　深さ " + std::to_string(progress.depth);
}

std::string summaryLine(const Result& result) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", result.seconds);
    return "調べた局面 " + groupedNumber(result.stored) + "（" + seconds + " 秒）";
}

std::string outcomeLine(const Result& result) {
    switch (result.outcome) {
    case Outcome::Solved: return "最短 " + std::to_string(result.keys.size()) + " 手でクリアできます";
    case Outcome::Unsolvable: return "クリアできません";
    case Outcome::LimitReached: return "上限に達しました";
    case Outcome::Cancelled: return "中止しました";
    case Outcome::Refused: return searchWindowTexts().noSearch;
    }
    return {};
}

std::string analysisLine(const Result& result) {
    if (!result.analysis) {
        if (result.outcome == Outcome::Cancelled || result.outcome == Outcome::Refused) return {};
        return "局面が多すぎて、行き詰まりまでは調べきれませんでした（" + groupedNumber(result.stored) + " 局面）。";
    }
    const Analysis& a = *result.analysis;
    std::string line = "到達できる局面 " + groupedNumber(a.reachable) + "、";
    if (a.deadEnds == 0) return line + "行き詰まりはありません。";
    if (a.deadEnds == a.reachable) return line + "どれもクリアにつながりません。";
    return line + "うち行き詰まり（もうクリアできない局面）" + groupedNumber(a.deadEnds) + "。最短 " + std::to_string(a.firstDeadEndDepth) +
           " 手で行き詰まります。";
}

}  // namespace nerilo::solver
