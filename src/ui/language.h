#pragma once
// The language the window speaks: Japanese, the game's own and the default
// whatever the system's locale, or English. The texts are Japanese in the code;
// the English comes from translations/nerilo_en.ts, built into the program,
// and Qt's own dialog buttons follow through qtbase's translations. Changing
// the language makes Qt send every widget a LanguageChange event, on which each
// window says its texts again.
#include <QString>
#include <optional>

namespace nerilo::ui {

enum class Language { Japanese, English };

// "ja" or "en", as --lang takes them.
std::optional<Language> languageNamed(const QString& code);

// Installs the translations of `language` in place of the current ones.
void useLanguage(Language language);
Language currentLanguage();

// The player's choice, kept in the window's settings, not in the game's progress.
Language savedLanguage();
void saveLanguage(Language language);

}  // namespace nerilo::ui
