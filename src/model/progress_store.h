#pragma once
// Writing the progress file when other copies of the program (a second game,
// nerilo-sim, a tool) may write it too: under the lock beside the file, what
// is on disk is read and merged with this copy's progress, and the merge is
// written whole, so no copy's clear is lost to another's write.
#include <string>

#include "model/file_lock.h"
#include "model/progress_file.h"

namespace nerilo {

// Stage by stage the better record: 2 (step-try clear) over 1 over 0.
Progress mergeProgress(const Progress& a, const Progress& b);

struct ProgressUpdate : FileUpdate {
    Progress written{};  // what the file holds now, when the write succeeded
};

// Merges progress into the file at path (created with its folder when
// missing). A file the reader refuses is set aside first, never overwritten;
// one that cannot be read is left as it is, and nothing is written.
ProgressUpdate updateProgressFile(const std::string& path, const Progress& progress,
                                  std::chrono::milliseconds patience = LockPatience);

}  // namespace nerilo
