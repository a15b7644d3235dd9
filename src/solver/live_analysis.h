#pragma once
// What the editor's analysis panel says about the board as it stands: every
// figure comes from one search with its analysis, the same that nerilo-solve
// --analyse prints.
#include "model/text.h"
#include "solver/solver.h"

namespace nerilo::solver {

struct LiveAnalysisView {
    Text verdict;       // クリアできます / クリアできません / 調べきれません
    Text shortest;      // 最短 9 手 (a click plays it), or empty
    Text positions;     // 局面 45
    Text deadEnds;      // 詰み 23（51.1%）
    Text firstDeadEnd;  // 最初の詰み 5 手目, or 詰みなし
};
// The panel's title, and what it says while the search runs.
Text liveAnalysisTitle();
Text liveAnalysisRunning();
LiveAnalysisView liveAnalysisView(const Result& result);

// The search behind the panel: to the end, with its analysis, bounded so that
// a huge board answers 調べきれません instead of filling the memory.
Options liveAnalysisOptions();

}  // namespace nerilo::solver
