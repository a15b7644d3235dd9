#include "reference/literal_power.h"

#include <array>
#include <string>


namespace nerilo {
namespace {

// Power states as the rules' texts, so this version shares nothing with the engine's.
const std::string Unpowered = "denkai", Upper = "上ビリリ", Lower = "下ビリリ", Full = "ビリリ";

std::string text(Power p) { return std::string(powerText(p)); }
Power fromText(const std::string& s) {
    if (s == Unpowered) return Power::Unpowered;
    if (s == Upper) return Power::UpperHalf;
    if (s == Lower) return Power::LowerHalf;
    if (s == Full) return Power::Full;
    return Power::Inert;
}

// The four side checks as tables, one per side power enters by (left, right, top, bottom): {state for 23, state for 25} → new state.
struct Rule {
    const std::string* from;
    const std::string* to;
    bool respread;
};
// [side check 0..3][0: ground 23, 1: ground 25][two rules]
const Rule Rules[4][2][2] = {
    {{{&Upper, &Full, true}, {&Unpowered, &Lower, false}}, {{&Lower, &Full, true}, {&Unpowered, &Upper, false}}},
    {{{&Lower, &Full, true}, {&Unpowered, &Upper, false}}, {{&Upper, &Full, true}, {&Unpowered, &Lower, false}}},
    {{{&Lower, &Full, true}, {&Unpowered, &Upper, false}}, {{&Lower, &Full, true}, {&Unpowered, &Upper, false}}},
    {{{&Upper, &Full, true}, {&Unpowered, &Lower, false}}, {{&Upper, &Full, true}, {&Unpowered, &Lower, false}}},
};

}  // namespace

void spreadPowerLiteral(GroundLayer& ground) {
    std::array<std::string, CellCount> state;
    std::array<int, CellCount> spread{};
    for (int c = 0; c < CellCount; ++c) state[c] = text(ground[c].power);
    auto code = [&](int c) { return ground[c].code; };
    auto live = [&](int c) { return state[c] == Upper || state[c] == Lower || state[c] == Full; };
    std::string changed;

    auto check = [&](int sideCheck, int n) {
        if (code(n) == 23 || code(n) == 25) {
            for (const Rule& rule : Rules[sideCheck][code(n) == 25 ? 1 : 0]) {
                if (state[n] == *rule.from) {
                    state[n] = *rule.to;
                    if (rule.respread) spread[n] = 0;
                    changed = "xx";
                    return;
                }
            }
        } else {
            state[n] = Full;
            changed = "xx";
        }
    };

    do {
        changed.clear();
        for (int i = 0; i < CellCount; ++i) {
            if (spread[i] == -1 || !live(i)) continue;
            spread[i] = -1;
            const int col = i % 15;
            struct Try { bool exists; int n; bool sideways; int sideCheck; const char* part23; const char* part25; };
            const Try tries[4] = {
                {col != 14, i + 1, true, 0, "upper", "lower"},
                {col != 0, i - 1, true, 1, "lower", "upper"},
                {i <= 209, i + 15, false, 2, "lower", "lower"},
                {i >= 15, i - 15, false, 3, "upper", "upper"},
            };
            for (const Try& t : tries) {
                if (!t.exists) continue;
                const int n = t.n;
                if (state[n] != Upper && state[n] != Lower && state[n] != Unpowered) continue;
                const int bar = t.sideways ? 24 : 22;
                if (code(i) == bar || code(n) == bar) continue;
                if (code(i) == 23 || code(i) == 25) {
                    const std::string part = code(i) == 23 ? t.part23 : t.part25;
                    const std::string& half = part == "upper" ? Upper : Lower;
                    if (state[i] != Full && state[i] != half) continue;
                }
                check(t.sideCheck, n);
            }
        }
    } while (!changed.empty());

    for (int c = 0; c < CellCount; ++c) ground[c].power = fromText(state[c]);
}

}  // namespace nerilo
