#include "core/steps/gotoaddress.h"

#include <QCoreApplication>

namespace chaserom {

namespace {

/// Digits of a base, at most 10 of them; empty for anything else.
std::optional<qint64> digitsValue(QStringView digits, int base) {
    if (digits.isEmpty() || digits.size() > 10) {
        return std::nullopt;
    }
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok, base);
    for (const QChar c : digits) {
        if (c == u'+' || c == u'-' || c.isSpace()) {
            return std::nullopt;
        }
    }
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

Result<qint64> readGoToAddress(QStringView text, qint64 currentAddress, int stepLength,
                               qint64 imageLength, int stepsPerProgram) {
    const QStringView typed = text.trimmed();
    std::optional<qint64> address;
    if (typed.startsWith(u'P', Qt::CaseInsensitive)) {
        if (stepsPerProgram == 0) {
            return Failed(QCoreApplication::translate(
                "GoToAddress", "Программ нет: выберите, сколько шагов в программе."));
        }
        if (const auto program = digitsValue(typed.sliced(1), 10); program && *program >= 1) {
            address = (*program - 1) * stepsPerProgram * stepLength;
        }
    } else if (typed.startsWith(u'#')) {
        if (const auto step = digitsValue(typed.sliced(1), 10)) {
            address = *step * stepLength;
        }
    } else if (typed.startsWith(u'+') || typed.startsWith(u'-') || typed.startsWith(u'\u2212')) {
        if (const auto steps = digitsValue(typed.sliced(1), 10)) {
            const qint64 currentStep = currentAddress / stepLength;
            address = (currentStep + (typed.startsWith(u'+') ? *steps : -*steps)) * stepLength;
        }
    } else if (typed.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        address = digitsValue(typed.sliced(2), 16);
    } else {
        address = digitsValue(typed, 10);
    }
    if (!address) {
        return Failed(QCoreApplication::translate(
            "GoToAddress", "Введите адрес (100 или 0x64), шаг (#25), смещение в "
                           "шагах (+4, -4) или программу (P3)."));
    }
    if (*address < 0 || *address >= imageLength) {
        return Failed(imageLength > 0 ? QCoreApplication::translate(
                                            "GoToAddress", "Адрес %1 лежит вне образа: от 0 до %2.")
                                            .arg(*address)
                                            .arg(imageLength - 1)
                                      : QCoreApplication::translate("GoToAddress", "Образ пуст."));
    }
    return *address;
}

} // namespace chaserom
