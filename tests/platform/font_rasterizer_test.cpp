#include "platform/font_rasterizer.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "base/text.h"
#include "platform/glyph_cache.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

using testing::ReadWholeFile;
using testing::TempDir;

constexpr char kDejaVuSansMono[] = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
constexpr uint32_t kPaper = MakePixel(255, 255, 255);
constexpr uint32_t kInk = 0x000000;

FontSpec Font(const std::string& face, int size = 12) {
    return FontSpec{.face = face, .size = size};
}

// A copy of DejaVu Sans Mono whose family is "Orvane Test Mono": a family nothing else carries,
// with a regular face only, so that its bold and italic must be made up.
std::filesystem::path SingleStyleFont(const TempDir& dir) {
    std::string bytes = ReadWholeFile(kDejaVuSansMono);
    auto rename = [&bytes](const std::string& from, const std::string& to) {
        for (size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at)) {
            bytes.replace(at, from.size(), to);
        }
    };
    auto utf16 = [](const std::string& ascii) {
        std::string out;
        for (char c : ascii) out += std::string(1, '\0') + c;
        return out;
    };
    rename("DejaVu Sans Mono", "Orvane Test Mono");
    rename(utf16("DejaVu Sans Mono"), utf16("Orvane Test Mono"));
    return dir.Write("game_font.bin", bytes);
}

struct Drawing {
    Image image{64, 64};
    int advance = 0;
};

Drawing Draw(FontRasterizer& fonts, const FontSpec& font, char c, int x = 8, int top = 8) {
    Drawing d;
    std::fill(d.image.pixels.begin(), d.image.pixels.end(), kPaper);
    d.advance = fonts.DrawChar(d.image, x, top, font, kInk, c);
    return d;
}

// Total darkness of the ink, in 0..255 steps per pixel.
int64_t Ink(const Image& image, int top = 0, int bottom = INT_MAX) {
    int64_t sum = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, image.height); ++y) {
        for (int x = 0; x < image.width; ++x) sum += 255 - PixelRed(image.at(x, y));
    }
    return sum;
}

// How far the ink of the top quarter of the inked rows lies right of that of the bottom quarter.
double Lean(const Image& image) {
    std::vector<double> weighted(image.height), total(image.height);
    int first = image.height, last = -1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const int ink = 255 - PixelRed(image.at(x, y));
            weighted[y] += static_cast<double>(ink) * x;
            total[y] += ink;
        }
        if (total[y] > 0) first = std::min(first, y), last = y;
    }
    if (last < first) return 0;
    auto column = [&](int from, int to) {
        double w = 0, t = 0;
        for (int y = from; y < to; ++y) w += weighted[y], t += total[y];
        return w / t;
    };
    const int quarter = std::max(1, (last - first + 1) / 4);
    return column(first, first + quarter) - column(last + 1 - quarter, last + 1);
}

bool RowFullyInked(const Image& image, int y, int x, int width) {
    for (int i = x; i < x + width; ++i) {
        if (image.at(i, y) != MakePixel(0, 0, 0)) return false;
    }
    return true;
}

TEST(FontRasterizer, HeightValueAndCellFollowTheEmOfSizeTimes96Over72) {
    EXPECT_EQ(FontRasterizer::HeightValue(12), -16);
    EXPECT_EQ(FontRasterizer::HeightValue(10), -13);
    EXPECT_EQ(FontRasterizer::HeightValue(7), -9);
    FontRasterizer fonts;
    // DejaVu Sans has Windows ascent 1901 and descent 483 per 2048 units: 14.85 up, 3.77 down.
    EXPECT_EQ(fonts.Ascent(Font("DejaVu Sans")), 15);
    EXPECT_EQ(fonts.CellHeight(Font("DejaVu Sans")), 19);
    EXPECT_GT(fonts.CellHeight(Font("DejaVu Sans", 24)), 2 * 19 - 2);
}

TEST(FontRasterizer, EveryPrintableCodePageCharacterDrawsInk) {
    EXPECT_EQ(Cp1251ToCodePoint('\xC6'), U'\u0416');
    EXPECT_EQ(Cp1251ToCodePoint('\xB9'), U'\u2116');
    FontRasterizer fonts;
    for (int byte = 0x21; byte <= 0xFF; ++byte) {
        // No glyph: delete, the unassigned 0x98, and the no-break space.
        if (byte == 0x7F || byte == 0x98 || byte == 0xA0) continue;
        const Drawing d = Draw(fonts, Font("DejaVu Sans"), static_cast<char>(byte));
        EXPECT_GT(Ink(d.image), 0) << "byte " << byte;
        EXPECT_GT(d.advance, 0) << "byte " << byte;
    }
}

TEST(FontRasterizer, UnknownFamilyDrawsWithASubstitute) {
    FontRasterizer fonts;
    EXPECT_FALSE(fonts.FontFile(Font("NoSuchFontFamily")).empty());
    const Drawing latin = Draw(fonts, Font("NoSuchFontFamily"), 'g');
    const Drawing cyrillic = Draw(fonts, Font("NoSuchFontFamily"), '\xE6');  // ж
    EXPECT_GT(Ink(latin.image), 0);
    EXPECT_GT(Ink(cyrillic.image), 0);
    EXPECT_EQ(latin.advance, fonts.CharWidth(Font("NoSuchFontFamily"), 'g'));
}

TEST(FontRasterizer, BoldUsesTheBoldFaceOrEmboldens) {
    TempDir dir;
    FontRasterizer fonts;
    std::string error;
    ASSERT_TRUE(fonts.RegisterFontFile(SingleStyleFont(dir), error)) << error;
    for (const char* family : {"DejaVu Sans", "Orvane Test Mono"}) {
        FontSpec regular = Font(family, 14);
        FontSpec bold = regular;
        bold.bold = true;
        const Drawing thin = Draw(fonts, regular, 'H');
        const Drawing thick = Draw(fonts, bold, 'H');
        EXPECT_GT(Ink(thick.image), Ink(thin.image) * 11 / 10) << family;
        EXPECT_GE(thick.advance, thin.advance) << family;
        // The cell does not change with the weight.
        EXPECT_EQ(fonts.CellHeight(bold), fonts.CellHeight(regular)) << family;
    }
    FontSpec bold = Font("DejaVu Sans");
    bold.bold = true;
    EXPECT_NE(fonts.FontFile(bold), fonts.FontFile(Font("DejaVu Sans")));
    // Made-up bold is wider by the overstrike.
    FontSpec mono = Font("Orvane Test Mono");
    FontSpec monoBold = mono;
    monoBold.bold = true;
    EXPECT_EQ(fonts.FontFile(monoBold), fonts.FontFile(mono));
    EXPECT_EQ(fonts.CharWidth(monoBold, 'H'), fonts.CharWidth(mono, 'H') + 1);
}

TEST(FontRasterizer, ItalicLeansTheTopToTheRight) {
    TempDir dir;
    FontRasterizer fonts;
    std::string error;
    ASSERT_TRUE(fonts.RegisterFontFile(SingleStyleFont(dir), error)) << error;
    for (const char* family : {"DejaVu Sans", "Orvane Test Mono"}) {
        FontSpec upright = Font(family, 24);
        FontSpec italic = upright;
        italic.italic = true;
        const Drawing straight = Draw(fonts, upright, 'I');
        const Drawing leaning = Draw(fonts, italic, 'I');
        const double straightLean = Lean(straight.image), lean = Lean(leaning.image);
        EXPECT_NEAR(straightLean, 0, 0.5) << family;
        EXPECT_GT(lean, 2) << family;
        EXPECT_EQ(leaning.advance, straight.advance) << family;
    }
}

TEST(FontRasterizer, UnderlineAndStrikeoutAreLinesAcrossTheAdvance) {
    FontRasterizer fonts;
    FontSpec font = Font("DejaVu Sans", 16);
    const int top = 8, baseline = top + fonts.Ascent(font);
    const int cellBottom = top + fonts.CellHeight(font);
    auto fullRows = [&](const Drawing& d, int from, int to) {
        int rows = 0;
        for (int y = from; y < to; ++y) rows += RowFullyInked(d.image, y, 8, d.advance);
        return rows;
    };
    // A space has no ink of its own, so every inked pixel is the line's.
    font.underline = true;
    const Drawing underlined = Draw(fonts, font, ' ', 8, top);
    EXPECT_GE(fullRows(underlined, baseline, cellBottom), 1);
    EXPECT_EQ(Ink(underlined.image, 0, baseline) + Ink(underlined.image, cellBottom), 0);
    EXPECT_EQ(255 - PixelRed(underlined.image.at(8 + underlined.advance, baseline + 2)), 0);

    font.underline = false;
    font.strikeout = true;
    const Drawing struck = Draw(fonts, font, ' ', 8, top);
    const int xHeightTop = baseline - (baseline - top) / 2;
    EXPECT_GE(fullRows(struck, xHeightTop, baseline), 1);
    EXPECT_EQ(Ink(struck.image, baseline), 0);
}

TEST(FontRasterizer, ColourReachesCoveredPixelsAndLeavesTheRestAlone) {
    FontRasterizer fonts;
    const uint32_t under = MakePixel(200, 100, 50, 255);
    Image image(48, 48);
    std::fill(image.pixels.begin(), image.pixels.end(), under);
    fonts.DrawChar(image, 4, 4, Font("DejaVu Sans", 24), 0x123456, 'H');
    int full = 0, partial = 0;
    for (uint32_t p : image.pixels) {
        if (p == under) continue;
        ASSERT_EQ(PixelT(p), 0);
        if (p == MakePixel(0x12, 0x34, 0x56)) {
            ++full;
            continue;
        }
        ++partial;
        // Between the colour and what was under it, channel by channel.
        EXPECT_TRUE(PixelRed(p) >= 0x12 && PixelRed(p) <= 200);
        EXPECT_TRUE(PixelGreen(p) >= 0x34 && PixelGreen(p) <= 100);
        EXPECT_TRUE(PixelBlue(p) >= 50 && PixelBlue(p) <= 0x56);
    }
    EXPECT_GT(full, 20);
    EXPECT_GT(partial, 0) << "antialiased edges";
}

TEST(FontRasterizer, OpaqueBackgroundFillsExactlyTheCell) {
    FontRasterizer fonts;
    const FontSpec font = Font("DejaVu Sans", 12);
    Image image(40, 40);
    const int advance = fonts.DrawChar(image, 5, 6, font, 0xFFFFFF, '.', 0x0000FF);
    const int bottom = 6 + fonts.CellHeight(font);
    const uint32_t blue = MakePixel(0, 0, 255);
    EXPECT_EQ(image.at(5, 6), blue);
    EXPECT_EQ(image.at(5 + advance - 1, bottom - 1), blue);
    EXPECT_EQ(image.at(4, 6), 0u);
    EXPECT_EQ(image.at(5 + advance, 6), 0u);
    EXPECT_EQ(image.at(5, 5), 0u);
    EXPECT_EQ(image.at(5, bottom), 0u);
}

TEST(FontRasterizer, DrawingOffTheEdgesIsClipped) {
    TempDir dir;
    FontRasterizer fonts;
    std::string error;
    ASSERT_TRUE(fonts.RegisterFontFile(SingleStyleFont(dir), error)) << error;
    FontSpec font{.face = "Orvane Test Mono",
                  .size = 48,
                  .bold = true,
                  .italic = true,
                  .underline = true,
                  .strikeout = true};
    Image image(10, 10), empty;
    for (auto [x, y] : {std::pair{-20, -20},
                        {-3, 2},
                        {7, 7},
                        {2, -40},
                        {INT_MAX, INT_MAX},
                        {INT_MIN, INT_MIN},
                        {INT_MIN, 0}}) {
        fonts.DrawChar(image, x, y, font, 0xFF0000, '\xC9', 0x00FF00);
        fonts.DrawChar(empty, x, y, font, 0xFF0000, 'W', 0x00FF00);
    }
    EXPECT_NE(image.at(9, 9), 0u);
}

TEST(FontRasterizer, RegisteredFileIsFoundByItsFamilyName) {
    TempDir dir;
    const auto file = SingleStyleFont(dir);
    FontRasterizer fonts;
    const FontSpec font = Font("Orvane Test Mono");
    EXPECT_NE(fonts.FontFile(font), file);
    std::string error;
    ASSERT_TRUE(fonts.RegisterFontFile(file, error)) << error;
    EXPECT_EQ(fonts.FontFile(font), file);
    EXPECT_EQ(fonts.CharWidth(font, 'i'), fonts.CharWidth(font, 'W')) << "monospaced";
    // Another rasterizer does not see the registration.
    FontRasterizer other;
    EXPECT_NE(other.FontFile(font), file);
}

TEST(FontRasterizer, BadFontFilesAreRefusedWithAMessage) {
    TempDir dir;
    const std::string font = ReadWholeFile(kDejaVuSansMono);
    FontRasterizer fonts;
    for (const auto& file :
         {dir.Write("notes.ttf", "not a font at all"), dir.Write("cut.ttf", font.substr(0, 300)),
          dir / "missing.ttf", dir.path()}) {
        std::string error;
        EXPECT_FALSE(fonts.RegisterFontFile(file, error)) << file;
        EXPECT_NE(error.find(file.filename().string()), std::string::npos) << error;
    }
}

// Random damage past the table directory: whatever FreeType makes of it, drawing must not crash.
TEST(FontRasterizer, DamagedFontDrawsWithoutCrashing) {
    TempDir dir;
    std::string bytes = ReadWholeFile(SingleStyleFont(dir));
    std::mt19937 rng(7);
    std::uniform_int_distribution<size_t> at(512, bytes.size() - 1);
    for (int i = 0; i < 2000; ++i) bytes[at(rng)] = static_cast<char>(rng());
    FontRasterizer fonts;
    std::string error;
    const auto file = dir.Write("damaged.ttf", bytes);
    // With this damage FreeType still opens the face; what breaks is in the glyphs.
    ASSERT_TRUE(fonts.RegisterFontFile(file, error)) << error;
    ASSERT_EQ(fonts.FontFile(Font("Orvane Test Mono")), file);
    Image image(64, 64);
    for (bool bold : {false, true}) {
        const FontSpec font{.face = "Orvane Test Mono", .size = 20, .bold = bold, .italic = bold};
        for (int c = 0; c < 256; ++c) fonts.DrawChar(image, 4, 4, font, 0, static_cast<char>(c));
    }
}

// The made-up styles share the face of the regular one, so only the cache key keeps them apart.
TEST(FontRasterizer, CachedGlyphsKeepTheirStyleAndSize) {
    TempDir dir;
    const auto file = SingleStyleFont(dir);
    FontRasterizer fonts, fresh;
    std::string error;
    ASSERT_TRUE(fonts.RegisterFontFile(file, error)) << error;
    ASSERT_TRUE(fresh.RegisterFontFile(file, error)) << error;
    const FontSpec regular = Font("Orvane Test Mono");
    FontSpec bold = regular, italic = regular;
    bold.bold = true;
    italic.italic = true;
    const Drawing first = Draw(fonts, regular, 'R');
    Draw(fonts, bold, 'R');
    Draw(fonts, italic, 'R');
    Draw(fonts, Font("Orvane Test Mono", 20), 'R');
    EXPECT_EQ(Draw(fonts, regular, 'R').image.pixels, first.image.pixels);
    EXPECT_EQ(Draw(fresh, bold, 'R').image.pixels, Draw(fonts, bold, 'R').image.pixels);
    EXPECT_EQ(Draw(fresh, italic, 'R').image.pixels, Draw(fonts, italic, 'R').image.pixels);
}

TEST(GlyphCache, DropsTheLeastRecentlyUsedFirst) {
    auto key = [](char32_t c) { return GlyphKey{.face = 0, .pixelEm = 16, .codePoint = c}; };
    auto glyph = [](int advance, size_t bytes = 0) {
        GlyphBitmap g;
        g.advance = advance;
        g.coverage.resize(bytes);
        return g;
    };
    GlyphCache byCount(2, size_t{1} << 20);
    byCount.Insert(key('a'), glyph(1));
    byCount.Insert(key('b'), glyph(2));
    ASSERT_NE(byCount.Find(key('a')), nullptr);
    byCount.Insert(key('c'), glyph(3));
    EXPECT_EQ(byCount.Find(key('b')), nullptr);
    EXPECT_EQ(byCount.Find(key('a'))->advance, 1);
    EXPECT_EQ(byCount.size(), 2u);

    GlyphCache byBytes(100, 10000);
    byBytes.Insert(key('a'), glyph(1, 4000));
    byBytes.Insert(key('b'), glyph(2, 4000));
    EXPECT_EQ(byBytes.Insert(key('c'), glyph(3, 50000)).advance, 3) << "the newest always stays";
    EXPECT_EQ(byBytes.size(), 1u);
    byBytes.Insert(key('c'), glyph(4, 10));
    EXPECT_EQ(byBytes.Find(key('c'))->advance, 4);
    EXPECT_LT(byBytes.bytes(), 10000u);
}

}  // namespace
}  // namespace orvane
