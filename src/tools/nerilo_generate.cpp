// nerilo-generate: writes the stage of a seed, a room the solver has proven
// deep (generate/generate.h).
//   nerilo-generate --seed N [--max-positions N] FILE
#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <unistd.h>

#include "generate/generate.h"
#include "model/stage_file.h"

namespace {

// A whole number of 64 bits, written out in full: CLI11 would take "-1" as
// the largest number and a number too large as whatever fits.
std::optional<uint64_t> wholeNumber(const std::string& text) {
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string checkWholeNumber(const std::string& text) {
    return wholeNumber(text) ? std::string() : "\"" + text + "\" is not a whole number from 0 to 18446744073709551615";
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Generates a Nerilo stage from a seed: the same seed, the same file."};
    std::string seedText, budgetText, file;
    nerilo::generate::GenerateBudget budget;
    app.add_option("--seed", seedText, "the seed, a whole number from 0 to 18446744073709551615")
        ->required()
        ->check(checkWholeNumber, "SEED");
    app.add_option("--max-positions", budgetText, "positions the search may judge in all before giving up")
        ->check(checkWholeNumber, "N");
    app.add_option("FILE", file, "the stage file to write")->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    const uint64_t seed = *wholeNumber(seedText);
    if (!budgetText.empty()) budget.positions = *wholeNumber(budgetText);

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
