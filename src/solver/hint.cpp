#include "solver/hint.h"

namespace nerilo::solver {

Options hintOptions() {
    Options options;
    options.maxStates = 4'000'000;
    return options;
}

std::optional<Hint> hintOf(const Result& result) {
    if (result.outcome != Outcome::Solved || result.keys.empty()) return std::nullopt;
    return Hint{result.keys.front(), result.keys.size()};
}

Text hintText(const Hint& hint) {
    std::string arrow;
    switch (hint.press) {
    case 'L': case 'l': arrow = "←"; break;
    case 'R': case 'r': arrow = "→"; break;
    case 'U': case 'u': arrow = "↑"; break;
    case 'D': case 'd': arrow = "↓"; break;
    default: arrow = "Z"; break;
    }
    if (hint.press >= 'a' && hint.press <= 'z') arrow = "Shift+" + arrow;
    return NERILO_TEXT("hint", "%1 あと %2 手").arg(arrow).arg(std::to_string(hint.pressesLeft));
}

Text noClearText() { return NERILO_TEXT("hint", "ここからはクリアできません。元に戻すかリトライしてください。"); }

}  // namespace nerilo::solver
