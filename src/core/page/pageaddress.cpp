#include "core/page/pageaddress.h"

#include <algorithm>
#include <cmath>

namespace chaserom {

int alignToStep(int address, int kanalCount) {
    switch (kanalCount) {
    case 16:
        return address + address % 2;
    case 24:
        return address - address % 3;
    case 32:
        return address - address % 4;
    default:
        return address;
    }
}

int pageAddressFor(int position, int maximum, int length, int kanalCount, Alignment alignment) {
    if (maximum <= 0) {
        return 0;
    }
    position = std::clamp(position, 0, maximum);
    // The quotient first, then the product, rounded half to even (the default rounding mode).
    const double scaled = length * (static_cast<double>(position) / maximum);
    int address = static_cast<int>(std::nearbyint(scaled));
    if (alignment == Alignment::Aligned) {
        address = alignToStep(address, kanalCount);
    }
    address = std::min(address, length - PageRowCount);
    return std::max(address, 0);
}

} // namespace chaserom
