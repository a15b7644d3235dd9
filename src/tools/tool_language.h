#pragma once
// The language a command-line tool speaks for one run: all of its output in
// one, its own words and the engine's texts alike (the engine writes them in
// Japanese; the English is the window's translation, built into the tool).
#include <optional>
#include <string>

#include "model/text.h"

namespace nerilo {

enum class ToolLanguage { Japanese, English };

// `--lang`'s value ("ja" or "en"), or when none is given the locale in force
// (LC_ALL, LC_MESSAGES, LANG, the first one set): Japanese for a Japanese
// locale, English for any other. Nothing for a value it does not know.
std::optional<ToolLanguage> toolLanguage(const std::string& option);

// The text in that language.
std::string say(const Text& text, ToolLanguage language);

}  // namespace nerilo
