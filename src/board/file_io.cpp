#include "board/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nerilo {
namespace {
// The common causes in Japanese, anything else as the system names it.
std::string systemError(const char* what) {
    std::string cause;
    switch (errno) {
    case ENOENT: cause = "ファイルまたはフォルダーがありません"; break;
    case EACCES:
    case EPERM: cause = "権限がありません"; break;
    case EROFS: cause = "読み取り専用の場所です"; break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: cause = "ディスクの空きが足りません"; break;
    case EISDIR: cause = "フォルダーです"; break;
    default: cause = std::strerror(errno); break;
    }
    return std::string(what) + "（" + cause + "）";
}
}  // namespace

FileBytes readWholeFile(const std::string& path, long long maxBytes) {
    FileBytes result;
    // Non-blocking, so that a named pipe chosen in the dialog is refused at once
    // instead of waiting for a writer; regular files read as usual.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.error = systemError("ファイルを開けません。");
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.error = "通常のファイルではありません。";
    } else if (info.st_size > maxBytes) {
        result.error = "ファイルが大きすぎます。";
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
                result.error = systemError("ファイルを読めません。");
                break;
            }
            if (n == 0) break;
            total += static_cast<size_t>(n);
        }
        if (result.ok() && total > size) result.error = "ファイルが読み込み中に変わりました。";
        result.bytes.resize(total);
    }
    ::close(fd);
    if (!result.ok()) result.bytes.clear();
    return result;
}

std::string writeFileAtomically(const std::string& path, const std::string& bytes) {
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) return systemError("書き込み用の一時ファイルを作れません。");
    size_t written = 0;
    std::string error;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = systemError("ファイルに書き込めません。");
            break;
        }
        written += static_cast<size_t>(n);
    }
    if (error.empty() && ::fchmod(fd, 0644) != 0) error = systemError("ファイルの属性を設定できません。");
    if (error.empty() && ::fsync(fd) != 0) error = systemError("ファイルに書き込めません。");
    if (::close(fd) != 0 && error.empty()) error = systemError("ファイルに書き込めません。");
    if (error.empty() && ::rename(temp.c_str(), path.c_str()) != 0) error = systemError("ファイルを置き換えられません。");
    if (!error.empty()) ::unlink(temp.c_str());
    return error;
}

std::string fileTitle(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace nerilo
