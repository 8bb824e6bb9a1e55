#include "phone_display.h"

#include <map>
#include <memory>
#include <optional>

namespace orvane::demo {
namespace {

constexpr int kLargestEm = 12;
constexpr int kSmallestEm = 6;

// The first character and the number of glyphs of each font picture: "!" to "?", the small
// Cyrillic letters, the capitals.
constexpr struct {
    unsigned char first;
    int count;
} kFontRanges[] = {{33, 31}, {224, 32}, {192, 32}};

bool Fits(const PixelFont& font, std::optional<unsigned char> only = std::nullopt,
          int baseline = 0) {
    if (!font.usable() || font.lineHeight() > kGlyphRows) return false;
    // Above the baseline and below it, the rows of a strip.
    if (only &&
        (font.ascent() > baseline || font.lineHeight() - font.ascent() > kGlyphRows - baseline)) {
        return false;
    }
    for (const auto& range : kFontRanges) {
        if (only && range.first != *only) continue;
        int columns = -1;  // no gap after the last glyph
        for (int i = 0; i < range.count; ++i) {
            columns += font.Glyph(static_cast<unsigned char>(range.first + i)).width + 1;
        }
        if (columns > kFontPictureWidth) return false;
    }
    return true;
}

}  // namespace

const PixelFont& PhoneLettering() {
    static const std::unique_ptr<PixelFont> chosen = [] {
        for (int em = kLargestEm; em > kSmallestEm; --em) {
            auto font = std::make_unique<PixelFont>(em);
            if (Fits(*font)) return font;
        }
        return std::make_unique<PixelFont>(kSmallestEm);
    }();
    return *chosen;
}

const PixelFont& PhoneFontLettering(unsigned char first) {
    static std::map<unsigned char, const PixelFont*> chosen;
    const PixelFont*& font = chosen[first];
    if (!font) {
        const int baseline = PhoneLettering().ascent();
        font = &PhoneLettering();
        for (int em = kLargestEm; em > PhoneLettering().pixelEm(); --em) {
            if (Fits(LargeLettering(em), first, baseline)) {
                font = &LargeLettering(em);
                break;
            }
        }
    }
    return *font;
}

const PixelFont& LargeLettering(int pixelEm) {
    static std::map<int, std::unique_ptr<PixelFont>> fonts;
    std::unique_ptr<PixelFont>& font = fonts[pixelEm];
    if (!font) font = std::make_unique<PixelFont>(pixelEm);
    return *font;
}

void WriteOn(Canvas& canvas, const PixelFont& font, std::string_view utf8, int x, int top,
             Rgb color) {
    font.Write(Cp1251Of(utf8), x, top,
               [&](int px, int py, float cover) { canvas.Blend(px, py, color, cover); });
}

void WriteCentred(Canvas& canvas, const PixelFont& font, std::string_view utf8, float cx, int top,
                  Rgb color) {
    const int width = font.Width(Cp1251Of(utf8));
    WriteOn(canvas, font, utf8, static_cast<int>(cx - width / 2.0f + 0.5f), top, color);
}

}  // namespace orvane::demo
