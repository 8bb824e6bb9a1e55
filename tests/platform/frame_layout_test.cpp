#include <gtest/gtest.h>

#include "platform/frame_pointer.h"
#include "platform/renderer_choice.h"

namespace orvane {
namespace {

struct LayoutCase {
    WindowGeometry window;
    FrameScaling scaling;
    PixelRect frame;  // in drawable pixels
};

// Window points, drawable pixels and the place of the frame: a plain window, high-density ones
// (2x, 1.5x), windows wider and taller than 4:3, odd sizes, and sharp scaling with and without
// room for a whole-number scale.
const LayoutCase kLayouts[] = {
    {{1024, 768, 1024, 768}, FrameScaling::Smooth, {0, 0, 1024, 768}},
    {{1024, 768, 2048, 1536}, FrameScaling::Smooth, {0, 0, 2048, 1536}},
    {{1280, 720, 1920, 1080}, FrameScaling::Smooth, {240, 0, 1440, 1080}},
    {{1920, 1080, 1920, 1080}, FrameScaling::Smooth, {240, 0, 1440, 1080}},
    {{1920, 1080, 1920, 1080}, FrameScaling::Sharp, {448, 156, 1024, 768}},
    {{1050, 1600, 2100, 3200}, FrameScaling::Sharp, {26, 832, 2048, 1536}},
    {{1001, 777, 1001, 777}, FrameScaling::Smooth, {0, 13, 1001, 751}},
    {{1001, 777, 2002, 1554}, FrameScaling::Smooth, {0, 26, 2002, 1502}},
    {{1001, 777, 1001, 777}, FrameScaling::Sharp, {0, 13, 1001, 751}},
    {{800, 600, 800, 600}, FrameScaling::Sharp, {0, 0, 800, 600}},
    {{257, 999, 257, 999}, FrameScaling::Smooth, {0, 403, 257, 193}},
};

TEST(FrameLayout, FrameIsCentredAndPointerMapsBackToTheSamePixel) {
    for (const LayoutCase& c : kLayouts) {
        const WindowGeometry& w = c.window;
        SCOPED_TRACE(::testing::Message() << w.windowWidth << "x" << w.windowHeight << " on "
                                          << w.drawableWidth << "x" << w.drawableHeight << " "
                                          << (c.scaling == FrameScaling::Sharp ? "sharp" : "smooth"));
        EXPECT_EQ(LayOutFrame(w.drawableWidth, w.drawableHeight, c.scaling), c.frame);

        // The bars are outside the frame.
        if (c.frame.x > 0) {
            EXPECT_LT(WindowToFrame(w, c.scaling, 0, w.windowHeight / 2).x, 0);
        }
        if (c.frame.y > 0) {
            EXPECT_LT(WindowToFrame(w, c.scaling, w.windowWidth / 2, 0).y, 0);
        }
        const FramePoint far = WindowToFrame(w, c.scaling, w.windowWidth - 1, w.windowHeight - 1);
        EXPECT_TRUE(far.x >= 1020 && far.y >= 765) << far.x << "," << far.y;

        // Where the window has a point for every frame pixel, its corners are the first points
        // inside, and a warp to any pixel comes back to that pixel.
        const double pointsPerPixel =
            double(c.frame.width) * w.windowWidth / w.drawableWidth / 1024;
        if (pointsPerPixel < 1.0) continue;
        const FramePoint topLeft = FrameToWindow(w, c.scaling, 0, 0);
        const FramePoint bottomRight = FrameToWindow(w, c.scaling, 1023, 767);
        EXPECT_EQ(WindowToFrame(w, c.scaling, topLeft.x, topLeft.y), (FramePoint{0, 0}));
        EXPECT_EQ(WindowToFrame(w, c.scaling, bottomRight.x, bottomRight.y),
                  (FramePoint{1023, 767}));
        EXPECT_LT(WindowToFrame(w, c.scaling, topLeft.x - 1, topLeft.y - 1).x, 0);
        for (int y = 0; y < 768; y += 37) {
            for (int x = 0; x < 1024; x += 41) {
                const FramePoint at = FrameToWindow(w, c.scaling, x, y);
                ASSERT_EQ(WindowToFrame(w, c.scaling, at.x, at.y), (FramePoint{x, y}))
                    << x << "," << y;
            }
        }
    }
    // A window not yet measured maps nothing away.
    EXPECT_EQ(WindowToFrame({}, FrameScaling::Smooth, 5, 6), (FramePoint{5, 6}));
}

TEST(RendererChoice, AutoAvoidsOpenGlThatRasterizesOnTheProcessor) {
    for (const char* name : {"llvmpipe (LLVM 15.0.7, 256 bits)", "Gallium 0.4 on softpipe",
                             "Software Rasterizer", "Mesa DRI swrast", "LLVMPIPE"}) {
        EXPECT_TRUE(IsSoftwareRasterizer(name)) << name;
    }
    for (const char* name : {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)",
                             "AMD Radeon RX 6600 (navi23, LLVM 15.0.7, DRM 3.49)",
                             "NVIDIA GeForce GTX 1060/PCIe/SSE2", ""}) {
        EXPECT_FALSE(IsSoftwareRasterizer(name)) << name;
    }
    EXPECT_EQ(PlanRenderer(RendererChoice::Auto, true), RendererStart::Probe);
    EXPECT_EQ(PlanRenderer(RendererChoice::Auto, false), RendererStart::Software);
    EXPECT_EQ(PlanRenderer(RendererChoice::Gpu, false), RendererStart::Accelerated);
    EXPECT_EQ(PlanRenderer(RendererChoice::Software, true), RendererStart::Software);
}

}  // namespace
}  // namespace orvane
