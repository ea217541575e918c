#pragma once

#include <QStringView>
#include <QtGlobal>
#include <array>
#include <optional>
#include <string_view>

namespace chaserom {

/// An EPROM a board takes, by its usual name, and how many bytes it holds.
struct RomChip {
    std::string_view name;
    qint64 size;
};

/// The EPROMs of running-light boards, smallest first.
inline constexpr std::array<RomChip, 10> RomChips = {{
    {"2716", qint64{2} * 1024},
    {"2732", qint64{4} * 1024},
    {"2764", qint64{8} * 1024},
    {"27128", qint64{16} * 1024},
    {"27C256", qint64{32} * 1024},
    {"27C512", qint64{64} * 1024},
    {"27C010", qint64{128} * 1024},
    {"27C020", qint64{256} * 1024},
    {"27C040", qint64{512} * 1024},
    {"27C080", qint64{1024} * 1024},
}};

/// The smallest chip that holds `length` bytes; none for an empty image or one larger than
/// the largest chip.
[[nodiscard]] constexpr std::optional<RomChip> smallestChipHolding(qint64 length) {
    if (length <= 0) {
        return std::nullopt;
    }
    for (const RomChip& chip : RomChips) {
        if (length <= chip.size) {
            return chip;
        }
    }
    return std::nullopt;
}

/// The chip of a name, in any case, with or without the C of a CMOS part after "27"
/// (27C256, 27c256 and 27256 are one chip); none for a name no chip has.
[[nodiscard]] std::optional<RomChip> chipNamed(QStringView name);

} // namespace chaserom
