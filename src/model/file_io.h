#pragma once
// Whole-file reading with a size limit, and atomic replacement of a file.
#include <string>

#include "model/text.h"

namespace nerilo {

struct FileBytes {
    std::string bytes;
    Text error;            // empty on success
    bool missing = false;  // the error is that no such file exists
    bool ok() const { return error.empty(); }
};

// Reads a regular file of at most maxBytes; a larger one is refused before it is read.
FileBytes readWholeFile(const std::string& path, long long maxBytes);

// Replaces path with bytes through a temporary file in the same folder and a
// rename, so a crash or a full disk leaves the old file or the new one, never
// half of one. Returns the error, or empty text.
Text writeFileAtomically(const std::string& path, const std::string& bytes);

// The name of a path without its folder.
std::string fileTitle(const std::string& path);

}  // namespace nerilo
