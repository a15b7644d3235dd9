#include "model/progress_store.h"

#include <algorithm>

namespace nerilo {

Progress mergeProgress(const Progress& a, const Progress& b) {
    Progress merged;
    for (size_t i = 0; i < merged.size(); ++i) merged[i] = std::max(a[i], b[i]);
    return merged;
}

ProgressUpdate updateProgressFile(const std::string& path, const Progress& progress,
                                  std::chrono::milliseconds patience) {
    ProgressUpdate update;
    updateFile(path, patience, update, readProgressFile, [&](const ProgressRead& onDisk) {
        const Progress merged = mergeProgress(onDisk.progress, progress);
        update.error = writeProgressFile(path, merged);
        if (update.ok()) update.written = merged;
    });
    return update;
}

}  // namespace nerilo
