#include "core/image/romchips.h"

#include <QString>

namespace chaserom {

namespace {

/// A chip's name in capitals without the C of a CMOS part: "27C256" and "27256" alike.
QString withoutCmosLetter(QStringView name) {
    QString plain = name.toString().toUpper();
    if (plain.startsWith(QLatin1String("27C"))) {
        plain.remove(2, 1);
    }
    return plain;
}

} // namespace

std::optional<RomChip> chipNamed(QStringView name) {
    const QString wanted = withoutCmosLetter(name);
    for (const RomChip& chip : RomChips) {
        const QLatin1String chipName(chip.name.data(), static_cast<qsizetype>(chip.name.size()));
        if (withoutCmosLetter(QString(chipName)) == wanted) {
            return chip;
        }
    }
    return std::nullopt;
}

} // namespace chaserom
