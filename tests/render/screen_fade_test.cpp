#include <gtest/gtest.h>

#include "platform/headless_platform.h"
#include "render/display.h"
#include "render/screen_fade.h"
#include "support/game_folder.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

int PassesUntilStill(FadeKind kind, Surface& back, Surface* picture, int step, int limit) {
    int passes = 0;
    while (ScreenFadePass(kind, back, picture, step, limit)) ++passes;
    return passes;
}

TEST(ScreenFade, FadingToBlackTakesOnePassPerStepOfTheBrightestChannel) {
    Surface back(8, 8);
    back.Fill(MakePixel(255, 10, 0, 77));
    EXPECT_EQ(PassesUntilStill(FadeKind::ToBlack, back, nullptr, 5, 0), 51);
    EXPECT_EQ(back.at(3, 3), MakePixel(0, 0, 0, 0));  // written pixels are opaque
}

TEST(ScreenFade, ALimitLeavesDarkChannelsAndStopsTheOthersWithinAStep) {
    Surface back(4, 1);
    back.at(0, 0) = MakePixel(104, 255, 30);
    PassesUntilStill(FadeKind::ToBlack, back, nullptr, 5, 100);
    EXPECT_EQ(PixelRed(back.at(0, 0)), 104);   // below step + limit: untouched
    EXPECT_EQ(PixelGreen(back.at(0, 0)), 100);  // brought into 100 .. 104
    EXPECT_EQ(PixelBlue(back.at(0, 0)), 30);
    Surface white(2, 2);
    white.Fill(MakePixel(0, 128, 250));
    PassesUntilStill(FadeKind::ToWhite, white, nullptr, 7, 255);
    EXPECT_EQ(white.at(1, 1), MakePixel(255, 255, 255));
}

TEST(ScreenFade, FadingInBringsThePictureToTheSceneExactly) {
    Surface scene(3, 3);
    scene.Fill(MakePixel(200, 13, 90));
    Surface black(3, 3);
    EXPECT_EQ(PassesUntilStill(FadeKind::FromBlack, scene, &black, 20, 0), 10);
    EXPECT_EQ(black.pixels, scene.pixels);
    Surface white(3, 3);
    white.Fill(MakePixel(255, 255, 255));
    PassesUntilStill(FadeKind::FromWhite, scene, &white, 20, 0);
    EXPECT_EQ(white.pixels, scene.pixels);
    Surface dark(3, 3);
    Surface alsoDark(3, 3);
    EXPECT_EQ(PassesUntilStill(FadeKind::FromBlack, dark, &alsoDark, 20, 0), 0);
}

TEST(ScreenFade, ATransitionPresentsEveryPassAtTheRefreshRateAndResetsItsPicture) {
    testing::TempDir game;
    testing::GameArchive().FixedPictures().WriteTo(game / "Orvane.pak");
    HeadlessPlatform platform;
    MediaSlots slots;
    PictureLoader pictures(game.path(), game.path());
    SetUpDisplay(slots, platform);
    CreateFixedSurfaces(slots);
    LoadFixedPictures(slots, pictures);
    slots.Get(kSlotBackBuffer)->Fill(MakePixel(255, 255, 255));
    ScreenFade(slots, platform, pictures, FadeKind::ToBlack, 0, 0);  // a step of 0 counts as 1
    EXPECT_EQ(platform.presents(), 255u + 1);
    EXPECT_NEAR(static_cast<double>(platform.Now()), 255 * 1000.0 / 60, 1.0);
    EXPECT_EQ(slots.Get(kSlotBackBuffer)->at(9, 9), MakePixel(0, 0, 0));

    slots.Get(kSlotBackBuffer)->Fill(MakePixel(0, 0, 255));
    ScreenFade(slots, platform, pictures, FadeKind::FromWhite, 50, 0);
    EXPECT_EQ(PixelRed(slots.Get(kSlotWhite)->at(5, 5)), 255);  // white again for the next one
    EXPECT_EQ(platform.lastFrame().at(5, 5), MakePixel(0, 0, 255));
}

}  // namespace
}  // namespace orvane
