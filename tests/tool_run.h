#pragma once
// Runs one of the command-line tools as a user would and keeps what it printed.
#include <string>

namespace nerilo::test {

struct ToolRun {
    int status = -1;
    std::string output;  // standard output and standard error together
};

ToolRun runTool(const std::string& program, const std::string& arguments);

}  // namespace nerilo::test
