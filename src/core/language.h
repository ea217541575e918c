#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace chaserom {

/// The languages the programs speak. Russian is the language every text is written in;
/// the others are translations of it.
enum class Language { Russian, English };

/// The language of a code given on the command line or stored: "ru" or "en".
[[nodiscard]] std::optional<Language> languageNamed(const QString& code);
[[nodiscard]] QString languageCode(Language language);

/// The language to speak: the one asked for on the command line, else the one the user
/// chose in the program and it stored, else Russian when the user's first interface
/// language is Russian or the locale is C or POSIX, English for any other until it has a
/// translation of its own.
[[nodiscard]] Language chooseLanguage(std::optional<Language> asked, std::optional<Language> stored,
                                      const QLocale& system);

/// The value of `--language X` or `--language=X` among command-line arguments, if given
/// (empty when the option has no value).
[[nodiscard]] std::optional<QString> languageArgument(const QStringList& arguments);
/// The arguments without `--language` and its value.
[[nodiscard]] QStringList withoutLanguageArgument(const QStringList& arguments);

/// Makes the running application speak the language chosen by chooseLanguage() from the
/// command line, the choice the editor stored and the system's. Returns false when the
/// command line names a language we do not speak; the others decide then, so that the
/// error can be told.
bool installChosenLanguage(const QStringList& arguments);

/// Makes the running application speak `language`: our translation and Qt's own, for its
/// standard dialogs. Call once, after the application object is made.
void installLanguage(Language language);

/// The language the running application speaks: the one installLanguage() made it speak,
/// Russian before that.
[[nodiscard]] Language currentLanguage();

/// Where the choice made in the program is kept (QSettings).
inline constexpr const char* LanguageSettingKey = "language";

} // namespace chaserom
