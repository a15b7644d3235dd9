// The hint's search for the page: the desktop's own search, run in the page's
// worker (web/page/hint-worker.js) on the same engine the page plays, so the
// page goes on answering while it searches. Single-threaded, as a page served
// from a plain static host has no shared memory for threads; a search is
// cancelled by ending its worker.
#include <cstring>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <type_traits>
#include <vector>

#include "solver/hint.h"
#include "solver/solver.h"

namespace nerilo::web {
namespace {

using emscripten::val;

// The page hands the position over as the bytes of the plain value, which the
// worker's copy of the same engine reads back as it was.
static_assert(std::is_trivially_copyable_v<WorldState>);

const char* outcomeName(solver::Outcome outcome) {
    switch (outcome) {
    case solver::Outcome::Solved: return "solved";
    case solver::Outcome::Unsolvable: return "unsolvable";
    case solver::Outcome::LimitReached: return "limitReached";
    case solver::Outcome::Cancelled: return "cancelled";
    case solver::Outcome::Refused: return "refused";
    }
    return "refused";
}

// The hint from `position` (WebGame::position's bytes): its press and the
// presses left when one is found, the outcome, and the search's figures.
val searchHint(const val& position) {
    val answer = val::object();
    const std::vector<uint8_t> bytes = emscripten::convertJSArrayToNumberVector<uint8_t>(position);
    if (bytes.size() != sizeof(WorldState)) {
        answer.set("outcome", std::string(outcomeName(solver::Outcome::Refused)));
        return answer;
    }
    WorldState start;
    std::memcpy(&start, bytes.data(), sizeof start);
    const solver::Result result = solver::solve(start, solver::hintOptions());
    answer.set("outcome", std::string(outcomeName(result.outcome)));
    if (const std::optional<solver::Hint> hint = solver::hintOf(result)) {
        answer.set("press", std::string(1, hint->press));
        answer.set("pressesLeft", static_cast<double>(hint->pressesLeft));
    }
    answer.set("expanded", static_cast<double>(result.expanded));
    answer.set("stored", static_cast<double>(result.stored));
    answer.set("seconds", result.seconds);
    return answer;
}

}  // namespace
}  // namespace nerilo::web

EMSCRIPTEN_BINDINGS(nerilo_solver) { emscripten::function("searchHint", &nerilo::web::searchHint); }
