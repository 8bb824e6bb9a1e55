#include "platform/frame_pointer.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using Point = std::optional<FramePoint>;

TEST(FramePointer, ClicksOnTheBarsAreDroppedAndLeavingTheFrameIsToldOnce) {
    FramePointer pointer;
    EXPECT_EQ(pointer.Down(0, 0), (Point{{0, 0}}));
    EXPECT_EQ(pointer.Down(1023, 767), (Point{{1023, 767}}));
    for (const auto& [x, y] : {std::pair{-1, 10}, {1024, 10}, {10, -1}, {10, 768}, {-50, 900}}) {
        EXPECT_EQ(pointer.Down(x, y), std::nullopt) << x << "," << y;
    }

    EXPECT_EQ(pointer.Move(500, 300), (Point{{500, 300}}));
    // Out past the right edge: once at the edge, then nothing until it comes back.
    EXPECT_EQ(pointer.Move(1030, 300), (Point{{1023, 300}}));
    EXPECT_EQ(pointer.Move(1100, 200), std::nullopt);
    EXPECT_EQ(pointer.Move(-20, 900), std::nullopt);
    EXPECT_EQ(pointer.Move(0, 767), (Point{{0, 767}}));
    EXPECT_EQ(pointer.Move(-20, 900), (Point{{0, 767}}));

    // A drag released over the bars still ends, at the edge.
    EXPECT_EQ(pointer.Up(-20, 900), (FramePoint{0, 767}));
    EXPECT_EQ(pointer.Up(40, 50), (FramePoint{40, 50}));
}

}  // namespace
}  // namespace orvane
