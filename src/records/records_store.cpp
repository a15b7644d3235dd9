#include "records/records_store.h"

#include <algorithm>

namespace nerilo {
namespace {
void offerClear(std::string& best, const std::string& fresh) {
    if (!fresh.empty() && (best.empty() || fresh.size() < best.size())) best = fresh;
}
}  // namespace

Records mergeRecords(Records records, const Records& fresh) {
    for (size_t i = 0; i < records.size(); ++i) {
        const StageRecord& clear = fresh[i];
        StageRecord& record = records[i];
        if (clear.empty()) continue;
        if (record.fingerprint != clear.fingerprint || record.empty()) {
            record = clear;
            continue;
        }
        offerClear(record.normal, clear.normal);
        offerClear(record.stepTry, clear.stepTry);
        // The fresh count holds only what this copy counted since its last save.
        record.deadEnds = std::min(MaxDeadEnds, record.deadEnds + clear.deadEnds);
    }
    return records;
}

RecordsUpdate updateRecordsFile(const std::string& path, const Records& fresh, std::chrono::milliseconds patience) {
    RecordsUpdate update;
    updateFile(path, patience, update, readRecordsFile, [&](const RecordsRead& onDisk) {
        const Records merged = mergeRecords(onDisk.records, fresh);
        update.error = writeRecordsFile(path, merged);
        if (update.ok()) update.written = merged;
    });
    return update;
}

}  // namespace nerilo
