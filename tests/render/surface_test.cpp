#include <gtest/gtest.h>

#include "archive/bmp_decoder.h"
#include "platform/headless_platform.h"
#include "render/blend.h"
#include "render/display.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

Surface Filled(int w, int h, uint32_t pixel) {
    Surface s(w, h);
    s.Fill(pixel);
    return s;
}

TEST(PlainCopy, CopiesAllFourBytesAndRefusesRectanglesOutsideEitherSurface) {
    Surface target = Filled(8, 8, 0);
    Surface source = Filled(4, 4, MakePixel(1, 2, 3, 200));
    EXPECT_TRUE(CopyRect(target, 2, 3, source));
    EXPECT_EQ(target.at(2, 3), MakePixel(1, 2, 3, 200));
    EXPECT_EQ(target.at(5, 6), MakePixel(1, 2, 3, 200));
    EXPECT_EQ(target.at(6, 6), 0u);

    Surface untouched = Filled(8, 8, 0);
    const Rect past{2, 2, 5, 4};
    EXPECT_FALSE(CopyRect(untouched, 0, 0, source, &past));
    EXPECT_FALSE(CopyRect(untouched, 6, 0, source));
    EXPECT_FALSE(CopyRect(untouched, -1, 0, source));
    EXPECT_EQ(untouched.pixels, Filled(8, 8, 0).pixels);
}

TEST(StretchedCopy, TakesTheNearestPixel) {
    Surface source(2, 1);
    source.at(0, 0) = 1;
    source.at(1, 0) = 2;
    Surface target(4, 2);
    ASSERT_TRUE(StretchCopy(target, target.bounds(), source, source.bounds()));
    EXPECT_EQ(target.pixels, (std::vector<uint32_t>{1, 1, 2, 2, 1, 1, 2, 2}));
}

TEST(AreaScaling, AveragesEveryCoveredPixelWithItsShare) {
    // A fine checkerboard averages to grey instead of aliasing to one colour.
    Surface checker(1024, 768);
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            checker.at(x, y) = (x + y) % 2 ? MakePixel(255, 255, 255) : MakePixel(0, 0, 0);
    Surface thumb(400, 300);
    ScaleDownByArea(checker, thumb);
    for (uint32_t p : thumb.pixels) {
        ASSERT_NEAR(PixelRed(p), 128, 20);
        ASSERT_EQ(PixelRed(p), PixelBlue(p));
    }
    // A flat colour stays exactly that colour.
    Surface flat = Filled(1024, 768, MakePixel(10, 200, 30, 0));
    ScaleDownByArea(flat, thumb);
    for (uint32_t p : thumb.pixels) ASSERT_EQ(p, MakePixel(10, 200, 30, 0));
}

TEST(MediaSlotTable, HandsOutThePoolLowestFirstAndReleaseAllFreesIt) {
    MediaSlots slots;
    EXPECT_EQ(slots.FirstFreePoolSlot(), kSlotPoolFirst);
    slots.SetPoolInUse(17, true);
    slots.SetPoolInUse(18, true);
    EXPECT_EQ(slots.FirstFreePoolSlot(), 19);
    for (int s = kSlotPoolFirst; s <= kSlotPoolLast; ++s) slots.SetPoolInUse(s, true);
    EXPECT_EQ(slots.FirstFreePoolSlot(), -1);
    ReleaseAll(slots);  // on a table with no surfaces it does nothing else
    EXPECT_EQ(slots.FirstFreePoolSlot(), kSlotPoolFirst);
    slots.Create(kSlotBackBuffer, 4, 4);
    slots.Create(20, 2, 2);
    ReleaseAll(slots);
    EXPECT_EQ(slots.Get(kSlotBackBuffer), nullptr);
    EXPECT_EQ(slots.Get(20), nullptr);
    EXPECT_EQ(slots.Get(99), nullptr);
}

TEST(Display, FailsWithTheDeviceMessageWhenNoWindowCanBeMade) {
    HeadlessPlatform platform;
    platform.windowAvailable = false;
    MediaSlots slots;
    EXPECT_FALSE(SetUpDisplay(slots, platform));
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0], "DD inetializaton error");
    EXPECT_EQ(slots.Get(kSlotBackBuffer), nullptr);
}

TEST(Display, PresentsTheBackBufferAndCapturesA400By300Thumbnail) {
    HeadlessPlatform platform;
    MediaSlots slots;
    ASSERT_TRUE(SetUpDisplay(slots, platform));
    slots.Get(kSlotBackBuffer)->Fill(MakePixel(0, 128, 255));
    Present(slots, platform);
    EXPECT_EQ(platform.presents(), 1u);
    EXPECT_EQ(platform.lastFrame().at(1023, 767), MakePixel(0, 128, 255));

    testing::TempDir dir;
    std::string error;
    ASSERT_TRUE(CaptureThumbnail(slots, dir / "screen_.bmp", error)) << error;
    const std::string bytes = testing::ReadWholeFile(dir / "screen_.bmp");
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes[28], 24);  // bits per pixel
    Image decoded;
    ASSERT_TRUE(DecodeBmp(bytes, decoded, error)) << error;
    EXPECT_EQ(decoded.width, 400);
    EXPECT_EQ(decoded.height, 300);
    EXPECT_EQ(decoded.at(200, 150), MakePixel(0, 128, 255));
    EXPECT_NE(slots.Get(kSlotThumbnail), nullptr);
}

TEST(BlendReference, RoundsAsTheWorkedExampleSays) {
    // White over black, in a pair whose other pixel is half transparent (so no plain copy).
    Surface source(2, 1);
    source.at(0, 0) = MakePixel(255, 255, 255, 0);
    source.at(1, 0) = MakePixel(255, 255, 255, 128);
    Surface target = Filled(2, 1, 0);
    BlendBlitReference(target, source, 0, 0, nullptr, 255);
    EXPECT_EQ(PixelRed(target.at(0, 0)), 254);
    target.Fill(0);
    BlendBlitReference(target, source, 0, 0, nullptr, 256);
    EXPECT_EQ(PixelRed(target.at(0, 0)), 255);
    target.Fill(0);
    BlendBlitReference(target, source, 0, 0, nullptr, 300);  // clamped to 256
    EXPECT_EQ(PixelRed(target.at(0, 0)), 255);
}

TEST(BlendReference, KeepsTheOddColumnAndTransparencyRules) {
    const uint32_t under = MakePixel(100, 100, 100, 7);
    // c = 0: colours stay; in the odd last column only T under a non-black source becomes 0.
    Surface source = Filled(3, 1, MakePixel(200, 50, 0, 0));
    Surface target = Filled(3, 1, under);
    BlendBlitReference(target, source, 0, 0, nullptr, 0);
    EXPECT_EQ(target.at(0, 0), under);
    EXPECT_EQ(target.at(2, 0), MakePixel(100, 100, 100, 0));

    // Width 1: black is transparent, any other colour blends by c / 256, ignoring T.
    Surface black = Filled(1, 1, MakePixel(0, 0, 0, 0));
    Surface one = Filled(1, 1, under);
    BlendBlitReference(one, black, 0, 0, nullptr, 256);
    EXPECT_EQ(one.at(0, 0), under);
    Surface red = Filled(1, 1, MakePixel(200, 0, 0, 255));
    BlendBlitReference(one, red, 0, 0, nullptr, 128);
    EXPECT_EQ(one.at(0, 0), MakePixel(150, 50, 50, 0));

    // A fully transparent pair never changes the destination.
    Surface invisible = Filled(2, 1, MakePixel(255, 255, 255, 255));
    Surface two = Filled(2, 1, under);
    BlendBlitReference(two, invisible, 0, 0, nullptr, 256);
    EXPECT_EQ(two.at(0, 0), under);

    // Outside the target: nothing drawn.
    EXPECT_EQ(BlendBlitReference(two, source, 1, 0, nullptr, 255), -1);
    EXPECT_EQ(two.at(1, 0), under);
}

}  // namespace
}  // namespace orvane
