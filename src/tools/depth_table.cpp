#include "tools/depth_table.h"

#include <cstdio>
#include <sstream>

#include "solver/solver.h"
#include "solver/walking.h"

namespace nerilo {
namespace {

// Tenths of a percent, rounded half up.
std::string share(uint64_t part, uint64_t whole) {
    const uint64_t tenths = whole == 0 ? 0 : (part * 1000 + whole / 2) / whole;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

constexpr const char* Head =
    "# How deep each numbered stage is, measured by the solver (nerilo-solve --analyse)\n"
    "# on stage/stageN.txt and by replaying the stored solution of tests/data/solutions.txt.\n"
    "# Written by scripts/stage-depth; the tests measure again and compare, and check\n"
    "# every stage against its band (see README, \"The stages\").\n"
    "#\n"
    "#   shortest   presses of a shortest clear\n"
    "#   walking    presses of the stored shortest clear after which only the player's\n"
    "#              cell changed (walks, jumps, rides; no push, kick, action or pickup)\n"
    "#   reachable  positions at rest reachable from the start\n"
    "#   dead       of those, positions from which the stage can no longer be cleared\n"
    "#   share      dead / reachable\n"
    "#   first      fewest presses from the start to a dead end (- for none)\n"
    "#   losing     presses from reachable positions that lose at once\n"
    "#\n"
    "# stage shortest walking reachable     dead  share first   losing\n";

}  // namespace

std::map<int, std::string> parseStageSolutions(std::string_view text) {
    std::map<int, std::string> result;
    std::istringstream in{std::string(text)};
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
}

std::optional<DepthRow> measureStage(int stage, const std::string& path, const std::string& storedKeys, int threads,
                                     std::string& error) {
    const solver::StageStart start = solver::stageStart(path);
    if (!start.state) {
        error = path + ": " + start.error.japanese();
        return std::nullopt;
    }
    solver::Options options;
    options.analyse = true;
    options.threads = threads;
    const solver::Result result = solver::solve(*start.state, options);
    if (result.outcome != solver::Outcome::Solved || !result.analysis) {
        error = path + ": the solver finds no clear";
        return std::nullopt;
    }
    if (!solver::plainWalkingPresses(*start.state, result.keys)) {
        error = path + ": the solver's clear does not clear the stage when played";
        return std::nullopt;
    }
    const std::optional<int> walking = solver::plainWalkingPresses(*start.state, storedKeys);
    if (!walking) {
        error = path + ": the stored solution does not clear the stage";
        return std::nullopt;
    }
    DepthRow row;
    row.stage = stage;
    row.shortest = static_cast<int>(result.keys.size());
    row.walking = *walking;
    row.analysis = *result.analysis;
    return row;
}

std::string formatDepthRow(const DepthRow& row) {
    char line[160];
    const solver::Analysis& a = row.analysis;
    const std::string first = a.firstDeadEndDepth < 0 ? "-" : std::to_string(a.firstDeadEndDepth);
    std::snprintf(line, sizeof line, "%7d %8d %7d %9llu %8llu %6s %5s %8llu", row.stage, row.shortest, row.walking,
                  static_cast<unsigned long long>(a.reachable), static_cast<unsigned long long>(a.deadEnds),
                  share(a.deadEnds, a.reachable).c_str(), first.c_str(), static_cast<unsigned long long>(a.losingPresses));
    return line;
}

std::string formatDepthTable(const std::vector<DepthRow>& rows) {
    std::string text = Head;
    for (const DepthRow& row : rows) text += formatDepthRow(row) + "\n";
    return text;
}

std::map<int, DepthRow> parseDepthTable(std::string_view text, std::string& error) {
    std::map<int, DepthRow> rows;
    std::istringstream in{std::string(text)};
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        DepthRow row;
        std::string shareText, first;
        solver::Analysis& a = row.analysis;
        if (!(fields >> row.stage >> row.shortest >> row.walking >> a.reachable >> a.deadEnds >> shareText >> first >>
              a.losingPresses)) {
            error = "line " + std::to_string(lineNumber) + ": not a row of eight columns";
            return {};
        }
        a.firstDeadEndDepth = -1;
        if (first != "-" && !(std::istringstream(first) >> a.firstDeadEndDepth)) a.firstDeadEndDepth = -2;
        // The share is derived; a row must read back as it was written.
        if (formatDepthRow(row) != line) {
            error = "line " + std::to_string(lineNumber) + ": not as the table writes it";
            return {};
        }
        rows[row.stage] = row;
    }
    return rows;
}

}  // namespace nerilo
