#pragma once
// The player's best clears, in memory and, from the start-up on, in the
// records file beside the progress file.
#include <string>

#include "records/records_store.h"

namespace nerilo {

class RecordBook {
public:
    // Reads the records file at path, where every new record is written from
    // now on. Returns what came of the read: a damaged file is left as it is
    // and counts as empty until a new record sets it aside; one that could not
    // be read counts as empty too, and is merged with at the first save that
    // reads it.
    FileRead open(const std::string& path);
    bool isOpen() const { return !path_.empty(); }

    const Records& records() const { return records_; }
    // The letters of the best clear of stage n (1 to 30) in a mode, or empty
    // text when none was recorded on a stage with this fingerprint.
    const std::string& best(int n, uint64_t fingerprint, bool stepTry) const;
    // Keeps a clear when it is shorter than the record (or the first on the
    // stage as it is now); returns whether it was kept.
    bool offer(int n, uint64_t fingerprint, bool stepTry, const std::string& keys);
    // Counts a press on stage n that walked into a dead end; how many so far on the stage as it is.
    void countDeadEnd(int n, uint64_t fingerprint);
    // The same for the stage of the day of `date`, kept by its date.
    bool offerDay(DayDate date, uint64_t fingerprint, bool stepTry, const std::string& keys);
    const std::string& bestOfDay(DayDate date, uint64_t fingerprint, bool stepTry) const;
    uint32_t deadEnds(int n, uint64_t fingerprint) const;
    // Merges the clears kept since the last save into the records file when
    // the book is open, and takes what the file then holds, other copies'
    // records included. A failed save keeps the clears for the next one.
    FileUpdate save(std::chrono::milliseconds patience = LockPatience);
    // Takes what another copy wrote to the file: the clears and dead ends
    // kept since the last save stay on top, as the next save merges them.
    void takeIn(const Records& written);
    // Adds another book's records (a file the player brings back) as clears
    // of this copy's, written at the next save. A stage this book holds
    // records of under another fingerprint keeps them: the other book's were
    // played on the stage as it was before a change, or after one to come.
    void add(Records other);
    // Whether clears or dead ends kept since the last save are still to be written.
    bool hasUnsaved() const { return fresh_ != Records{}; }

private:
    static const std::string& best(const StageRecord& record, uint64_t fingerprint, bool stepTry);
    static bool offer(StageRecord& record, StageRecord& fresh, uint64_t fingerprint, bool stepTry,
                      const std::string& keys);
    Records records_{};
    Records fresh_{};  // the clears kept since the last save, still to be written
    std::string path_;
};

}  // namespace nerilo
