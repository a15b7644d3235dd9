#pragma once
// A hint: the next press of a shortest clear from where the player stands,
// said in a few words for the panel.
#include <optional>
#include <string>

#include "model/text.h"
#include "solver/solver.h"

namespace nerilo::solver {

struct Hint {
    char press = 0;          // a key letter of Presses
    size_t pressesLeft = 0;  // this one included
};

// A hint's search: bounded, as a hint on a huge user-made stage must not fill
// the memory. The desktop and the page search alike.
Options hintOptions();

// The hint a finished search gives: the first press of its clear, or nothing
// when the search proved that no clear can be reached any more.
std::optional<Hint> hintOf(const Result& result);

// "→ あと 23 手": the press as an arrow (Shift+ for the Shift presses, Z for the
// action key) and the presses left.
Text hintText(const Hint& hint);
// What the panel says when no clear can be reached from here.
Text noClearText();

}  // namespace nerilo::solver
