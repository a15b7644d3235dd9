#include "records/stage_list.h"

#include "records/numbered_stages.h"

namespace nerilo {

std::string stageTitleOf(const std::string& comment) {
    const size_t open = comment.find("「");
    if (open != std::string::npos) {
        const size_t start = open + std::string("「").size();
        const size_t close = comment.find("」", start);
        if (close != std::string::npos) return comment.substr(start, close - start);
    }
    return comment.substr(0, comment.find("　"));
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
        if (read.ok()) {
            entry.stage = std::move(read.stage);
            entry.fingerprint = stageFingerprint(entry.stage);
            entry.title = stageTitleOf(entry.stage.comment);
            entry.bestNormal = static_cast<int>(records.best(n, entry.fingerprint, false).size());
            entry.bestStepTry = static_cast<int>(records.best(n, entry.fingerprint, true).size());
        }
        list.push_back(std::move(entry));
    }
    return list;
}

}  // namespace nerilo
