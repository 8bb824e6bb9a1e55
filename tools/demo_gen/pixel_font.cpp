#include "pixel_font.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "base/text.h"
#include "platform/font_library.h"
#include "platform/font_matcher.h"

namespace orvane::demo {
namespace {

// Narrow letters fit more of them on the display and in the 196 columns of a font picture.
constexpr char kFamily[] = "DejaVu Sans Condensed";
// An outer column or row whose strongest pixel is fainter than this is smoothing's fringe, not a
// stroke: a column of its own would widen every letter for little the eye sees.
constexpr int kStrokeCoverage = 100;
// Fainter pixels are dropped everywhere, so that what remains of a letter reads as ink.
constexpr int kFaintestInk = 24;

// The characters of the phone's three fonts: "!" to "?", then the Cyrillic capitals and small
// letters.
bool InPhoneFonts(unsigned c) {
    return (c >= 33 && c <= 63) || c >= 192;
}

}  // namespace

PixelFont::PixelFont(int pixelEm) : pixelEm_(pixelEm), library_(std::make_unique<FontLibrary>()) {
    FontMatcher matcher;
    const std::optional<FontMatch> match = matcher.Match({kFamily, false, false, pixelEm});
    if (!match) {
        std::fprintf(stderr, "orvane-demo-gen: fontconfig knows no font for the phone's letters\n");
        return;
    }
    std::string error;
    face_ = library_->Open(match->file, match->index, error);
    if (face_ < 0) {
        std::fprintf(stderr, "orvane-demo-gen: %s\n", error.c_str());
        return;
    }
    int highest = 0, lowest = 0;
    for (unsigned c = 33; c < 256; ++c) {
        if (!InPhoneFonts(c)) continue;
        const PixelGlyph glyph = Glyph(static_cast<unsigned char>(c));
        if (glyph.width == 0) continue;
        highest = std::min(highest, glyph.top);
        lowest = std::max(lowest, glyph.top + glyph.height);
    }
    ascent_ = -highest;
    lineHeight_ = lowest - highest;
}

PixelFont::~PixelFont() = default;

PixelGlyph PixelFont::Glyph(unsigned char cp1251) const {
    PixelGlyph out;
    if (face_ < 0) return out;
    const GlyphBitmap bitmap =
        library_->Render(face_, pixelEm_, {}, Cp1251ToCodePoint(static_cast<char>(cp1251)));
    if (bitmap.empty()) return out;
    const auto raw = [&](int x, int y) {
        return static_cast<int>(bitmap.coverage[static_cast<size_t>(y) * bitmap.width + x]);
    };
    std::vector<int> columnPeak(static_cast<size_t>(bitmap.width), 0);
    std::vector<int> rowPeak(static_cast<size_t>(bitmap.height), 0);
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            columnPeak[static_cast<size_t>(x)] = std::max(columnPeak[x], raw(x, y));
            rowPeak[static_cast<size_t>(y)] = std::max(rowPeak[y], raw(x, y));
        }
    }
    const auto stroke = [](int peak) { return peak >= kStrokeCoverage; };
    const auto firstColumn = std::find_if(columnPeak.begin(), columnPeak.end(), stroke);
    if (firstColumn == columnPeak.end()) return out;
    const int x0 = static_cast<int>(firstColumn - columnPeak.begin());
    const int x1 = static_cast<int>(columnPeak.rend() -
                                    std::find_if(columnPeak.rbegin(), columnPeak.rend(), stroke));
    const int y0 =
        static_cast<int>(std::find_if(rowPeak.begin(), rowPeak.end(), stroke) - rowPeak.begin());
    const int y1 =
        static_cast<int>(rowPeak.rend() - std::find_if(rowPeak.rbegin(), rowPeak.rend(), stroke));
    // A faint outer column or row is folded into its neighbour rather than dropped: a stem that
    // the hinting left between two columns (the stem of "к") keeps all its ink, in one column.
    const int boxWidth = x1 - x0, boxHeight = y1 - y0;
    std::vector<int> box(static_cast<size_t>(boxWidth) * boxHeight, 0);
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const int bx = std::clamp(x, x0, x1 - 1) - x0, by = std::clamp(y, y0, y1 - 1) - y0;
            int& cell = box[static_cast<size_t>(by) * boxWidth + bx];
            cell = std::min(255, cell + raw(x, y));
        }
    }
    const auto cover = [&](int bx, int by) {
        const int c = box[static_cast<size_t>(by) * boxWidth + bx];
        return static_cast<uint8_t>(c >= kFaintestInk ? c : 0);
    };
    std::vector<int> columns;
    for (int bx = 0; bx < boxWidth; ++bx) {
        bool inked = false;
        for (int by = 0; by < boxHeight; ++by) inked = inked || cover(bx, by) > 0;
        if (inked) columns.push_back(bx);
    }
    out.width = static_cast<int>(columns.size());
    out.height = boxHeight;
    out.top = y0 - bitmap.top;
    out.cover.assign(static_cast<size_t>(out.width) * out.height, 0);
    for (int i = 0; i < out.width; ++i) {
        for (int by = 0; by < out.height; ++by) {
            out.cover[static_cast<size_t>(by) * out.width + i] = cover(columns[i], by);
        }
    }
    return out;
}

int PixelFont::Width(std::string_view cp1251, int space) const {
    int width = 0;
    bool afterLetter = false;
    for (char c : cp1251) {
        const PixelGlyph glyph = Glyph(static_cast<unsigned char>(c));
        if (glyph.width == 0) {
            width += space;
            afterLetter = false;
            continue;
        }
        width += glyph.width + (afterLetter ? 1 : 0);
        afterLetter = true;
    }
    return width;
}

void PixelFont::Write(std::string_view cp1251, int x, int top,
                      const std::function<void(int x, int y, float cover)>& ink, int space) const {
    const int baseline = top + ascent_;
    bool afterLetter = false;
    for (char c : cp1251) {
        const PixelGlyph glyph = Glyph(static_cast<unsigned char>(c));
        if (glyph.width == 0) {
            x += space;
            afterLetter = false;
            continue;
        }
        if (afterLetter) ++x;
        afterLetter = true;
        for (int gy = 0; gy < glyph.height; ++gy) {
            for (int gx = 0; gx < glyph.width; ++gx) {
                if (const uint8_t c = glyph.at(gx, gy)) {
                    ink(x + gx, baseline + glyph.top + gy, c / 255.0f);
                }
            }
        }
        x += glyph.width;
    }
}

std::string Cp1251Of(std::string_view utf8) {
    return Utf8ToCp1251(utf8).value_or(std::string());
}

}  // namespace orvane::demo
