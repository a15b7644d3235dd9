#pragma once
// Writing the records file when other copies of the program may write it too:
// under the lock beside the file, what is on disk is read, this copy's new
// clears are merged into it, and the merge is written whole.
#include <string>

#include "model/file_lock.h"
#include "records/records_file.h"

namespace nerilo {

// Offers every clear in `fresh` to `records`, stage by stage: on the same
// fingerprint the shorter clear of each mode wins (the one already there when
// both are as long); on another fingerprint the stage has changed since the
// records were made, and the fresh clears, played later, replace them whole,
// as one copy's record book does. Stages with no fresh clear keep theirs.
// Dead ends counted on the same stage are added up. The days' records merge
// by the same rules, date by date.
Records mergeRecords(Records records, const Records& fresh);

struct RecordsUpdate : FileUpdate {
    Records written{};  // what the file holds now, when the write succeeded
};

// Merges the clears in `fresh` into the file at path (created with its folder
// when missing). A file the reader refuses is set aside first, never
// overwritten; one that cannot be read is left as it is, and nothing is written.
RecordsUpdate updateRecordsFile(const std::string& path, const Records& fresh,
                                std::chrono::milliseconds patience = LockPatience);

}  // namespace nerilo
