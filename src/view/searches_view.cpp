#include "view/searches_view.h"

#include "rules/key_letters.h"
#include "solver/dead_end.h"
#include "solver/hint.h"
#include "solver/live_analysis.h"
#include "solver/search_report.h"
#include "solver/stage_checks.h"

namespace nerilo {
namespace {

Text hintLine(const HintSearch& hint) {
    if (hint.job != 0) return NERILO_TEXT("hint", "ヒントを探しています…");
    if (hint.notFound) return NERILO_TEXT("hint", "ヒントが見つかりません");
    if (hint.shown) return solver::hintText(*hint.shown);
    return {};
}

// The generation tells the rooms it has judged: its budget is a bound, seldom
// reached, so a share of it would say little of the time left. The hint line
// has room for two short lines.
Text dailyLine(const DailyStage& daily) {
    if (daily.waiting()) return NERILO_TEXT("daily", "今日のステージ\nエディタを終えると開きます");
    if (daily.generation().job == 0) return {};
    return NERILO_TEXT("daily", "今日のステージ\n作成中… %1").arg(std::to_string(daily.generation().rooms + 1));
}

// With the stage of the day in play: the days lately cleared, newest first.
Text daysClearedLine(const Records& records, DayDate inPlay) {
    if (inPlay == 0) return {};
    constexpr int Shown = 3;
    std::string days;
    int shown = 0;
    for (auto day = records.days.rbegin(); day != records.days.rend() && shown < Shown; ++day) {
        if (day->second.normal.empty() && day->second.stepTry.empty()) continue;
        const DayDate date = day->first;
        days += (shown++ ? " " : "") + std::to_string(date / 100 % 100) + "/" + std::to_string(date % 100);
    }
    if (days.empty()) return NERILO_TEXT("daily", "クリアした日:\nまだありません");
    return NERILO_TEXT("daily", "クリアした日:\n%1").arg(days);
}

}  // namespace

AnalysisPanelView analysisPanel(bool shown, const std::optional<solver::Result>& result) {
    AnalysisPanelView panel;
    panel.shown = shown;
    panel.title = solver::liveAnalysisTitle();
    solver::LiveAnalysisView figures;
    if (result) figures = solver::liveAnalysisView(*result);
    else figures.verdict = solver::liveAnalysisRunning();
    panel.lines = {figures.verdict, figures.shortest, figures.positions, figures.deadEnds, figures.firstDeadEnd};
    if (result && result->outcome == solver::Outcome::Solved) panel.solution = result->keys;
    return panel;
}

HintArrow hintArrowOf(int cell, char press) {
    const std::optional<KeyPress> key = pressOf(press);
    if (!key || key->key > Key::Down) return {cell};
    return {cell, static_cast<int>(key->key), (key->modifiers & ShiftModifier) != 0};
}

SearchesView searchesView(const Game& game) {
    const Searches& searches = game.searches().state();
    SearchesView view;
    view.hintLine = hintLine(searches.hint);
    if (view.hintLine.empty()) view.hintLine = dailyLine(game.daily());
    if (view.hintLine.empty())
        view.hintLine = daysClearedLine(game.playerData().records().records(), game.daily().inPlay());
    if (searches.hint.shown) view.hintArrow = hintArrowOf(searches.hint.cell, searches.hint.shown->press);
    if (searches.deadEnd.warning) view.deadEndLine = solver::deadEndText();
    view.analysis = analysisPanel(game.session().editing(), searches.analysis.result);
    return view;
}

// The quick problems are shown as notes whatever the search finds.
SearchWindowView searchWindowView(const Game& game) {
    const solver::SearchWindowTexts& texts = solver::searchWindowTexts();
    const FullSearch& search = game.searches().state().full;
    SearchWindowView view;
    view.title = texts.title;
    view.cancel = texts.cancel;
    view.play = texts.play;
    view.close = texts.close;
    for (const solver::StageProblem& problem : solver::layoutProblems(game.editor().plainTestStart()))
        view.notes.push_back(problem.text());
    view.searching = search.job != 0;
    if (view.searching) {
        view.headline = texts.searching;
        if (search.progress) view.detail = solver::progressLine(*search.progress);
        return view;
    }
    if (!search.result) return view;
    const solver::Result& result = *search.result;
    view.cancelled = result.outcome == solver::Outcome::Cancelled;
    view.headline = solver::outcomeLine(result);
    if (result.outcome != solver::Outcome::Refused) view.detail = solver::summaryLine(result);
    view.analysis = solver::analysisLine(result);
    view.playOffered = result.outcome == solver::Outcome::Solved;
    return view;
}

}  // namespace nerilo
