#include "tool_run.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace nerilo::test {

ToolRun runTool(const std::string& program, const std::string& arguments) {
    ToolRun run;
    FILE* pipe = ::popen((program + " " + arguments + " 2>&1").c_str(), "r");
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.output.append(buffer.data(), n);
    run.status = WEXITSTATUS(::pclose(pipe));
    return run;
}

}  // namespace nerilo::test
