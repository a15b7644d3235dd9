#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace nerilo::ui {
namespace {

Language current = Language::Japanese;

// Owned by the application, so they live as long as the texts they translate.
QTranslator& gameTranslator() {
    static auto* translator = new QTranslator(QCoreApplication::instance());
    return *translator;
}
QTranslator& qtTranslator() {
    static auto* translator = new QTranslator(QCoreApplication::instance());
    return *translator;
}

QString codeOf(Language language) { return language == Language::English ? QStringLiteral("en") : QStringLiteral("ja"); }

}  // namespace

std::optional<Language> languageNamed(const QString& code) {
    if (code == QLatin1String("ja")) return Language::Japanese;
    if (code == QLatin1String("en")) return Language::English;
    return std::nullopt;
}

void useLanguage(Language language) {
    current = language;
    QCoreApplication::removeTranslator(&gameTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());
    const QLocale locale(language == Language::English ? QLocale::English : QLocale::Japanese);
    QLocale::setDefault(locale);
    // Japanese is the texts' own language and needs no translation of the game.
    if (language == Language::English && gameTranslator().load(QStringLiteral(":/i18n/nerilo_en.qm")))
        QCoreApplication::installTranslator(&gameTranslator());
    if (qtTranslator().load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator());
    // Qt posts the windows their LanguageChange; delivered now, every text has
    // changed when the switch returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language currentLanguage() { return current; }

Language savedLanguage() {
    return languageNamed(QSettings().value(QStringLiteral("language")).toString()).value_or(Language::Japanese);
}

void saveLanguage(Language language) { QSettings().setValue(QStringLiteral("language"), codeOf(language)); }

}  // namespace nerilo::ui
