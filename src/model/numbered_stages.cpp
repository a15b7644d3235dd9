#include "model/numbered_stages.h"

#include <filesystem>

#include "model/progress_file.h"

namespace nerilo {

std::string numberedStagePath(const std::string& programFolder, int n) {
    return programFolder + "stage/stage" + std::to_string(n) + ".txt";
}

int numberedStageAt(const std::string& programFolder, const std::string& path) {
    const std::filesystem::path file = std::filesystem::path(path).lexically_normal();
    for (int n = 1; n <= StageCount; ++n)
        if (std::filesystem::path(numberedStagePath(programFolder, n)).lexically_normal() == file) return n;
    return 0;
}

}  // namespace nerilo
