// Where a dialog goes so that the grid it previews into stays in view.
#include "core/geometry/placebeside.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

const QRect Screen(0, 0, 1600, 1000);
const QSize Dialog(300, 200);

TEST(PlaceBeside, TakesTheFirstSideWithRoomAndStaysOnScreen) {
    // Room at the right.
    EXPECT_EQ(placeBeside(QRect(100, 100, 400, 300), Dialog, Screen), QPoint(500, 100));
    // The grid at the right of the screen: the dialog goes to its left.
    EXPECT_EQ(placeBeside(QRect(900, 50, 700, 600), Dialog, Screen), QPoint(600, 50));
    // Wide as the screen: under it, and kept inside the screen's bottom when it is low.
    EXPECT_EQ(placeBeside(QRect(0, 100, 1600, 500), Dialog, Screen), QPoint(0, 600));
    EXPECT_EQ(placeBeside(QRect(0, 500, 1600, 400), Dialog, Screen), QPoint(0, 300));
    // Nowhere with room: the side with the most, still on the screen.
    const QPoint cramped = placeBeside(QRect(0, 0, 1500, 950), Dialog, Screen);
    EXPECT_TRUE(Screen.contains(QRect(cramped, Dialog)));
    EXPECT_EQ(cramped, QPoint(0, 800)); // under it, where the least is covered
}

} // namespace
