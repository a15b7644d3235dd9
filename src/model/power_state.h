#pragma once
#include <cstdint>
#include <string_view>

namespace nerilo {

// The power state of a ground cell. States only rise during one evaluation:
// inert cells stay inert, conductive ones go from unpowered to a half to full.
enum class Power : uint8_t {
    Inert,      // ""
    Unpowered,  // "denkai": conductive, unpowered
    UpperHalf,  // "上ビリリ": upper half of a diagonal bar powered
    LowerHalf,  // "下ビリリ": lower half of a diagonal bar powered
    Full,       // "ビリリ": powered
};

constexpr std::string_view powerText(Power p) {
    switch (p) {
    case Power::Unpowered: return "denkai";
    case Power::UpperHalf: return "上ビリリ";
    case Power::LowerHalf: return "下ビリリ";
    case Power::Full: return "ビリリ";
    default: return "";
    }
}

constexpr bool isLive(Power p) { return p == Power::UpperHalf || p == Power::LowerHalf || p == Power::Full; }

}  // namespace nerilo
