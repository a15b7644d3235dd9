#include "stage_solutions.h"

#include <fstream>
#include <sstream>

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
    static const std::map<int, std::string> solutions = [] {
        std::map<int, std::string> result;
        std::istringstream in(readText(Source / "tests/data/solutions.txt"));
        std::string line;
        while (std::getline(in, line)) {
            line = line.substr(0, line.find('#'));
            std::istringstream fields(line);
            int number;
            if (!(fields >> number)) continue;
            std::string keys, part;
            while (fields >> part) keys += part;
            result[number] = keys;
        }
        return result;
    }();
    return solutions;
}

}  // namespace nerilo::test
