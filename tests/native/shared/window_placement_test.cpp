#include "shared/window_placement.h"

#include <gtest/gtest.h>

namespace shared {
namespace {

TEST(WindowPlacement, CentreOfTruncatesTowardZero) {
    Point centre = CentreOf({100, 50, 301, 151});
    EXPECT_EQ(centre.x, 200);
    EXPECT_EQ(centre.y, 100);
    // Left of and above the primary screen: -3 / 2 is -1, not -2.
    centre = CentreOf({-503, -201, 500, 198});
    EXPECT_EQ(centre.x, -1);
    EXPECT_EQ(centre.y, -1);
    centre = CentreOf({-1000, -900, -10, -10});
    EXPECT_EQ(centre.x, -505);
    EXPECT_EQ(centre.y, -455);
    // Coordinates near the limits do not overflow while summing.
    centre = CentreOf({INT32_MAX - 10, 0, INT32_MAX, 0});
    EXPECT_EQ(centre.x, INT32_MAX - 5);
}

TEST(WindowPlacement, OddSizesPutTheExtraPixelRightAndBelow) {
    Point origin = OriginCentredOn({400, 300}, 331, 61);
    EXPECT_EQ(origin.x, 400 - 165);
    EXPECT_EQ(origin.y, 300 - 30);
    origin = OriginCentredOn({-7, -8}, 11, 10);
    EXPECT_EQ(origin.x, -12);
    EXPECT_EQ(origin.y, -13);
}

TEST(WindowPlacement, OnlyTheOriginPointKeepsTheTemplatePosition) {
    const Rect window{10, 20, 341, 81};
    EXPECT_FALSE(PlacementFor(window, {0, 0}).has_value());

    std::optional<Point> origin = PlacementFor(window, {0, 500});
    ASSERT_TRUE(origin.has_value());
    EXPECT_EQ(origin->x, -165);
    EXPECT_EQ(origin->y, 470);
    origin = PlacementFor(window, {-200, 0});
    ASSERT_TRUE(origin.has_value());
    EXPECT_EQ(origin->x, -365);
    EXPECT_EQ(origin->y, -30);
}

}  // namespace
}  // namespace shared
