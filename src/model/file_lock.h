#pragma once
// What every writer of the player's files shares: a lock that lets one copy
// of the program at a time read, merge and write a file, a place aside for a
// file the reader refuses, so that no write ever replaces it, and the steps
// of such a write in their order.
#include <chrono>
#include <string>

#include "model/file_io.h"
#include "model/progress_location.h"
#include "model/text.h"

namespace nerilo {

// How long a write waits for another copy's lock. A write holds it for a few
// milliseconds; a copy stopped while holding it (a debugger, Ctrl+Z) must not
// seem to freeze the window, so after this the write gives up until the next.
constexpr std::chrono::milliseconds LockPatience{3000};

// An exclusive advisory lock (flock) on path + ".lock", held until destroyed.
// The kernel lets go of the lock of a process that dies, so a crash never
// leaves a lock behind; the lock file itself stays.
class FileLock {
public:
    // Waits at most `patience` for another holder to let go.
    FileLock(const std::string& path, std::chrono::milliseconds patience);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    // Why the lock could not be taken; empty while it is held.
    const Text& error() const { return error_; }
    // The error is that another holder kept the lock past the patience.
    bool busy() const { return busy_; }

private:
    int fd_ = -1;
    Text error_;
    bool busy_ = false;
};

// The outcome of a merging write. On an error nothing was written: the file
// on disk is as it was (or set aside), and the next write tries again.
struct FileUpdate {
    Text error;
    std::string keptAside;    // where a file the reader refused was moved, or empty
    bool busy = false;        // another copy held the lock too long
    bool unreadable = false;  // the file could not be read, and was left as it is
    bool ok() const { return error.empty(); }
};

// Renames a file the reader refused to path + ".damaged-YYYYMMDD-HHMMSS"
// (local time; "-2", "-3" and so on after it when that name is taken), under
// the caller's lock. Returns the new path, or the error in `error`.
std::string setAsideDamaged(const std::string& path, Text& error);

// Whether a merging write may replace the file it read under the lock. A file
// the reader refused is set aside first; one the system could not read is
// left alone, as its bytes may hold what the merge would lose.
bool mayReplace(const std::string& path, const FileRead& onDisk, FileUpdate& update);

// Where the player's files are kept somewhere the file system only mirrors:
// the page keeps them in the browser's storage, which all its tabs share.
// There the lock is the moment to meet the other writers: taking it brings
// in what is kept, so the merge sees another tab's write of a moment ago, and
// what the write left (the merge, a copy set aside) is sent back at once.
class FileKeeper {
public:
    virtual ~FileKeeper() = default;
    // Puts the kept bytes of the file at path in the file system.
    virtual void bringIn(const std::string& path) = 0;
    // Keeps the file at path and the copies set aside beside it; returns the
    // error, or empty text. A failed send fails the write, which the next tries again.
    virtual Text sendBack(const std::string& path) = 0;
};
// The keeper every merging write goes through from now on; none (the
// desktop's case) when the file system is where the files are kept.
void keepFilesWith(FileKeeper* keeper);
FileKeeper* fileKeeper();
// Before a read outside a merging write: brings in what the keeper keeps of
// the file, under the lock, so the read sees another tab's write of a moment
// ago. Nothing to do without a keeper.
void bringInKept(const std::string& path, std::chrono::milliseconds patience);

// A merging write: under the lock, `read(path)` reads what is on disk and,
// when it may be replaced, `write(onDisk)` writes the merge and sets the
// update's error. A missing file and its folder are created.
template <class ReadFile, class WriteMerge>
void updateFile(const std::string& path, std::chrono::milliseconds patience, FileUpdate& update, ReadFile read,
                WriteMerge write) {
    update.error = prepareFolderOf(path);
    if (!update.ok()) return;
    const FileLock lock(path, patience);
    update.error = lock.error();
    update.busy = lock.busy();
    if (!update.ok()) return;
    FileKeeper* keeper = fileKeeper();
    if (keeper) keeper->bringIn(path);
    const auto onDisk = read(path);
    if (mayReplace(path, onDisk, update)) write(onDisk);
    if (!keeper) return;
    const Text sent = keeper->sendBack(path);
    if (update.ok()) update.error = sent;
}

}  // namespace nerilo
