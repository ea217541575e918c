#include "core/page/pageaddress.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

struct AddressCase {
    int position;
    int maximum;
    int length;
    int kanalCount;
    Alignment alignment;
    int address;
};

constexpr auto A = Alignment::Aligned;
constexpr auto U = Alignment::Unaligned;

constexpr AddressCase addressCases[] = {
    // An 8192-byte image: the address follows the position, kept 16 bytes from the end.
    {5, 8192, 8192, 8, A, 5},
    {8190, 8192, 8192, 8, A, 8176},
    {8192, 8192, 8192, 8, A, 8176},
    // Alignment to the step: 16 channels go up to even, 24 and 32 down.
    {5, 8192, 8192, 16, A, 6},
    {5, 8192, 8192, 24, A, 3},
    {5, 8192, 8192, 32, A, 4},
    {6, 8192, 8192, 24, A, 6},
    {8, 8192, 8192, 32, A, 8},
    // The end rule comes after the alignment.
    {8177, 8192, 8192, 16, A, 8176},
    {8193, 8193, 8193, 32, A, 8177},
    // A thumb drag follows the thumb byte by byte; its release aligns.
    {7, 8192, 8192, 32, U, 7},
    {7, 8192, 8192, 32, A, 4},
    // The position scaled by length / maximum, halves to even.
    {1, 16, 40, 8, A, 2},
    {3, 16, 40, 8, A, 8},
    {5, 16, 40, 8, A, 12},
    // Images shorter than a page stay at 0; an empty one never divides by zero.
    {3, 10, 10, 8, A, 0},
    {10, 10, 10, 32, A, 0},
    {0, 0, 0, 8, A, 0},
    {5, 0, 0, 16, A, 0},
    {16, 16, 16, 8, A, 0},
    // The largest image.
    {32767, 32767, 32767, 8, A, 32751},
    {32750, 32767, 32767, 24, A, 32748},
    {32751, 32767, 32767, 16, A, 32751},
};

void PrintTo(const AddressCase& c, std::ostream* out) {
    *out << "position " << c.position << " of " << c.maximum << ", length " << c.length << ", "
         << c.kanalCount << " channels" << (c.alignment == A ? "" : ", dragged");
}

class PageAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(PageAddressTest, MapsPositionToAddress) {
    const AddressCase& c = GetParam();
    EXPECT_EQ(pageAddressFor(c.position, c.maximum, c.length, c.kanalCount, c.alignment),
              c.address);
}

INSTANTIATE_TEST_SUITE_P(Positions, PageAddressTest, ::testing::ValuesIn(addressCases));

TEST(PageAddress, StaysInsideTheImageAndAlignedForEveryPosition) {
    for (const int length : {0, 1, 15, 16, 17, 100, 8193}) {
        const int last = std::max(0, length - PageRowCount);
        for (const int kanalCount : {8, 16, 24, 32}) {
            const int step = kanalCount / 8;
            for (int position = 0; position <= length; ++position) {
                for (const auto alignment : {A, U}) {
                    const int address =
                        pageAddressFor(position, length, length, kanalCount, alignment);
                    ASSERT_GE(address, 0);
                    ASSERT_LE(address, last);
                    if (alignment == A && address != last) {
                        ASSERT_EQ(address % step, 0) << length << " " << kanalCount;
                    }
                }
            }
        }
    }
}

} // namespace
