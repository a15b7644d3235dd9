#pragma once
// The shipped stages and their stored solutions, read from the source tree.
#include <filesystem>
#include <map>
#include <string>

namespace nerilo::test {

std::string readText(const std::filesystem::path& path);
// The path of stage `number` in the source tree's stage folder.
std::string shippedStage(int number);
// Stage number → key letters, from tests/data/solutions.txt (comments and spaces dropped).
const std::map<int, std::string>& storedSolutions();

}  // namespace nerilo::test
