#include "model/file_lock.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace nerilo {
namespace {
FileKeeper* keeper = nullptr;
}

void keepFilesWith(FileKeeper* k) { keeper = k; }
FileKeeper* fileKeeper() { return keeper; }

void bringInKept(const std::string& path, std::chrono::milliseconds patience) {
    if (!keeper || !prepareFolderOf(path).empty()) return;
    const FileLock lock(path, patience);
    if (lock.error().empty()) keeper->bringIn(path);
}

FileLock::FileLock(const std::string& path, std::chrono::milliseconds patience) {
    const std::string lockPath = path + ".lock";
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        error_ = NERILO_TEXT("files", "ロックファイル「%1」を開けません。").arg(lockPath);
        return;
    }
    // Asked again and again rather than waited for: a blocking flock cannot be
    // given a time limit without a signal, which would reach other threads.
    const auto deadline = std::chrono::steady_clock::now() + patience;
    int result;
    while ((result = ::flock(fd_, LOCK_EX | LOCK_NB)) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (result != 0) {
        busy_ = errno == EWOULDBLOCK;
        error_ = busy_ ? NERILO_TEXT("files", "ほかのプログラムがファイル「%1」を使っています。").arg(path)
                       : NERILO_TEXT("files", "ロックファイル「%1」をロックできません。").arg(lockPath);
        ::close(fd_);
        fd_ = -1;
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

std::string setAsideDamaged(const std::string& path, Text& error) {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base = path + ".damaged-" + stamp;
    // A hard link fails rather than replace an earlier copy taken in the same
    // second; where the file system has no hard links, a rename to a name
    // checked free does, as the caller's lock keeps other writers out.
    for (int n = 1; n < 1000; ++n) {
        const std::string aside = n == 1 ? base : base + "-" + std::to_string(n);
        if (::link(path.c_str(), aside.c_str()) == 0) {
            // Should the old name stay, the write replaces it: the bytes are safe aside.
            ::unlink(path.c_str());
            return aside;
        }
        if (errno == EEXIST) continue;
        struct stat info {};
        if (::lstat(aside.c_str(), &info) == 0) continue;
        if (::rename(path.c_str(), aside.c_str()) == 0) return aside;
        break;
    }
    error = NERILO_TEXT("files", "読めないファイル「%1」を別の名前で残せません。").arg(path);
    return {};
}

bool mayReplace(const std::string& path, const FileRead& onDisk, FileUpdate& update) {
    if (onDisk.ok() || onDisk.missing) return true;
    if (onDisk.unreadable) {
        update.unreadable = true;
        update.error = NERILO_TEXT("files", "ファイル「%1」を読めないので、書き換えません。\n%2").arg(path).arg(onDisk.error);
        return false;
    }
    update.keptAside = setAsideDamaged(path, update.error);
    return update.ok();
}

}  // namespace nerilo
