#include "core/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace chaserom {

std::optional<Language> languageNamed(const QString& code) {
    if (code == QLatin1String("ru")) {
        return Language::Russian;
    }
    if (code == QLatin1String("en")) {
        return Language::English;
    }
    return std::nullopt;
}

QString languageCode(Language language) {
    return language == Language::Russian ? QStringLiteral("ru") : QStringLiteral("en");
}

Language chooseLanguage(std::optional<Language> asked, std::optional<Language> stored,
                        const QLocale& system) {
    if (asked) {
        return *asked;
    }
    if (stored) {
        return *stored;
    }
    if (system.language() == QLocale::C) {
        return Language::Russian;
    }
    const QStringList languages = system.uiLanguages();
    const QString first = languages.isEmpty() ? system.name() : languages.first();
    return first.startsWith(QLatin1String("ru")) ? Language::Russian : Language::English;
}

namespace {

Language spoken = Language::Russian;

void installTranslation(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

} // namespace

Language currentLanguage() {
    return spoken;
}

void installLanguage(Language language) {
    spoken = language;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == Language::Russian) {
        // Our texts are written in Russian; only Qt's own need translating.
        installTranslation(QStringLiteral("qtbase_ru"), qtFolder);
        return;
    }
    installTranslation(QStringLiteral("chaserom_") + languageCode(language),
                       QStringLiteral(":/i18n"));
}

} // namespace chaserom
