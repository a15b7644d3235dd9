#include "tools/tool_language.h"

#include <QTranslator>
#include <cstdlib>

namespace nerilo {

std::optional<ToolLanguage> toolLanguage(const std::string& option) {
    if (option == "ja") return ToolLanguage::Japanese;
    if (option == "en") return ToolLanguage::English;
    if (!option.empty()) return std::nullopt;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* locale = std::getenv(variable);
        if (locale && *locale) return std::string(locale).rfind("ja", 0) == 0 ? ToolLanguage::Japanese : ToolLanguage::English;
    }
    return ToolLanguage::English;
}

std::string say(const Text& text, ToolLanguage language) {
    if (language == ToolLanguage::Japanese) return text.japanese();
    static QTranslator english;
    static const bool loaded = english.load(QStringLiteral(":/i18n/nerilo_en.qm"));
    return text.say([](const std::string& context, const std::string& pattern) {
        const QString said = loaded ? english.translate(context.c_str(), pattern.c_str()) : QString();
        return said.isEmpty() ? pattern : said.toStdString();
    });
}

}  // namespace nerilo
