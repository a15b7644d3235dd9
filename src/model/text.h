#pragma once
// A text the player reads, kept so that each platform can say it in its own
// language: a Japanese pattern in a translation context, where %1 to %9 stand
// for its arguments, themselves texts or words shown as they are (file names,
// numbers, a stage's comment, the system's own error messages). The engine
// writes its messages in Japanese and keeps no Qt; the scripted platform says
// them as written, the window translates each pattern and fills it in.
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// A Japanese pattern of the engine, marked for lupdate, which reads it as
// QT_TRANSLATE_NOOP(context, pattern) (see -tr-function-alias in src/ui/CMakeLists.txt).
#define NERILO_TEXT(context, pattern) ::nerilo::Text(context, pattern)

namespace nerilo {

class Text {
public:
    Text() = default;
    explicit Text(std::string context, std::string pattern) : context_(std::move(context)), pattern_(std::move(pattern)) {}
    // Words shown as they are in every language.
    static Text words(std::string words) { return Text({}, std::move(words)); }

    // This text with one argument more: the next of %1, %2, ...
    Text arg(Text argument) const;
    Text arg(std::string words) const { return arg(Text::words(std::move(words))); }

    bool empty() const { return pattern_.empty() && arguments_.empty(); }
    bool translatable() const { return !context_.empty(); }
    const std::string& context() const { return context_; }
    const std::string& pattern() const { return pattern_; }
    const std::vector<Text>& arguments() const { return arguments_; }

    // Says the text: every translatable pattern as `translate` gives it, then its
    // arguments said the same way in place of %1 to %9.
    using Translate = std::function<std::string(const std::string& context, const std::string& pattern)>;
    std::string say(const Translate& translate) const;
    // The text as the engine wrote it.
    std::string japanese() const;

    friend bool operator==(const Text&, const Text&) = default;

private:
    std::string context_;  // empty for words
    std::string pattern_;
    std::vector<Text> arguments_;
};

// The text in Japanese, for the tools' and tests' output.
std::ostream& operator<<(std::ostream& out, const Text& text);

}  // namespace nerilo
