#include "solver/search_report.h"

#include <cstdio>

namespace nerilo::solver {

const SearchWindowTexts& searchWindowTexts() {
    static const SearchWindowTexts texts{
        NERILO_TEXT("search", "Nerilo(解を探す)"), NERILO_TEXT("search", "解を探しています…"),
        NERILO_TEXT("search", "中止しています…"),  NERILO_TEXT("search", "キャンセル"),
        NERILO_TEXT("search", "解を再生"),         NERILO_TEXT("search", "閉じる"),
        NERILO_TEXT("search", "解を探せません"),
    };
    return texts;
}

std::string groupedNumber(uint64_t value) {
    std::string digits = std::to_string(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

Text progressLine(const Progress& progress) {
    return NERILO_TEXT("search", "調べた局面 %1　深さ %2").arg(groupedNumber(progress.stored)).arg(std::to_string(progress.depth));
}

Text summaryLine(const Result& result) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", result.seconds);
    return NERILO_TEXT("search", "調べた局面 %1（%2 秒）").arg(groupedNumber(result.stored)).arg(std::string(seconds));
}

Text outcomeLine(const Result& result) {
    switch (result.outcome) {
    case Outcome::Solved: return NERILO_TEXT("search", "最短 %1 手でクリアできます").arg(std::to_string(result.keys.size()));
    case Outcome::Unsolvable: return NERILO_TEXT("search", "クリアできません");
    case Outcome::LimitReached: return NERILO_TEXT("search", "上限に達しました");
    case Outcome::Cancelled: return NERILO_TEXT("search", "中止しました");
    case Outcome::Refused: return searchWindowTexts().noSearch;
    }
    return {};
}

Text analysisLine(const Result& result) {
    if (!result.analysis) {
        if (result.outcome == Outcome::Cancelled || result.outcome == Outcome::Refused) return {};
        return NERILO_TEXT("search", "局面が多すぎて、行き詰まりまでは調べきれませんでした（%1 局面）。")
            .arg(groupedNumber(result.stored));
    }
    const Analysis& a = *result.analysis;
    const std::string reachable = groupedNumber(a.reachable);
    if (a.deadEnds == 0) return NERILO_TEXT("search", "到達できる局面 %1、行き詰まりはありません。").arg(reachable);
    if (a.deadEnds == a.reachable)
        return NERILO_TEXT("search", "到達できる局面 %1、どれもクリアにつながりません。").arg(reachable);
    return NERILO_TEXT("search", "到達できる局面 %1、うち行き詰まり（もうクリアできない局面）%2。最短 %3 手で行き詰まります。")
        .arg(reachable)
        .arg(groupedNumber(a.deadEnds))
        .arg(std::to_string(a.firstDeadEndDepth));
}

}  // namespace nerilo::solver
