// Glyph edges read from font pictures drawn here, in the layouts a phone font may come in.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "minigames/necro_glyphs.h"

namespace orvane {
namespace {

constexpr uint32_t kClear = MakePixel(0, 0, 0, 255);
constexpr uint32_t kBlack = MakePixel(0, 0, 0);
constexpr uint32_t kInk = MakePixel(250, 250, 250);
constexpr uint32_t kShade = MakePixel(90, 20, 20, 128);

// A 22-row font picture of `width` columns on `background`, with ink in the given columns
// (right exclusive), some of it only in the second style's rows. Below row 22 the picture holds
// noise, which the rows of the glyphs must not see.
Image FontPicture(int width, uint32_t background, const std::vector<std::pair<int, int>>& ink) {
    Image font(width, 40);
    std::fill(font.pixels.begin(), font.pixels.end(), background);
    bool lower = false;
    for (const auto& [left, right] : ink) {
        for (int x = left; x < right; ++x) font.at(x, lower ? 15 : 3 + (x % 5)) = kInk;
        lower = !lower;
    }
    for (int x = 0; x < width; ++x) font.at(x, 30) = kInk;
    return font;
}

std::vector<std::pair<int, int>> Edges(const std::vector<NecroGlyph>& glyphs) {
    std::vector<std::pair<int, int>> edges;
    for (const NecroGlyph& glyph : glyphs) edges.emplace_back(glyph.left, glyph.right);
    return edges;
}

TEST(NecroGlyphs, EdgesAreTheInkColumnsInEveryLayout) {
    struct Case {
        const char* layout;
        Image font;
        int count;
        std::vector<std::pair<int, int>> edges;
        bool problem;
    };
    Image shaded = FontPicture(30, kClear, {{2, 5}, {9, 12}});
    shaded.at(20, 1) = kShade;                     // half-transparent ink counts
    shaded.at(25, 2) = MakePixel(250, 0, 0, 255);  // a colour that is wholly transparent does not
    const Case cases[] = {
        {"transparent background, first glyph at column 0",
         FontPicture(40, kClear, {{0, 4}, {7, 11}, {12, 18}}),
         3,
         {{0, 4}, {7, 11}, {12, 18}},
         false},
        {"opaque black background, as a 24-bit picture",
         FontPicture(40, kBlack, {{1, 3}, {5, 9}, {30, 40}}),
         3,
         {{1, 3}, {5, 9}, {30, 40}},
         false},
        {"ink of either style's rows", shaded, 3, {{2, 5}, {9, 12}, {20, 21}}, false},
        // A quotation mark's two strokes stand closer than any two glyphs: they make one.
        {"a glyph in two parts",
         FontPicture(40, kClear, {{0, 2}, {3, 5}, {8, 12}, {15, 19}}),
         3,
         {{0, 5}, {8, 12}, {15, 19}},
         true},
        {"fewer glyphs than the font holds",
         FontPicture(40, kClear, {{4, 6}}),
         3,
         {{4, 6}, {0, 0}, {0, 0}},
         true},
        {"an empty picture", Image(), 2, {{0, 0}, {0, 0}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        std::string problem;
        const std::vector<NecroGlyph> glyphs = FindGlyphEdges(c.font, 22, c.count, problem);
        EXPECT_EQ(Edges(glyphs), c.edges);
        EXPECT_EQ(!problem.empty(), c.problem) << problem;
        for (const NecroGlyph& glyph : glyphs) {
            EXPECT_EQ(glyph.advance, glyph.present() ? glyph.right - glyph.left + 1 : 0);
        }
    }
}

}  // namespace
}  // namespace orvane
