#include "model/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nerilo {
namespace {
// Made before any call can fail: making a text allocates, which may change errno.
const Text CannotOpen = NERILO_TEXT("files", "ファイルを開けません。");
const Text CannotRead = NERILO_TEXT("files", "ファイルを読めません。");
const Text CannotMakeTemporary = NERILO_TEXT("files", "書き込み用の一時ファイルを作れません。");
const Text CannotWrite = NERILO_TEXT("files", "ファイルに書き込めません。");
const Text CannotSetMode = NERILO_TEXT("files", "ファイルの属性を設定できません。");
const Text CannotReplace = NERILO_TEXT("files", "ファイルを置き換えられません。");
const Text CannotSyncFolder = NERILO_TEXT("files", "フォルダーの変更をディスクに書き込めません。");

// The common causes in the player's words, anything else as the system names it.
Text systemError(const Text& what) {
    const int code = errno;
    Text cause;
    switch (code) {
    case ENOENT: cause = NERILO_TEXT("files", "ファイルまたはフォルダーがありません"); break;
    case EACCES:
    case EPERM: cause = NERILO_TEXT("files", "権限がありません"); break;
    case EROFS: cause = NERILO_TEXT("files", "読み取り専用の場所です"); break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: cause = NERILO_TEXT("files", "ディスクの空きが足りません"); break;
    case EISDIR: cause = NERILO_TEXT("files", "フォルダーです"); break;
    default: cause = Text::words(std::strerror(code)); break;
    }
    return NERILO_TEXT("files", "%1（%2）").arg(what).arg(cause);
}
}  // namespace

FileBytes readWholeFile(const std::string& path, long long maxBytes) {
    FileBytes result;
    // Non-blocking, so that a named pipe chosen in the dialog is refused at once
    // instead of waiting for a writer; regular files read as usual.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.missing = errno == ENOENT;
        result.unreadable = !result.missing;
        result.error = systemError(CannotOpen);
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.unreadable = true;
        result.error = systemError(CannotRead);
    } else if (!S_ISREG(info.st_mode)) {
        result.unreadable = true;
        result.error = NERILO_TEXT("files", "通常のファイルではありません。");
    } else if (info.st_size > maxBytes) {
        result.error = NERILO_TEXT("files", "ファイルが大きすぎます。");
    } else {
        // Room for the file as it is and one byte more, to notice a file that
        // grows while it is read.
        const size_t size = static_cast<size_t>(info.st_size);
        result.bytes.resize(size + 1);
        size_t total = 0;
        while (total < result.bytes.size()) {
            ssize_t n = ::read(fd, result.bytes.data() + total, result.bytes.size() - total);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                result.unreadable = true;
                result.error = systemError(CannotRead);
                break;
            }
            if (n == 0) break;
            total += static_cast<size_t>(n);
        }
        if (result.ok() && total > size) {
            // Another program is writing it: read again later, do not set it aside.
            result.unreadable = true;
            result.error = NERILO_TEXT("files", "ファイルが読み込み中に変わりました。");
        }
        result.bytes.resize(total);
    }
    ::close(fd);
    if (!result.ok()) result.bytes.clear();
    return result;
}

namespace {
// The rename changed the folder, not the file: until the folder's entries
// reach the disk, a power cut may bring the old file back.
Text syncFolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return systemError(CannotSyncFolder);
    Text error;
    // EINVAL: a file system that cannot sync a folder, and keeps nothing better.
    if (::fsync(fd) != 0 && errno != EINVAL) error = systemError(CannotSyncFolder);
    ::close(fd);
    return error;
}
}  // namespace

Text writeFileAtomically(const std::string& path, const std::string& bytes) {
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return systemError(CannotMakeTemporary);
    size_t written = 0;
    Text error;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = systemError(CannotWrite);
            break;
        }
        written += static_cast<size_t>(n);
    }
    if (error.empty() && ::fchmod(fd, 0644) != 0) error = systemError(CannotSetMode);
    if (error.empty() && ::fsync(fd) != 0) error = systemError(CannotWrite);
    if (::close(fd) != 0 && error.empty()) error = systemError(CannotWrite);
    if (error.empty() && ::rename(temp.c_str(), path.c_str()) != 0) error = systemError(CannotReplace);
    if (!error.empty()) {
        ::unlink(temp.c_str());
        return error;
    }
    return syncFolderOf(path);
}

std::string fileTitle(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace nerilo
