#include "records/records_store.h"

#include <algorithm>

namespace nerilo {
namespace {
void offerClear(std::string& best, const std::string& fresh) {
    if (!fresh.empty() && (best.empty() || fresh.size() < best.size())) best = fresh;
}

void mergeRecord(StageRecord& record, const StageRecord& clear) {
    if (clear.empty()) return;
    if (record.fingerprint != clear.fingerprint || record.empty()) {
        record = clear;
        return;
    }
    offerClear(record.normal, clear.normal);
    offerClear(record.stepTry, clear.stepTry);
    // The fresh count holds only what this copy counted since its last save.
    record.deadEnds = std::min(MaxDeadEnds, record.deadEnds + clear.deadEnds);
}
}  // namespace

Records mergeRecords(Records records, const Records& fresh) {
    for (size_t i = 0; i < records.size(); ++i) mergeRecord(records[i], fresh[i]);
    for (const auto& [date, clear] : fresh.days) mergeRecord(records.days[date], clear);
    std::erase_if(records.days, [](const auto& day) { return day.second.empty(); });
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
