// The gallery played on the whole engine: opened from the main menu, scrolled both ways with
// the carousel wrapping, a picture viewed over the whole screen, and the way back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>

#include "archive/bmp_writer.h"
#include "host/engine.h"
#include "platform/headless_platform.h"
#include "support/frame_checks.h"
#include "support/game_folder.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::GameArchive;
using testing::TempDir;

constexpr uint32_t kGalleryColour = MakePixel(40, 90, 40);
constexpr uint32_t kMainMenuColour = MakePixel(90, 40, 30);
constexpr uint32_t kClosedColour = MakePixel(120, 120, 120);
constexpr uint32_t kWhite = MakePixel(255, 255, 255);
constexpr uint32_t kLitControl = MakePixel(250, 120, 0);
constexpr uint32_t kStrip = MakePixel(0, 200, 200);
// The pictures of the entries, the first three unlocked ("yes" anywhere in the value counts).
constexpr uint32_t kPictures[] = {MakePixel(200, 60, 60), MakePixel(60, 200, 60),
                                  MakePixel(60, 60, 200), MakePixel(200, 200, 60)};
const char* const kEntries[] = {"gal_a:p0.bmp", "gal_b:p1.jpg", "gal_c:p2.bmp", "gal_d:p3.bmp"};

bool Near(uint32_t a, uint32_t b) {
    auto close = [](int x, int y) { return std::abs(x - y) <= 6; };
    return close(PixelRed(a), PixelRed(b)) && close(PixelGreen(a), PixelGreen(b)) &&
           close(PixelBlue(a), PixelBlue(b));
}

std::string ButtonsPicture() {
    Image buttons = testing::Solid(402, 302, MakePixel(10, 10, 10));
    for (int y = 0; y < 302; ++y) {
        for (int x = 0; x < 402; ++x) {
            if (y >= 125 && y < 160) buttons.at(x, y) = kLitControl;
            if (y >= 167 && y < 198) buttons.at(x, y) = kStrip;
        }
    }
    return EncodeBmp24(buttons);
}

// A game whose gallery lists the first `count` entries, empty lines between them; the fourth
// entry's picture is missing from the game.
void WriteGame(const fs::path& game, int count) {
    std::string gallery;
    for (int i = 0; i < count; ++i) gallery += std::string(kEntries[i]) + "\r\n\r\n";
    GameArchive()
        .FixedPictures()
        .Entry("gallery.jpg", testing::JpegOf(1024, 768, kGalleryColour))
        .Entry("whitescreen.jpg", testing::JpegOf(1024, 768, kWhite))
        .Entry("not_opened.bmp", testing::Bmp32Of(402, 302, kClosedColour))
        .Entry("right_buttons.bmp", ButtonsPicture())
        .Entry("p0.bmp", testing::Bmp32Of(512, 384, kPictures[0]))
        .Entry("p1.jpg", testing::JpegOf(512, 384, kPictures[1]))
        .Entry("p2.bmp", testing::Bmp32Of(512, 384, kPictures[2]))
        .Entry("main_menu.jpg", testing::JpegOf(1024, 768, kMainMenuColour))
        .Script("gallery.scn", gallery)
        .Script("triggers.scn",
                "sys_1=1\r\nsys_2=0\r\nsys_3=0\r\ngal_a=yes\r\ngal_b=oh yes!\r\ngal_c=no\r\n"
                "gal_c=yes\r\ngal_d=yes")
        .Script("names.scn", "hero:Z")
        .Script("objects.scn", "bg_a:p0.bmp")
        .Script("default_text.scn",
                "xy_pos=64:682\r\nfont=DejaVuSans:16:none:15:66\r\nspeed=fast\r\nil=26\r\n"
                "max_str=3\r\nclick=yes\r\nname_font=DejaVuSans:18:bold:4:66\r\nname_x=64\r\n"
                "name_y=644\r\nextra=0")
        .Script("master.scn",
                "scene start\r\n"
                "set section menu=main_menu\r\n"
                "end\r\n"
                "set section menu=main_menu2\r\n")
        .WriteTo(game / "Orvane.pak");
}

std::string DumpValue(const Engine& engine, const std::string& key) {
    std::istringstream dump(engine.StateDumpText());
    for (std::string line; std::getline(dump, line);) {
        if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    }
    return "(none)";
}

class GalleryScenario : public ::testing::Test {
protected:
    Engine& Start(int count) {
        engine.reset();
        platform.reset();
        game = std::make_unique<TempDir>();
        WriteGame(game->path(), count);
        platform = std::make_unique<HeadlessPlatform>();
        engine = std::make_unique<Engine>(*platform,
                                          GameFolders{game->path(), game->path(), game->path()});
        EXPECT_TRUE(engine->Start());
        return *engine;
    }

    uint32_t Shown(int x, int y) const { return platform->lastFrame().at(x, y); }
    void Wait(int ms) { platform->AdvanceTo(*engine, platform->Now() + static_cast<uint64_t>(ms)); }
    void Click(int x, int y) {
        engine->FormMouseMove(x, y);
        engine->FormMouseDown(MouseButton::Left, x, y);
    }
    // The entry whose picture shows at (x, y) (0 based), 4 for a locked one, -1 for neither.
    int EntryAt(int x, int y) const {
        for (int k = 0; k < 4; ++k) {
            if (Near(Shown(x, y), kPictures[k])) return k;
        }
        return Near(Shown(x, y), kClosedColour) ? 4 : -1;
    }
    // The entries shown on the left, in the middle and on the right.
    std::string ShownEntries() const {
        return std::to_string(EntryAt(50, 491)) + " " + std::to_string(EntryAt(512, 491)) + " " +
               std::to_string(EntryAt(974, 491));
    }
    bool CounterShown() const {
        return testing::HasDarkPixel(platform->lastFrame(), 485, 305, 560, 325);
    }

    std::unique_ptr<TempDir> game;
    std::unique_ptr<HeadlessPlatform> platform;
    std::unique_ptr<Engine> engine;
};

TEST_F(GalleryScenario, CarouselOfOneTwoAndFourEntriesScrollsBothWays) {
    // The third entry's trigger is "no" on its first line, so it stays locked; the fourth one's
    // picture is missing and stands as locked too.
    struct Case {
        int entries;
        const char* start;
        const char* shownAtStart;
        const char* forward;
        const char* shownForward;
        const char* twiceBack;
        const char* shownTwiceBack;
    };
    for (const Case& c : {Case{1, "1 1 1", "0 0 0", "1 1 1", "0 0 0", "1 1 1", "0 0 0"},
                          Case{2, "2 1 2", "1 0 1", "1 2 1", "0 1 0", "1 2 1", "0 1 0"},
                          Case{4, "4 1 2", "4 0 1", "1 2 3", "0 1 4", "3 4 1", "4 4 0"}}) {
        SCOPED_TRACE(std::to_string(c.entries) + " entries");
        Engine& e = Start(c.entries);
        ASSERT_EQ(e.ScreenMode, 222);
        ::testing::internal::CaptureStderr();
        Click(150, 440);  // "gallery" of the main menu
        const std::string err = ::testing::internal::GetCapturedStderr();
        ASSERT_EQ(e.ScreenMode, 5);
        EXPECT_EQ(err.find("p3.bmp") != std::string::npos, c.entries == 4) << err;
        EXPECT_EQ(DumpValue(e, "carousel"), c.start);
        EXPECT_EQ(DumpValue(e, "load_hover_button"), "0");
        EXPECT_EQ(DumpValue(e, "gallery_middle_open"), "1");
        EXPECT_EQ(ShownEntries(), c.shownAtStart);
        EXPECT_TRUE(Near(Shown(320, 350), kWhite));         // the page around the picture
        EXPECT_TRUE(Near(Shown(312, 339), kClosedColour));  // the frame
        EXPECT_TRUE(Near(Shown(512, 200), kGalleryColour));
        EXPECT_TRUE(CounterShown());

        // "next" on the strip: a slide of 16 refreshes, each presented, then the page at rest.
        e.FormMouseMove(600, 720);
        EXPECT_EQ(Shown(600, 720), kLitControl);
        EXPECT_EQ(Shown(400, 737), kStrip);
        const uint64_t presents = platform->presents();
        const uint64_t before = platform->Now();
        e.FormMouseDown(MouseButton::Left, 600, 720);
        EXPECT_EQ(platform->presents(), presents + 17);
        EXPECT_NEAR(static_cast<double>(platform->Now() - before), 16 * 1000.0 / 60, 2);
        EXPECT_EQ(DumpValue(e, "carousel"), c.forward);
        EXPECT_EQ(ShownEntries(), c.shownForward);
        EXPECT_EQ(Shown(600, 720), kLitControl);
        // A click right after a scroll is lost.
        e.FormMouseDown(MouseButton::Left, 600, 720);
        EXPECT_EQ(DumpValue(e, "carousel"), c.forward);

        // Back twice, by the screen's left edge, once the lock is over.
        Wait(750);
        Click(50, 491);
        Wait(750);
        e.FormMouseDown(MouseButton::Left, 50, 491);
        EXPECT_EQ(DumpValue(e, "carousel"), c.twiceBack);
        EXPECT_EQ(ShownEntries(), c.shownTwiceBack);
        EXPECT_EQ(e.ScreenMode, 5);

        // Back to the main menu; the carousel of the dump is the load screen's again.
        Wait(750);
        Click(500, 720);
        EXPECT_EQ(e.ScreenMode, 222);
        EXPECT_TRUE(Near(Shown(512, 384), kMainMenuColour));
        EXPECT_EQ(DumpValue(e, "carousel"), "0 0 0");
    }
}

TEST_F(GalleryScenario, FullViewOfAnOpenPictureOnlyAndAnEmptyGalleryStaysShut) {
    Engine& e = Start(4);
    Click(150, 440);
    ASSERT_EQ(e.ScreenMode, 5);
    // The open middle picture fills the screen, unscaled on its white page; any click returns.
    Click(400, 450);
    ASSERT_EQ(e.ScreenMode, 51);
    EXPECT_TRUE(Near(Shown(512, 384), kPictures[0]));
    EXPECT_TRUE(Near(Shown(200, 100), kWhite));
    e.FormMouseDown(MouseButton::Right, 5, 5);
    ASSERT_EQ(e.ScreenMode, 5);
    EXPECT_TRUE(Near(Shown(512, 200), kGalleryColour));
    EXPECT_EQ(EntryAt(512, 491), 0);

    // A locked middle picture is not shown larger: the carousel stays, yet the mode changes.
    Click(600, 720);
    Wait(750);
    Click(600, 720);
    Wait(750);
    ASSERT_EQ(DumpValue(e, "carousel"), "2 3 4");
    EXPECT_EQ(DumpValue(e, "gallery_middle_open"), "0");
    Click(400, 450);
    EXPECT_EQ(e.ScreenMode, 51);
    EXPECT_EQ(EntryAt(512, 491), 4);
    EXPECT_TRUE(Near(Shown(512, 200), kGalleryColour));
    e.FormMouseDown(MouseButton::Left, 5, 5);
    EXPECT_EQ(e.ScreenMode, 5);

    // A gallery without a usable line is not opened, whatever "gallery.scn" holds.
    for (const char* lines : {"", "\r\n\r\n", "no colon here\r\ngal_x:"}) {
        Engine& empty = Start(0);
        empty.lists.GalleryList.clear();
        std::istringstream in(lines);
        for (std::string line; std::getline(in, line, '\n');) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            empty.lists.GalleryList.push_back(line);
        }
        ::testing::internal::CaptureStderr();
        Click(150, 440);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(empty.ScreenMode, 222);
        EXPECT_NE(err.find("gallery"), std::string::npos) << err;
        EXPECT_TRUE(Near(Shown(512, 384), kMainMenuColour));
    }
}

}  // namespace
}  // namespace orvane
