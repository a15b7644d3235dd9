// nerilo-generate: writes the stage of a seed, a room the solver has proven
// deep (generate/generate.h).
//   nerilo-generate --seed N [--max-positions N] FILE
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <unistd.h>

#include "generate/generate.h"
#include "model/stage_file.h"

int main(int argc, char** argv) {
    CLI::App app{"Generates a Nerilo stage from a seed: the same seed, the same file."};
    uint64_t seed = 0;
    std::string file;
    nerilo::generate::GenerateBudget budget;
    app.add_option("--seed", seed, "the seed, a whole number from 0 to 18446744073709551615")->required();
    app.add_option("--max-positions", budget.positions, "positions the search may judge in all before giving up")
        ->check(CLI::PositiveNumber);
    app.add_option("FILE", file, "the stage file to write")->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }

    const bool showProgress = ::isatty(STDERR_FILENO);
    auto progress = [&](const nerilo::generate::GenerateProgress& p) {
        if (!showProgress || p.candidates % 10 != 0) return;
        std::fprintf(stderr, "\r%d rooms, %llu of %llu positions   ", p.candidates,
                     static_cast<unsigned long long>(p.positions), static_cast<unsigned long long>(p.budget));
    };
    const std::optional<nerilo::Stage> stage = nerilo::generate::generateStage(seed, budget, progress);
    if (showProgress) std::fprintf(stderr, "\n");
    if (!stage) {
        std::cerr << "nerilo-generate: no room inside the bands within " << budget.positions << " positions\n";
        return 1;
    }
    const nerilo::Text error = nerilo::writeStageFile(file, *stage);
    if (!error.empty()) {
        std::cerr << "nerilo-generate: " << file << ": " << error << "\n";
        return 2;
    }
    return 0;
}
