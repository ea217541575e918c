// Which text colour reads on a lamp, measured as WCAG measures contrast.
#include "core/colours/contrast.h"
#include "core/colours/designcolours.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

TEST(Contrast, MeasuresAsWcagAndPicksTheTextThatReads) {
    EXPECT_NEAR(contrastRatio(Black, White), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Red, Red), 1.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0x0000FF, White), 4.0, 0.01); // pure red
    // Light hues take black text, however saturated; dark ones white.
    EXPECT_TRUE(blackTextReadsOn(0x00FFFF));  // yellow
    EXPECT_TRUE(blackTextReadsOn(0x00FF00));  // green
    EXPECT_TRUE(blackTextReadsOn(0x0000FF));  // red
    EXPECT_FALSE(blackTextReadsOn(0xFF0000)); // blue
    EXPECT_FALSE(blackTextReadsOn(0x000030)); // a red nearly black
    // Every channel's design colour gets a text of at least 4.5:1.
    for (const Bgr colour : DesignColours) {
        const Bgr text = blackTextReadsOn(colour) ? Black : White;
        EXPECT_GE(contrastRatio(colour, text), 4.5) << std::hex << colour;
    }
}

} // namespace
