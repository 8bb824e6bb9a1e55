// Hand-made BMP files for what the public suite does not pin down: where T comes from, how
// narrow channels widen, what run-length data leaves unset, and hostile headers.
#include "archive/bmp_decoder.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "archive/bmp_writer.h"

namespace orvane {
namespace {

struct BmpParts {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> masks{};    // written after a 40-byte header, inside a longer one
    std::vector<uint32_t> palette{};  // 0x00RRGGBB
    std::string pixels{};
};

void Put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string BuildBmp(const BmpParts& parts) {
    std::string info;
    const bool core = parts.headerSize == 12;
    Put(info, parts.headerSize, 4);
    Put(info, static_cast<uint32_t>(parts.width), core ? 2 : 4);
    Put(info, static_cast<uint32_t>(parts.height), core ? 2 : 4);
    Put(info, parts.planes, 2);
    Put(info, parts.bitCount, 2);
    if (!core) {
        for (uint32_t value : {parts.compression, 0u, 2835u, 2835u, parts.colorsUsed, 0u}) {
            Put(info, value, 4);
        }
    }
    for (uint32_t mask : parts.masks) Put(info, mask, 4);
    if (info.size() < parts.headerSize) info.resize(parts.headerSize, '\0');
    for (uint32_t colour : parts.palette) Put(info, colour, core ? 3 : 4);
    std::string file = "BM";
    Put(file, static_cast<uint32_t>(14 + info.size() + parts.pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, static_cast<uint32_t>(14 + info.size()), 4);
    return file + info + parts.pixels;
}

Image MustDecode(const std::string& bytes) {
    Image image;
    std::string error;
    EXPECT_TRUE(DecodeBmp(bytes, image, error)) << error;
    return image;
}

TEST(DecodeBmp, OnlyUnmaskedThirtyTwoBitPixelsCarryT) {
    BmpParts parts{.bitCount = 32, .pixels = std::string("\x30\x20\x10\x80", 4)};
    EXPECT_EQ(MustDecode(BuildBmp(parts)).at(0, 0), MakePixel(0x10, 0x20, 0x30, 0x80));

    parts.compression = 3;
    parts.masks = {0xFF0000, 0xFF00, 0xFF};
    EXPECT_EQ(MustDecode(BuildBmp(parts)).at(0, 0), MakePixel(0x10, 0x20, 0x30, 0));
    parts.headerSize = 124;  // the masks of a V5 header, same rule
    EXPECT_EQ(MustDecode(BuildBmp(parts)).at(0, 0), MakePixel(0x10, 0x20, 0x30, 0));
}

TEST(DecodeBmp, NarrowChannelsWidenByRepeatingTheirBits) {
    // 5-6-5: full scale becomes 255, the smallest step 8 (red) and 4 (green).
    BmpParts parts{.width = 3, .bitCount = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x1F}};
    parts.pixels = std::string("\xFF\xFF\x00\x08\x20\x00\x00\x00", 8);
    Image image = MustDecode(BuildBmp(parts));
    EXPECT_EQ(image.at(0, 0), MakePixel(255, 255, 255));
    EXPECT_EQ(image.at(1, 0), MakePixel(8, 0, 0));
    EXPECT_EQ(image.at(2, 0), MakePixel(0, 4, 0));

    // Plain 16-bit is 5-5-5; the top bit is ignored.
    parts = BmpParts{.bitCount = 16, .pixels = std::string("\x1F\xFC\x00\x00", 4)};
    EXPECT_EQ(MustDecode(BuildBmp(parts)).at(0, 0), MakePixel(255, 0, 255));

    // A 1-bit channel is 0 or 255; a 12-bit one keeps its top 8 bits.
    parts = BmpParts{.bitCount = 32, .compression = 3, .masks = {0x80000000, 0xFFF, 0}};
    parts.pixels = std::string("\xBC\x0A\x00\x80", 4);
    EXPECT_EQ(MustDecode(BuildBmp(parts)).at(0, 0), MakePixel(255, 0xAB, 0));
}

TEST(DecodeBmp, IndexesPastAShortPaletteAreBlack) {
    BmpParts parts{.width = 4, .bitCount = 8, .colorsUsed = 2, .palette = {0x112233, 0x445566}};
    parts.pixels = std::string("\x01\x00\x02\xFF", 4);
    Image image = MustDecode(BuildBmp(parts));
    EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0x445566, 0x112233, 0, 0}));

    // The OS/2 header has three-byte palette entries.
    parts = BmpParts{.headerSize = 12, .width = 3, .bitCount = 4, .pixels = std::string(4, 0)};
    parts.palette.assign(16, 0);
    parts.palette[1] = 0xABCDEF;
    parts.palette[15] = 0x123456;
    parts.pixels[0] = 0x1F;
    image = MustDecode(BuildBmp(parts));
    EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0xABCDEF, 0x123456, 0}));
}

TEST(DecodeBmp, RunLengthPixels) {
    // Index 0 is white, so pixels the data skips must still come out black with T = 0.
    BmpParts parts{.width = 4, .height = 3, .bitCount = 8, .compression = 1};
    parts.palette = {0xFFFFFF, 0x0000AA, 0x00BB00};
    parts.pixels = std::string(
        "\x00\x02\x02\x00"           // delta: right 2
        "\x05\x01"                   // runs past the right edge: clipped, not wrapped
        "\x00\x00"                   // end of line
        "\x00\x02\x01\x00"           // delta: right 1
        "\x00\x03\x02\x00\x01\x00"   // absolute run 2 0 1, padded to an even length
        "\x00\x00\x01\x02"           // end of line, one of colour 2
        "\x00\x02\x02\x00\x01\x01",  // delta, then the data ends without a mark
        28);
    Image image = MustDecode(BuildBmp(parts));
    const uint32_t w = 0xFFFFFF, r = 0x0000AA, g = 0x00BB00;
    EXPECT_EQ(image.pixels, (std::vector<uint32_t>{g, 0, 0, r,  //
                                                   0, g, w, r,  //
                                                   0, 0, r, r}));

    // Four-bit runs alternate nibbles; a delta may move up a row; nothing counts after the end.
    parts = BmpParts{.width = 5, .height = 2, .bitCount = 4, .compression = 2};
    parts.palette = {9, 1, 2, 3};
    parts.pixels = std::string("\x03\x12\x00\x02\x00\x01\x00\x03\x30\x10\x00\x01\x01\x33", 14);
    image = MustDecode(BuildBmp(parts));
    EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0, 0, 0, 3, 9, 1, 2, 1, 0, 0}));
}

TEST(DecodeBmp, RejectsBadHeadersWithAMessage) {
    const auto variant = [](auto edit) {
        BmpParts parts{.width = 2, .height = 2, .pixels = std::string(16, '\x7F')};
        edit(parts);
        return parts;
    };
    const std::pair<const char*, BmpParts> cases[] = {
        {"header size 64", variant([](BmpParts& p) { p.headerSize = 64; })},
        {"two planes", variant([](BmpParts& p) { p.planes = 2; })},
        {"2 bits", variant([](BmpParts& p) { p.bitCount = 2; })},
        {"16 bits in an OS/2 header",
         variant([](BmpParts& p) { p.headerSize = 12, p.bitCount = 16; })},
        {"RLE8 at 4 bits", variant([](BmpParts& p) { p.bitCount = 4, p.compression = 1; })},
        {"unknown compression", variant([](BmpParts& p) { p.compression = 4; })},
        {"top-down RLE",
         variant([](BmpParts& p) { p.bitCount = 8, p.compression = 1, p.height = -2; })},
        {"zero width", variant([](BmpParts& p) { p.width = 0; })},
        {"negative width", variant([](BmpParts& p) { p.width = -2; })},
        {"most negative height", variant([](BmpParts& p) { p.height = INT32_MIN; })},
        {"300 colours", variant([](BmpParts& p) { p.bitCount = 8, p.colorsUsed = 300; })},
        {"mask with a gap", variant([](BmpParts& p) {
             p.bitCount = 16, p.compression = 3, p.masks = {0xF00F, 0, 0};
         })},
        {"mask wider than the pixel", variant([](BmpParts& p) {
             p.bitCount = 16, p.compression = 3, p.masks = {0x1F0000, 0, 0};
         })},
        {"short pixel data", variant([](BmpParts& p) { p.pixels.resize(13); })},
        {"big picture, tiny file", variant([](BmpParts& p) { p.width = 16384, p.height = 4096; })},
        {"too wide", variant([](BmpParts& p) { p.width = 16385; })},
        {"too many pixels", variant([](BmpParts& p) { p.width = 16384, p.height = -16384; })},
        // Run-length data may legitimately be tiny, so only the size limits stop this one.
        {"huge run-length", variant([](BmpParts& p) {
             p.width = 3000000, p.height = 2000000, p.bitCount = 8, p.compression = 1;
         })},
    };
    for (const auto& [what, parts] : cases) {
        SCOPED_TRACE(what);
        Image image(1, 1);
        std::string error;
        EXPECT_FALSE(DecodeBmp(BuildBmp(parts), image, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(image.width, 1);  // left alone
    }
    Image image;
    std::string error;
    EXPECT_FALSE(DecodeBmp("GIF89a", image, error));
    EXPECT_NE(error.find("BMP"), std::string::npos);
    std::string offsetPastEnd = BuildBmp(variant([](BmpParts&) {}));
    offsetPastEnd[10] = '\x7F';
    EXPECT_FALSE(DecodeBmp(offsetPastEnd, image, error));
}

// Every prefix lives in a heap block of its own size, so ASan sees any read past its end.
void DecodeEveryPrefix(const std::string& bytes) {
    for (size_t length = 0; length <= bytes.size(); ++length) {
        const std::vector<char> prefix(bytes.begin(), bytes.begin() + length);
        Image image;
        std::string error;
        if (DecodeBmp(std::string_view(prefix.data(), length), image, error)) {
            EXPECT_EQ(image.pixels.size(), static_cast<size_t>(image.width) * image.height);
        } else {
            EXPECT_FALSE(error.empty()) << length;
        }
    }
}

TEST(DecodeBmp, TruncatedFilesAreRejectedOrDecodedSafely) {
    Image picture(5, 3);
    for (size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = 0x01020304u * i;
    DecodeEveryPrefix(EncodeBmp24(picture));
    BmpParts runLength{.width = 9, .height = 2, .bitCount = 4, .compression = 2};
    runLength.palette = {0, 0x0000FF};
    runLength.pixels = std::string("\x04\x01\x00\x05\x11\x10\x00\x00\x00\x02\x03\x01\x00\x01", 14);
    DecodeEveryPrefix(BuildBmp(runLength));
    BmpParts masked{.headerSize = 108, .width = 3, .bitCount = 16, .compression = 3};
    masked.masks = {0xF800, 0x07E0, 0x1F};
    masked.pixels = std::string(8, 'x');
    DecodeEveryPrefix(BuildBmp(masked));
}

}  // namespace
}  // namespace orvane
