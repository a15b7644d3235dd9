#pragma once
// Whole-file reading with a size limit, and atomic replacement of a file.
#include <string>

#include "model/text.h"

namespace nerilo {

// What came of reading a file. The readers of the player's files leave
// `error` empty for a missing file: no file is a new player.
struct FileRead {
    Text error;            // empty on success
    bool missing = false;  // no such file exists
    // The system could not read the file (no permission, an I/O error, too
    // many files open, no regular file at the path): its bytes may be whole,
    // and it is no damaged file to set aside.
    bool unreadable = false;
    bool ok() const { return error.empty(); }
};

struct FileBytes : FileRead {
    std::string bytes;
};

// Reads a regular file of at most maxBytes; a larger one is refused before it is read.
FileBytes readWholeFile(const std::string& path, long long maxBytes);

// Replaces path with bytes through a temporary file in the same folder and a
// rename, so a crash or a full disk leaves the old file or the new one, never
// half of one; the folder is synced after the rename, so that a power cut
// cannot bring the old file back. Returns the error, or empty text.
Text writeFileAtomically(const std::string& path, const std::string& bytes);

// The name of a path without its folder.
std::string fileTitle(const std::string& path);

}  // namespace nerilo
