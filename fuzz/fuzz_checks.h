#pragma once
// The properties the fuzzers check, shared with the test that replays every
// input the fuzzers ever found. Each aborts when a property fails.
#include <cstddef>
#include <cstdint>

namespace nerilo::fuzz {

// Any bytes as a stage file: refused or read, and what is read holds only
// codes of the tables and writes back to the same stage.
void checkStageReader(const uint8_t* data, size_t size);
// Any text as a stage code: refused with a reason and nothing read, or read
// into codes of the tables and a proof of press letters, which write back to
// a code that reads the same.
void checkStageCodeReader(const uint8_t* data, size_t size);
// Any bytes as a progress file: refused (all zeros) or read, and a good read
// writes back to a file that reads the same.
void checkProgressReader(const uint8_t* data, size_t size);
// Any bytes as a records file: refused (no records) or read, and a good read
// writes back to a file that reads the same.
void checkRecordsReader(const uint8_t* data, size_t size);
// Two progress files, before and after the input's first NUL, merged: each
// stage the better value of the two, whichever order and however often
// merged, and the merge writes back to a file that reads the same.
void checkProgressMerge(const uint8_t* data, size_t size);
// Two records files merged the same way: on the same stage (fingerprint) each
// mode's shorter clear and the dead ends added up, whichever order, and clears
// merged again change nothing; on a changed stage the second side's records
// replace the first's; the merge writes back to a file that reads the same.
void checkRecordsMerge(const uint8_t* data, size_t size);
// Any bytes as a job or a job's result from another copy of the engine (the
// page's worker): refused, or read into a value that crosses again unchanged,
// a generated stage included.
void checkJobBytes(const uint8_t* data, size_t size);
// A board from the first 450 bytes and key letters from the rest, played on
// the engine: it must stay inside its arrays whatever it meets, and undoing
// every step must bring back the round's start.
void checkPlay(const uint8_t* data, size_t size);

}  // namespace nerilo::fuzz
