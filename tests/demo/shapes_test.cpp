#include <gtest/gtest.h>

#include "shapes.h"

namespace orvane::demo {
namespace {

float CoverAt(const Shape& shape, float x, float y) {
    return Coverage(shape.distance(x, y), 1);
}

TEST(Shapes, EdgesAreAntiAliasedAndTheInsideIsSolid) {
    const Shape disc = Ellipse({50, 50}, 20, 10);
    EXPECT_FLOAT_EQ(CoverAt(disc, 50, 50), 1);
    EXPECT_FLOAT_EQ(CoverAt(disc, 50, 80), 0);
    EXPECT_NEAR(CoverAt(disc, 70, 50), 0.5f, 0.05f);
    EXPECT_NEAR(CoverAt(disc, 50, 60), 0.5f, 0.05f);

    const Shape box = RoundRect(10, 10, 30, 20, 0);
    EXPECT_FLOAT_EQ(CoverAt(box, 20, 15), 1);
    EXPECT_NEAR(CoverAt(box, 30, 15), 0.5f, 1e-4f);
    EXPECT_NEAR(CoverAt(box, 20, 10), 0.5f, 1e-4f);
    EXPECT_FLOAT_EQ(CoverAt(box, 35, 15), 0);
}

TEST(Shapes, ConcavePolygonsLeaveTheirNotchEmpty) {
    // An L: the top right square is outside, though inside the bounds.
    const Shape l = Polygon({{0, 0}, {10, 0}, {10, 10}, {20, 10}, {20, 20}, {0, 20}});
    EXPECT_FLOAT_EQ(CoverAt(l, 5, 5), 1);
    EXPECT_FLOAT_EQ(CoverAt(l, 15, 15), 1);
    EXPECT_FLOAT_EQ(CoverAt(l, 15, 5), 0);
    EXPECT_NEAR(l.distance(15, 5), 5, 1e-4f);
    EXPECT_NEAR(l.distance(5, 5), -5, 1e-4f);
}

TEST(Shapes, CapsuleRadiusChangesAlongItsLength) {
    const Shape limb = Capsule({0, 0}, {100, 0}, 10, 2);
    EXPECT_NEAR(limb.distance(0, 10), 0, 1e-4f);
    EXPECT_NEAR(limb.distance(50, 6), 0, 1e-4f);
    EXPECT_NEAR(limb.distance(100, 2), 0, 1e-4f);
    EXPECT_NEAR(limb.distance(110, 0), 8, 1e-4f);
}

TEST(Shapes, CombinationsCutAndClip) {
    const Shape ring = Subtract(Ellipse({0, 0}, 10, 10), Ellipse({0, 0}, 5, 5));
    EXPECT_FLOAT_EQ(CoverAt(ring, 0, 0), 0);
    EXPECT_FLOAT_EQ(CoverAt(ring, 7.5f, 0), 1);

    const Shape half = Intersect(Ellipse({0, 0}, 10, 10), RoundRect(0, -20, 20, 20, 0));
    EXPECT_FLOAT_EQ(CoverAt(half, -5, 0), 0);
    EXPECT_FLOAT_EQ(CoverAt(half, 5, 0), 1);
    EXPECT_GE(half.bounds.x0, -1);

    const Shape fat = Grow(RoundRect(0, 0, 10, 10, 0), 3);
    EXPECT_NEAR(fat.distance(13, 5), 0, 1e-4f);
    EXPECT_LE(fat.bounds.x0, -3);
    EXPECT_GE(fat.bounds.x1, 13);
}

TEST(Shapes, VisitingStaysInsideThePictureAndReachesSoftEdges) {
    // Half the disc lies outside a 20 x 20 picture.
    const Shape disc = Ellipse({0, 10}, 8, 8);
    int visited = 0;
    bool outside = false;
    ForEachCovered(disc, 20, 20, 1, [&](int x, int y, float) {
        ++visited;
        outside = outside || x < 0 || y < 0 || x >= 20 || y >= 20;
    });
    EXPECT_FALSE(outside);
    EXPECT_GT(visited, 80);

    // A soft edge reaches past the shape's own bounds.
    float furthest = 0;
    ForEachCovered(RoundRect(10, 10, 12, 12, 0), 40, 40, 12, [&](int x, int, float) {
        furthest = std::max(furthest, static_cast<float>(x));
    });
    EXPECT_GE(furthest, 15);
}

}  // namespace
}  // namespace orvane::demo
