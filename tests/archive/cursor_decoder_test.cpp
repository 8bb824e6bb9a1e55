#include <gtest/gtest.h>

#include "archive/cursor_decoder.h"
#include "support/cursor_file.h"
#include "support/game_folder.h"

namespace orvane {
namespace {

using testing::CursorEntry;
using testing::CursorFileOf;
using testing::DibOf;
using testing::PngOf;

constexpr uint32_t kWhite = MakePixel(255, 255, 255);
constexpr uint32_t kClear = MakePixel(0, 0, 0, 255);

// The left half see-through, the right half white; one pixel half transparent.
Image Arrow(int side) {
    Image picture = testing::Solid(side, side, kWhite);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side / 2; ++x) picture.at(x, y) = kClear;
    }
    picture.at(side - 1, 0) = MakePixel(255, 0, 0, 127);
    return picture;
}

TEST(CursorDecoder, ReadsBitmapAndPngEntriesWithTheirTransparencyAndHotSpot) {
    struct Case {
        const char* what;
        std::string file;
        int side;
        bool halfTransparent;  // the alpha pixel survives (only where there is alpha)
        int hotX, hotY;
    };
    const Image arrow = Arrow(32);
    const Case cases[] = {
        {"monochrome", CursorFileOf({{32, 3, 4, DibOf(arrow, 1)}}), 32, false, 3, 4},
        {"32-bit alpha", CursorFileOf({{32, 31, 31, DibOf(arrow, 32)}}), 32, true, 31, 31},
        {"32-bit, mask only", CursorFileOf({{32, 0, 0, DibOf(arrow, 32, false)}}), 32, false, 0, 0},
        {"png", CursorFileOf({{32, 5, 6, PngOf(arrow)}}), 32, true, 5, 6},
        // The entry nearest the usual size is taken; a hot spot off the picture is held to it.
        {"two sizes",
         CursorFileOf({{16, 1, 1, DibOf(Arrow(16), 1)}, {40, 99, 2, DibOf(Arrow(40), 1)}}), 40,
         false, 39, 2},
        // An icon points with its centre.
        {"icon", CursorFileOf({{32, 1, 1, DibOf(arrow, 1)}}, 1), 32, false, 16, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CursorPicture cursor;
        std::string error;
        ASSERT_TRUE(DecodeCursor(c.file, cursor, error)) << error;
        ASSERT_EQ(cursor.picture.width, c.side);
        ASSERT_EQ(cursor.picture.height, c.side);
        EXPECT_EQ(PixelT(cursor.picture.at(0, c.side - 1)), 255);
        EXPECT_EQ(cursor.picture.at(c.side - 1, c.side - 1), kWhite);
        const uint32_t corner = cursor.picture.at(c.side - 1, 0);
        if (c.halfTransparent) {
            EXPECT_EQ(corner, MakePixel(255, 0, 0, 127));
        }
        EXPECT_EQ(cursor.hotX, c.hotX);
        EXPECT_EQ(cursor.hotY, c.hotY);
    }
}

TEST(CursorDecoder, RefusesDamagedFilesWithAReason) {
    const std::string good = CursorFileOf({{32, 0, 0, DibOf(Arrow(32), 1)}});
    std::string badOffset = good;
    badOffset[18] = '\x7F';  // the entry's offset points past the end
    std::string noMask = DibOf(Arrow(32), 1);
    noMask.resize(noMask.size() - 4 * 32);
    std::string giant = DibOf(Arrow(32), 1);
    giant[4] = '\x2C';  // 300 wide
    giant[5] = '\x01';
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"not a cursor", "RIFF\0\0\0\0ACON"},
        {"no entries", std::string("\0\0\2\0\0\0", 6)},
        {"directory cut short", good.substr(0, 12)},
        {"picture outside the file", badOffset},
        {"picture cut short", good.substr(0, good.size() - 200)},
        {"mask missing", CursorFileOf({{32, 0, 0, noMask}})},
        {"too large", CursorFileOf({{32, 0, 0, giant}})},
        {"broken png", CursorFileOf({{32, 0, 0, PngOf(Arrow(32)).substr(0, 40)}})},
        {"huge png", CursorFileOf({{0, 0, 0, PngOf(testing::Solid(300, 2, kWhite))}})},
    };
    for (const auto& [what, file] : cases) {
        SCOPED_TRACE(what);
        CursorPicture cursor;
        cursor.hotX = 7;
        std::string error;
        EXPECT_FALSE(DecodeCursor(file, cursor, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(cursor.hotX, 7);
        EXPECT_TRUE(cursor.picture.empty());
    }
}

}  // namespace
}  // namespace orvane
