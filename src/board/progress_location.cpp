#include "board/progress_location.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "board/progress_file.h"

namespace nerilo {

std::string progressFilePath(const std::string& programFolder) {
    if (::access(programFolder.c_str(), W_OK) == 0) return programFolder + ProgressFileName;
    std::string base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/') {
        base = data;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.local/share";
    } else {
        return programFolder + ProgressFileName;
    }
    return base + "/Nerilo/" + ProgressFileName;
}

Text prepareFolderOf(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    return error ? NERILO_TEXT("files", "フォルダーを作れません（%1）。").arg(error.message()) : Text();
}

}  // namespace nerilo
