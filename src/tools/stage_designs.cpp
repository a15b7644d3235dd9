#include "tools/stage_designs.h"

#include <charconv>
#include <optional>
#include <sstream>
#include <vector>

namespace nerilo {
namespace {

// Letter of each code, indexed by the code.
constexpr std::string_view GroundLetters = ".#wysmhTbrxKknNEulv^><-\\|/DURL";
constexpr std::string_view BlockLetters = ".ocCXOk@:";

// The whole number a header line's value is, within its range; nothing for
// anything else (no digits, trailing letters, out of range).
std::optional<long long> wholeNumber(std::string_view text, long long low, long long high) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
    return value;
}

}  // namespace

StageDesigns parseStageDesigns(std::string_view text) {
    StageDesigns designs;
    std::istringstream in{std::string(text)};
    std::string line;
    int lineNumber = 0;
    int number = -1;
    Stage stage;
    enum class Reading { Header, Ground, Blocks } reading = Reading::Header;
    int row = 0;
    auto fail = [&](const std::string& what) {
        if (designs.error.empty()) designs.error = "line " + std::to_string(lineNumber) + ": " + what;
    };
    auto finish = [&] {
        if (number < 0) return;
        if (reading != Reading::Blocks || row != BoardSide) fail("stage " + std::to_string(number) + " is incomplete");
        designs.stages[number] = stage;
    };
    while (std::getline(in, line) && designs.ok()) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("== ", 0) == 0) {
            finish();
            const std::optional<long long> n = wholeNumber(std::string_view(line).substr(3), 1, 99);
            if (!n) {
                fail("a stage number from 1 to 99 must follow \"== \"");
                break;
            }
            number = static_cast<int>(*n);
            stage = Stage{};
            reading = Reading::Header;
            row = 0;
        } else if (line.rfind("comment: ", 0) == 0) {
            stage.comment = line.substr(9);
        } else if (line.rfind("target: ", 0) == 0) {
            const std::optional<long long> target = wholeNumber(std::string_view(line).substr(8), -99999999, 99999999);
            if (!target) {
                fail("a step target from -99999999 to 99999999 must follow \"target: \"");
                break;
            }
            stage.stepTarget = *target;
        } else if (line == "ground:") {
            reading = Reading::Ground;
            row = 0;
        } else if (line == "blocks:") {
            if (row != BoardSide) fail("the ground needs 15 rows");
            reading = Reading::Blocks;
            row = 0;
        } else if (reading != Reading::Header && !line.empty()) {
            if (line.size() != BoardSide || row >= BoardSide) {
                fail("a map row needs 15 letters and a map 15 rows");
                break;
            }
            for (int column = 0; column < BoardSide; ++column) {
                const int at = row * BoardSide + column;
                if (reading == Reading::Ground) {
                    const size_t code = GroundLetters.find(line[column]);
                    if (code == std::string_view::npos) fail(std::string("unknown ground letter ") + line[column]);
                    else stage.ground[at] = static_cast<uint8_t>(code);
                } else {
                    const size_t code = BlockLetters.find(line[column]);
                    if (code == std::string_view::npos) fail(std::string("unknown block letter ") + line[column]);
                    else stage.blocks[at] = static_cast<uint8_t>(code);
                }
            }
            ++row;
        }
    }
    finish();
    return designs;
}

}  // namespace nerilo
