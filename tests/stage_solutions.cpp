#include "stage_solutions.h"

#include <fstream>
#include <sstream>

#include "tools/depth_table.h"

namespace nerilo::test {
namespace {
const std::filesystem::path Source = NERILO_SOURCE_DIR;
}

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string shippedStage(int number) { return (Source / "stage" / ("stage" + std::to_string(number) + ".txt")).string(); }

const std::map<int, std::string>& storedSolutions() {
    static const std::map<int, std::string> solutions = parseStageSolutions(readText(Source / "tests/data/solutions.txt"));
    return solutions;
}

}  // namespace nerilo::test
