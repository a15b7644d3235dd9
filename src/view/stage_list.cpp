#include "view/stage_list.h"

#include "model/numbered_stages.h"

namespace nerilo {

namespace {
constexpr Rgb Grey{160, 160, 160};
constexpr Rgb Gold{255, 200, 40};

std::string pressesText(int presses) { return presses > 0 ? std::to_string(presses) : "−"; }
}  // namespace

StageTileView tileViewOf(const StageListEntry& entry, std::optional<int> shortest, bool searching) {
    StageTileView view;
    view.heading = std::to_string(entry.number) + " " + entry.title;
    if (!entry.readable()) {
        view.state = entry.missing ? NERILO_TEXT("stage list", "ファイルがありません") : NERILO_TEXT("stage list", "読み込めません");
        view.stateColour = Red;
        return view;
    }
    if (entry.cleared == 0) {
        view.state = NERILO_TEXT("stage list", "未クリア");
        view.stateColour = Grey;
    } else if (entry.cleared == 1) {
        view.state = NERILO_TEXT("stage list", "クリア");
        view.stateColour = Green;
    } else {
        view.state = NERILO_TEXT("stage list", "歩数トライでクリア");
        view.stateColour = Gold;
    }
    if (entry.deadEnds > 0)
        view.state = NERILO_TEXT("stage list", "%1　詰み %2 回").arg(view.state).arg(std::to_string(entry.deadEnds));
    const std::string normal = pressesText(entry.bestNormal), stepTry = pressesText(entry.bestStepTry);
    if (shortest) view.records = NERILO_TEXT("stage list", "記録 %1 / %2　最短 %3").arg(normal).arg(stepTry).arg(std::to_string(*shortest));
    else if (searching) view.records = NERILO_TEXT("stage list", "記録 %1 / %2　最短 …").arg(normal).arg(stepTry);
    else view.records = NERILO_TEXT("stage list", "記録 %1 / %2").arg(normal).arg(stepTry);
    return view;
}

// The quotes a title stands in: Japanese brackets, and the English quotes of the translations.
std::string stageTitleOf(const std::string& comment) {
    static const std::pair<std::string, std::string> Quotes[] = {{"「", "」"}, {"“", "”"}, {"\"", "\""}};
    size_t first = std::string::npos;
    std::string title;
    for (const auto& [open, close] : Quotes) {
        const size_t at = comment.find(open);
        if (at == std::string::npos || at >= first) continue;
        const size_t start = at + open.size(), end = comment.find(close, start);
        if (end == std::string::npos) continue;
        first = at;
        title = comment.substr(start, end - start);
    }
    return first != std::string::npos ? title : comment.substr(0, comment.find("　"));
}

std::vector<StageListEntry> stageList(const std::string& programFolder, const Progress& progress,
                                      const RecordBook& records) {
    std::vector<StageListEntry> list;
    for (int n = 1; n <= StageCount; ++n) {
        StageListEntry entry;
        entry.number = n;
        entry.path = numberedStagePath(programFolder, n);
        entry.cleared = progress[static_cast<size_t>(n - 1)];
        StageRead read = readStageFile(entry.path);
        entry.error = read.error;
        entry.missing = read.missing;
        if (read.ok()) {
            entry.stage = std::move(read.stage);
            entry.fingerprint = stageFingerprint(entry.stage);
            entry.title = stageTitleOf(entry.stage.comment);
            entry.bestNormal = static_cast<int>(records.best(n, entry.fingerprint, false).size());
            entry.bestStepTry = static_cast<int>(records.best(n, entry.fingerprint, true).size());
            entry.deadEnds = records.deadEnds(n, entry.fingerprint);
        }
        list.push_back(std::move(entry));
    }
    return list;
}

}  // namespace nerilo
