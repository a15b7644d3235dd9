#pragma once
// What the background searches show: the hint line and its arrow, the
// dead-end warning, the editor's analysis panel and search window. Texts are
// the engine's Japanese, which a front end translates as it shows them.
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "model/text.h"

namespace nerilo {

struct HintArrow {
    int cell = 0;        // the player's cell, where the arrow starts
    int direction = -1;  // 0 to 3: left, right, up, down; -1 for the action key, a ring
    bool acting = false; // Shift+arrow, which also acts on the cell ahead
};
// The arrow of a hint's press (a key letter) from the player's cell.
HintArrow hintArrowOf(int cell, char press);

struct AnalysisPanelView {
    bool shown = false;  // while editing
    Text title;
    // Verdict, shortest clear (a link that plays it), positions, dead ends, first dead end.
    std::vector<Text> lines;
    std::string solution;  // the shortest clear's key letters, or empty
};

struct SearchesView {
    // Or, while there is no hint: how far the stage of the day's generation
    // has come, or with that stage in play the days lately cleared.
    Text hintLine;
    std::optional<HintArrow> hintArrow;
    Text deadEndLine;
    AnalysisPanelView analysis;
};

SearchesView searchesView(const Game& game);
// The panel with a search's figures, or 解析中… while there are none.
AnalysisPanelView analysisPanel(bool shown, const std::optional<solver::Result>& result);

// The editor's search window (解を探す).
struct SearchWindowView {
    Text title;
    Text headline;
    Text detail;
    Text analysis;  // empty: not shown
    std::vector<Text> notes;
    bool searching = false;
    bool cancelled = false;  // the window closes
    bool playOffered = false;
    Text cancel, play, close;
};

SearchWindowView searchWindowView(const Game& game);

}  // namespace nerilo
