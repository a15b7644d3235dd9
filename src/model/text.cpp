#include "model/text.h"

#include <ostream>

namespace nerilo {

Text Text::arg(Text argument) const {
    Text result = *this;
    result.arguments_.push_back(std::move(argument));
    return result;
}

// One pass over the pattern, so that an argument holding "%2" (a file name can)
// is never filled in again; a number without an argument stays as written.
std::string Text::say(const Translate& translate) const {
    const std::string pattern = translatable() ? translate(context_, pattern_) : pattern_;
    if (arguments_.empty()) return pattern;
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
            if (n < arguments_.size()) {
                out += arguments_[n].say(translate);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string Text::japanese() const {
    return say([](const std::string&, const std::string& pattern) { return pattern; });
}

std::ostream& operator<<(std::ostream& out, const Text& text) { return out << text.japanese(); }

}  // namespace nerilo
