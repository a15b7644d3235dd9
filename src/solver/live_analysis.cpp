#include "solver/live_analysis.h"

#include <cstdio>

#include "solver/search_report.h"

namespace nerilo::solver {

Text liveAnalysisTitle() { return NERILO_TEXT("analysis", "解析"); }
Text liveAnalysisRunning() { return NERILO_TEXT("analysis", "解析中…"); }

LiveAnalysisView liveAnalysisView(const Result& result) {
    LiveAnalysisView view;
    switch (result.outcome) {
    case Outcome::Solved:
        view.verdict = NERILO_TEXT("analysis", "クリアできます");
        view.shortest = NERILO_TEXT("analysis", "最短 %1 手").arg(std::to_string(result.keys.size()));
        break;
    case Outcome::Unsolvable: view.verdict = NERILO_TEXT("analysis", "クリアできません"); break;
    case Outcome::Refused: view.verdict = searchWindowTexts().noSearch; return view;
    default: view.verdict = NERILO_TEXT("analysis", "調べきれません"); return view;
    }
    if (!result.analysis) return view;
    const Analysis& a = *result.analysis;
    view.positions = NERILO_TEXT("analysis", "局面 %1").arg(groupedNumber(a.reachable));
    char share[16];
    std::snprintf(share, sizeof share, "%.1f", a.reachable == 0 ? 0.0 : 100.0 * a.deadEnds / a.reachable);
    view.deadEnds = NERILO_TEXT("analysis", "詰み %1（%2%）").arg(groupedNumber(a.deadEnds)).arg(std::string(share));
    view.firstDeadEnd = a.firstDeadEndDepth < 0
                            ? NERILO_TEXT("analysis", "詰みなし")
                            : NERILO_TEXT("analysis", "最初の詰み %1 手目").arg(std::to_string(a.firstDeadEndDepth));
    return view;
}

Options liveAnalysisOptions() {
    Options options;
    options.analyse = true;
    options.maxStates = 1'000'000;
    return options;
}

}  // namespace nerilo::solver
