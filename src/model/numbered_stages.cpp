#include "model/numbered_stages.h"

#include <filesystem>

#include "model/progress_file.h"

namespace nerilo {
namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

int stageNumberOf(const std::string& path) {
    if (!endsWith(path, ".txt")) return -1;
    const std::string stem = path.substr(0, path.size() - 4);
    if (stem.size() >= 6 && isDigit(stem.back()) && endsWith(stem.substr(0, stem.size() - 1), "stage"))
        return stem.back() - '0';
    if (stem.size() >= 7 && isDigit(stem.back()) && isDigit(stem[stem.size() - 2]) &&
        endsWith(stem.substr(0, stem.size() - 2), "stage"))
        return (stem[stem.size() - 2] - '0') * 10 + (stem.back() - '0');
    return -1;
}

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
