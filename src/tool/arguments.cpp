#include "tool/arguments.h"

#include <QCoreApplication>

namespace chaserom::tool {

namespace {

const OptionSpec* findOption(std::span<const OptionSpec> options, QStringView name) {
    for (const OptionSpec& option : options) {
        if (name == QLatin1String(option.name)) {
            return &option;
        }
    }
    return nullptr;
}

const OptionSpec* findLetter(std::span<const OptionSpec> options, QChar letter) {
    for (const OptionSpec& option : options) {
        if (option.letter != '\0' && letter == QLatin1Char(option.letter)) {
            return &option;
        }
    }
    return nullptr;
}

constexpr OptionSpec HelpOption = {"help", '\0', false};

} // namespace

std::optional<QString> Arguments::value(const char* name) const {
    const auto found = m_options.constFind(QLatin1String(name));
    if (found == m_options.constEnd()) {
        return std::nullopt;
    }
    return *found;
}

Result<Arguments> Arguments::parse(const QStringList& arguments,
                                   std::span<const OptionSpec> options) {
    Arguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || argument == QLatin1String("-") || !argument.startsWith(u'-')) {
            parsed.m_positional << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const OptionSpec* option = nullptr;
        QString shownName;
        std::optional<QString> inlineValue;
        if (argument.startsWith(QLatin1String("--"))) {
            const qsizetype equals = argument.indexOf(u'=');
            const QStringView name = QStringView(argument).mid(2, equals < 0 ? -1 : equals - 2);
            option = name == QLatin1String("help") ? &HelpOption : findOption(options, name);
            shownName = QStringLiteral("--") + name.toString();
            if (equals >= 0) {
                inlineValue = argument.mid(equals + 1);
            }
        } else {
            option = findLetter(options, argument[1]);
            shownName = argument.left(2);
            if (argument.size() > 2) {
                inlineValue = argument.mid(2);
            }
        }
        if (option == nullptr) {
            return Failed(
                QCoreApplication::translate("Tool", "неизвестный параметр %1").arg(shownName));
        }
        const QString name = QLatin1String(option->name);
        if (parsed.m_options.contains(name)) {
            return Failed(
                QCoreApplication::translate("Tool", "параметр %1 указан дважды").arg(shownName));
        }
        if (!option->takesValue) {
            if (inlineValue) {
                return Failed(
                    QCoreApplication::translate("Tool", "параметр %1 не принимает значения")
                        .arg(shownName));
            }
            parsed.m_options.insert(name, QString());
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= arguments.size()) {
                return Failed(QCoreApplication::translate("Tool", "у параметра %1 нет значения")
                                  .arg(shownName));
            }
            inlineValue = arguments[++i];
        }
        parsed.m_options.insert(name, *inlineValue);
    }
    return parsed;
}

std::optional<quint64> parseUnsigned64(const QString& text) {
    bool ok = false;
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const QString digits = hex ? text.mid(2) : text;
    // toULongLong takes a sign and blanks; a number here is digits alone.
    for (const QChar digit : digits) {
        if (!(digit.isDigit() || (hex && QStringLiteral("abcdefABCDEF").contains(digit)))) {
            return std::nullopt;
        }
    }
    const quint64 value = digits.toULongLong(&ok, hex ? 16 : 10);
    if (!ok || digits.isEmpty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<qint64> parseNumber(const QString& text, qint64 lowest, qint64 highest) {
    const auto value = parseUnsigned64(text);
    if (!value || *value > static_cast<quint64>(highest) || static_cast<qint64>(*value) < lowest) {
        return std::nullopt;
    }
    return static_cast<qint64>(*value);
}

std::optional<char> parseFillByte(const QString& text) {
    const auto value = parseNumber(text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                                       ? text
                                       : QStringLiteral("0x") + text,
                                   0, 0xFF);
    if (!value || text.size() > 4) {
        return std::nullopt;
    }
    return static_cast<char>(*value);
}

} // namespace chaserom::tool
