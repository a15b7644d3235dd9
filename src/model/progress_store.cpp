#include "model/progress_store.h"

#include <algorithm>

#include "model/progress_location.h"

namespace nerilo {

Progress mergeProgress(const Progress& a, const Progress& b) {
    Progress merged;
    for (size_t i = 0; i < merged.size(); ++i) merged[i] = std::max(a[i], b[i]);
    return merged;
}

ProgressUpdate updateProgressFile(const std::string& path, const Progress& progress) {
    ProgressUpdate update;
    update.error = prepareFolderOf(path);
    if (!update.ok()) return update;
    const FileLock lock(path);
    update.error = lock.error();
    if (!update.ok()) return update;
    const ProgressRead onDisk = readProgressFile(path);
    if (!onDisk.ok() && !onDisk.missing) {
        update.keptAside = setAsideDamaged(path, update.error);
        if (!update.ok()) return update;
    }
    const Progress merged = mergeProgress(onDisk.progress, progress);
    update.error = writeProgressFile(path, merged);
    if (update.ok()) update.written = merged;
    return update;
}

}  // namespace nerilo
