#pragma once

#include "core/result.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

namespace chaserom::tool {

/// An option a command takes: `--name VALUE`, `--name=VALUE`, `-x VALUE` or a flag.
struct OptionSpec {
    const char* name;
    /// The one-letter form, or '\0'.
    char letter = '\0';
    bool takesValue = true;
};

/// A command's arguments once read: the options by their long names and the rest in order.
class Arguments {
public:
    [[nodiscard]] bool has(const char* name) const {
        return m_options.contains(QLatin1String(name));
    }
    /// An option's value, empty when it was not given.
    [[nodiscard]] std::optional<QString> value(const char* name) const;
    [[nodiscard]] const QStringList& positional() const { return m_positional; }

    /// Reads arguments against a command's options. "--help" is known to every command;
    /// "--" ends the options and "-" alone is an argument. Fails with what was wrong, for a
    /// usage error.
    [[nodiscard]] static Result<Arguments> parse(const QStringList& arguments,
                                                 std::span<const OptionSpec> options);

private:
    QHash<QString, QString> m_options;
    QStringList m_positional;
};

/// A whole number written in decimal, or in hexadecimal after 0x, from `lowest` to
/// `highest`; empty for anything else.
[[nodiscard]] std::optional<qint64> parseNumber(const QString& text, qint64 lowest, qint64 highest);

/// A fill byte as two hexadecimal digits (FF, 00), with or without 0x; empty for
/// anything else.
[[nodiscard]] std::optional<char> parseFillByte(const QString& text);

/// A number from 0 to 2^64 − 1, in decimal or after 0x.
[[nodiscard]] std::optional<quint64> parseUnsigned64(const QString& text);

} // namespace chaserom::tool
