// nerilo-stage-depth: measures how deep the numbered stages are (the solver's
// analysis, and the plain walking in each stored shortest clear) and prints
// the depth table that scripts/stage-depth keeps in assets/stage-depth.txt.
#include <CLI/CLI.hpp>
#include <iostream>

#include "model/file_io.h"
#include "tools/depth_table.h"

namespace {
// The solutions of thirty stages take a few kilobytes.
constexpr long long MaxSolutionsFileBytes = 1 << 20;
}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Measures the numbered stages and prints their depth table."};
    std::string stageFolder, solutionsFile;
    std::vector<int> only;
    int threads = 1;
    bool rowsOnly = false;
    app.add_option("STAGE_FOLDER", stageFolder, "folder holding stage1.txt to stage30.txt")->required();
    app.add_option("SOLUTIONS_FILE", solutionsFile, "the stored solutions (tests/data/solutions.txt)")->required();
    app.add_option("--stage", only, "measure only these stages (repeatable)");
    app.add_option("--threads", threads, "threads for each search (default 1; the numbers do not depend on it)")
        ->check(CLI::Range(1, 64));
    app.add_flag("--rows", rowsOnly, "print the rows without the table's head");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }

    const nerilo::FileBytes text = nerilo::readWholeFile(solutionsFile, MaxSolutionsFileBytes);
    if (!text.ok()) {
        std::cerr << "nerilo-stage-depth: " << solutionsFile << ": " << text.error << "\n";
        return 2;
    }
    const std::map<int, std::string> solutions = nerilo::parseStageSolutions(text.bytes);
    std::vector<nerilo::DepthRow> rows;
    for (const auto& [number, keys] : solutions) {
        if (!only.empty() && std::find(only.begin(), only.end(), number) == only.end()) continue;
        std::string error;
        const std::string path = stageFolder + "/stage" + std::to_string(number) + ".txt";
        const std::optional<nerilo::DepthRow> row = nerilo::measureStage(number, path, keys, threads, error);
        if (!row) {
            std::cerr << "nerilo-stage-depth: " << error << "\n";
            return 1;
        }
        if (row->shortest != static_cast<int>(keys.size()))
            std::cerr << "nerilo-stage-depth: stage " << number << ": the stored solution takes " << keys.size()
                      << " presses, a shortest clear " << row->shortest << "\n";
        if (rowsOnly) std::cout << nerilo::formatDepthRow(*row) << std::endl;
        rows.push_back(*row);
    }
    if (!rowsOnly) std::cout << nerilo::formatDepthTable(rows);
    return 0;
}
