#pragma once
// What every writer of the player's files shares: a lock that lets one copy
// of the program at a time read, merge and write a file, and a place aside
// for a file the reader refuses, so that no write ever replaces it.
#include <string>

#include "model/text.h"

namespace nerilo {

// An exclusive advisory lock (flock) on path + ".lock", waited for and held
// until destroyed. The kernel lets go of the lock of a process that dies, so
// a crash never leaves a lock behind; the lock file itself stays.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    // Why the lock could not be taken; empty while it is held.
    const Text& error() const { return error_; }

private:
    int fd_ = -1;
    Text error_;
};

// The outcome of a merging write.
struct FileUpdate {
    Text error;             // nothing was written; the file on disk is as it was
    std::string keptAside;  // where a file the reader refused was moved, or empty
    bool ok() const { return error.empty(); }
};

// Renames a file the reader refused to path + ".damaged-YYYYMMDD-HHMMSS"
// (local time; "-2", "-3" and so on after it when that name is taken), under
// the caller's lock. Returns the new path, or the error in `error`.
std::string setAsideDamaged(const std::string& path, Text& error);

}  // namespace nerilo
