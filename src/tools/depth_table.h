#pragma once
// How deep the numbered stages are: one row per stage of what the solver's
// analysis finds, and how much of the stored shortest clear is plain walking.
// scripts/stage-depth writes the table to assets/stage-depth.txt; the tests
// measure again and compare, so the file cannot go stale.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/world_state.h"
#include "solver/solver.h"

namespace nerilo {

struct DepthRow {
    int stage = 0;
    int shortest = 0;  // presses of a shortest clear
    int walking = 0;   // plain walking presses in the stored shortest clear
    solver::Analysis analysis;
    bool operator==(const DepthRow&) const = default;
};

// Stage number → key letters, from the solutions file's text: '#' starts a
// comment, a line holds the stage number and then its keys, spaces between
// them are for reading only.
std::map<int, std::string> parseStageSolutions(std::string_view text);

// Analyses the stage file with the solver and counts the plain walking presses
// of `storedKeys`. Fails (with `error`) when the file cannot be read, the stage
// has no clear, the solver's clear does not clear it when played, or the stored
// keys do not clear it.
std::optional<DepthRow> measureStage(int stage, const std::string& path, const std::string& storedKeys, int threads,
                                     std::string& error);

// The table file's text, with its explanatory head, and its rows read back.
std::string formatDepthTable(const std::vector<DepthRow>& rows);
std::string formatDepthRow(const DepthRow& row);
// Rows by stage number; `error` names the first line that cannot be read.
std::map<int, DepthRow> parseDepthTable(std::string_view text, std::string& error);

}  // namespace nerilo
