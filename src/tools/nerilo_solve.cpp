// nerilo-solve: finds a shortest clear of a stage with the game's own engine,
// or proves there is none, and with --analyse tells how the stage can be ruined.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "solver/dead_end.h"
#include "solver/solver.h"

namespace {

using nerilo::solver::Outcome;
using nlohmann::json;

json solvable(const nerilo::solver::Result& result) {
    switch (result.outcome) {
    case Outcome::Solved: return true;
    case Outcome::Unsolvable: return false;
    default: return nullptr;
    }
}

json report(const nerilo::solver::Result& result) {
    const bool solved = result.outcome == Outcome::Solved;
    json out = {
        {"solvable", solvable(result)},
        {"length", solved ? json(result.keys.size()) : json(nullptr)},
        {"keys", result.keys},
        {"expanded", result.expanded},
        {"stored", result.stored},
        {"seconds", result.seconds},
        {"states_per_second", result.seconds > 0 ? result.expanded / result.seconds : 0.0},
        {"bytes_per_position", result.stored > 0 ? static_cast<double>(result.storedBytes) / result.stored : 0.0},
    };
    if (result.analysis) {
        out["reachable"] = result.analysis->reachable;
        out["dead_ends"] = result.analysis->deadEnds;
        out["losing_presses"] = result.analysis->losingPresses;
        out["first_dead_end_depth"] =
            result.analysis->firstDeadEndDepth < 0 ? json(nullptr) : json(result.analysis->firstDeadEndDepth);
        out["decisions"] = result.analysis->decisions;
        out["longest_quiet"] = result.analysis->longestQuiet;
    }
    return out;
}

void printText(const nerilo::solver::Result& result) {
    switch (result.outcome) {
    case Outcome::Solved:
        std::cout << result.keys << "\n" << result.keys.size() << " presses\n";
        break;
    case Outcome::Unsolvable: std::cout << "no clear can be reached\n"; break;
    default: std::cout << "the state limit was reached before an answer\n"; break;
    }
    std::cout << result.expanded << " states expanded, " << result.stored << " stored, " << result.seconds
              << " s, " << static_cast<long long>(result.seconds > 0 ? result.expanded / result.seconds : 0)
              << " states/s\n";
    if (const auto& a = result.analysis) {
        std::cout << a->reachable << " reachable positions, " << a->deadEnds << " dead ends, " << a->losingPresses
                  << " losing presses, first dead end after ";
        if (a->firstDeadEndDepth < 0) std::cout << "none\n";
        else std::cout << a->firstDeadEndDepth << " presses\n";
        if (result.outcome == Outcome::Solved)
            std::cout << a->decisions << " of the clear's " << result.keys.size()
                      << " positions can go wrong (a press into a dead end or a loss); at most "
                      << a->longestQuiet << " in a row with no way wrong within " << nerilo::solver::QuietReach << " presses\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Finds a shortest clear of a Nerilo stage, or proves there is none."};
    std::string stageFile, keys;
    bool stepTry = false, blockMode = false, analyse = false, asJson = false;
    nerilo::solver::Options options;
    app.add_option("STAGE_FILE", stageFile, "stage file to solve")->required();
    app.add_flag("--step-try", stepTry, "step-try mode: the counter is part of every position, running out loses");
    app.add_flag("--block-mode", blockMode, "block mode: every cell the player walks off becomes a wall");
    app.add_option("--max-states", options.maxStates, "positions stored before giving up (default 20000000)")
        ->check(CLI::PositiveNumber);
    app.add_option("--threads", options.threads, "threads that expand positions (default 1)")->check(CLI::Range(1, 64));
    app.add_flag("--analyse", analyse, "explore everything reachable: positions, dead ends, losing presses");
    app.add_option("--keys", keys, "search from the position after these presses (letters of LRUDlrudZ)");
    app.add_flag("--json", asJson, "print one JSON object");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    options.analyse = analyse;

    const nerilo::solver::StageStart start = nerilo::solver::stageStart(stageFile, stepTry, blockMode);
    if (!start.state) {
        std::cerr << "nerilo-solve: " << stageFile << ": " << start.error << "\n";
        return 2;
    }
    const nerilo::solver::PositionAfter from = nerilo::solver::positionAfter(*start.state, keys);
    if (!from.state) {
        std::cerr << "nerilo-solve: " << stageFile << ": --keys: " << from.error << "\n";
        return 2;
    }
    // Progress goes to a terminal, or to any stderr when the output is text.
    const bool showProgress = !asJson || ::isatty(STDERR_FILENO);
    bool progressShown = false;
    auto progress = [&](const nerilo::solver::Progress& p) {
        if (!showProgress || p.seconds < 1) return;
        std::fprintf(stderr, "\r%llu states, depth %d, %.0f states/s   ", static_cast<unsigned long long>(p.stored),
                     p.depth, p.seconds > 0 ? p.expanded / p.seconds : 0.0);
        progressShown = true;
    };
    const nerilo::solver::Result result = nerilo::solver::solve(*from.state, options, progress);
    if (progressShown) std::fprintf(stderr, "\n");
    if (result.outcome == Outcome::Refused) {
        std::cerr << "nerilo-solve: " << stageFile << ": " << result.refusal << "\n";
        return 2;
    }
    if (asJson) std::cout << report(result).dump() << "\n";
    else printText(result);
    switch (result.outcome) {
    case Outcome::Solved: return 0;
    case Outcome::Unsolvable: return 1;
    default: return 3;
    }
}
