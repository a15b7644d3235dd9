#include "records/record_book.h"

#include <map>

namespace nerilo {
namespace {
const std::string NoClear;
}

FileRead RecordBook::open(const std::string& path) {
    path_ = path;
    RecordsRead read = readRecordsFile(path);
    records_ = read.records;
    return read;
}

const std::string& RecordBook::best(const StageRecord& record, uint64_t fingerprint, bool stepTry) {
    if (record.fingerprint != fingerprint) return NoClear;
    return stepTry ? record.stepTry : record.normal;
}

const std::string& RecordBook::best(int n, uint64_t fingerprint, bool stepTry) const {
    return best(records_[static_cast<size_t>(n - 1)], fingerprint, stepTry);
}

const std::string& RecordBook::bestOfDay(DayDate date, uint64_t fingerprint, bool stepTry) const {
    const auto day = records_.days.find(date);
    return day == records_.days.end() ? NoClear : best(day->second, fingerprint, stepTry);
}

bool RecordBook::offer(StageRecord& record, StageRecord& fresh, uint64_t fingerprint, bool stepTry,
                       const std::string& keys) {
    if (keys.empty() || keys.size() > MaxRecordPresses) return false;
    // Records of the stage as it was before it changed are replaced whole.
    if (record.fingerprint != fingerprint) record = StageRecord{fingerprint, {}, {}, 0};
    std::string& best = stepTry ? record.stepTry : record.normal;
    if (!best.empty() && best.size() <= keys.size()) return false;
    best = keys;
    if (fresh.fingerprint != fingerprint) fresh = StageRecord{fingerprint, {}, {}, 0};
    (stepTry ? fresh.stepTry : fresh.normal) = keys;
    return true;
}

bool RecordBook::offer(int n, uint64_t fingerprint, bool stepTry, const std::string& keys) {
    const size_t i = static_cast<size_t>(n - 1);
    return offer(records_[i], fresh_[i], fingerprint, stepTry, keys);
}

// A record not kept leaves no empty entry behind in the fresh clears.
bool RecordBook::offerDay(DayDate date, uint64_t fingerprint, bool stepTry, const std::string& keys) {
    if (offer(records_.days[date], fresh_.days[date], fingerprint, stepTry, keys)) return true;
    std::erase_if(fresh_.days, [](const auto& day) { return day.second.empty(); });
    std::erase_if(records_.days, [](const auto& day) { return day.second.empty(); });
    return false;
}

void RecordBook::countDeadEnd(int n, uint64_t fingerprint) {
    for (Records* book : {&records_, &fresh_}) {
        StageRecord& record = (*book)[static_cast<size_t>(n - 1)];
        if (record.fingerprint != fingerprint) record = StageRecord{fingerprint, {}, {}, 0};
        if (record.deadEnds < MaxDeadEnds) ++record.deadEnds;
    }
}

uint32_t RecordBook::deadEnds(int n, uint64_t fingerprint) const {
    const StageRecord& record = records_[static_cast<size_t>(n - 1)];
    return record.fingerprint == fingerprint ? record.deadEnds : 0;
}

void RecordBook::takeIn(const Records& written) { records_ = mergeRecords(written, fresh_); }

void RecordBook::add(Records other) {
    for (size_t i = 0; i < other.size(); ++i)
        if (!records_[i].empty() && records_[i].fingerprint != other[i].fingerprint) other[i] = {};
    std::erase_if(other.days, [&](const auto& day) {
        const auto mine = records_.days.find(day.first);
        return mine != records_.days.end() && mine->second.fingerprint != day.second.fingerprint;
    });
    records_ = mergeRecords(records_, other);
    fresh_ = mergeRecords(fresh_, other);
}

FileUpdate RecordBook::save(std::chrono::milliseconds patience) {
    if (!isOpen()) return {};
    RecordsUpdate update = updateRecordsFile(path_, fresh_, patience);
    if (update.ok()) {
        records_ = update.written;
        fresh_ = {};
    }
    return update;
}

}  // namespace nerilo
