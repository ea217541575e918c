#include "core/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
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

std::optional<QString> languageArgument(const QStringList& arguments) {
    const QString option = QStringLiteral("--language");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--")) {
            break;
        }
        if (arguments[i] == option) {
            return arguments.value(i + 1);
        }
        if (arguments[i].startsWith(option + u'=')) {
            return arguments[i].mid(option.size() + 1);
        }
    }
    return std::nullopt;
}

QStringList withoutLanguageArgument(const QStringList& arguments) {
    QStringList kept;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == QLatin1String("--language")) {
            ++i; // and its value
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1String("--language="))) {
            continue;
        }
        optionsEnded = optionsEnded || argument == QLatin1String("--");
        kept << argument;
    }
    return kept;
}

bool installChosenLanguage(const QStringList& arguments) {
    const auto argument = languageArgument(arguments);
    const auto asked = argument ? languageNamed(*argument) : std::nullopt;
    // The editor's settings, whichever of the two programs runs.
    const QSettings settings(QStringLiteral("chaserom"), QStringLiteral("chaserom"));
    const auto stored = languageNamed(settings.value(QLatin1String(LanguageSettingKey)).toString());
    installLanguage(chooseLanguage(asked, stored, QLocale::system()));
    return !argument || asked.has_value();
}

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
