#include "model/progress_location.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "model/progress_file.h"

namespace nerilo {

std::string progressFilePath(const std::string& programFolder) { return dataFilePath(programFolder, ProgressFileName); }

std::string dataFilePath(const std::string& programFolder, const std::string& name) {
    if (::access(programFolder.c_str(), W_OK) == 0) return programFolder + name;
    std::string base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/') {
        base = data;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.local/share";
    } else {
        return programFolder + name;
    }
    return base + "/Nerilo/" + name;
}

Text prepareFolderOf(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    return error ? NERILO_TEXT("files", "フォルダーを作れません（%1）。").arg(error.message()) : Text();
}

}  // namespace nerilo
