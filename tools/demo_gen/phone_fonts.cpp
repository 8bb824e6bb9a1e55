// The phone game's three bitmap fonts: "!" to "?" (digits and punctuation), the small Cyrillic
// letters and the capitals, each glyph at the code's place in its range. The engine finds a
// glyph's edges from the columns that hold ink, so the glyphs stand left to right from column 0
// in code order, every one a single run of inked columns with an empty column after it, and the
// plain and the highlighted strip share their columns.
#include "phone_display.h"
#include "pictures.h"
#include "pixel_bytes.h"

namespace orvane::demo {
namespace {

// The full colour, see-through by as much as the glyph leaves uncovered, as the characters'
// edges are.
uint32_t Ink(Rgb color, float cover) {
    return MakePixel(ToByte(color.r, 0), ToByte(color.g, 0), ToByte(color.b, 0),
                     ToByte(1 - cover, 0));
}

Image DrawFont(unsigned char first, int count) {
    const PixelFont& font = PhoneFontLettering(first);
    const int ascent = PhoneLettering().ascent();
    Image image = SolidImage(kFontPictureWidth, kFontPictureHeight, MakePixel(0, 0, 0, 255));
    int x = 0;
    for (int i = 0; i < count; ++i) {
        const PixelGlyph glyph = font.Glyph(static_cast<unsigned char>(first + i));
        for (const auto& [strip, color] : {std::pair{0, kPhoneInk}, std::pair{1, kPhoneInkLit}}) {
            const int baseline = strip * kGlyphRows + ascent;
            for (int gy = 0; gy < glyph.height; ++gy) {
                for (int gx = 0; gx < glyph.width; ++gx) {
                    const int px = x + gx, py = baseline + glyph.top + gy;
                    const uint8_t cover = glyph.at(gx, gy);
                    if (cover == 0 || px >= image.width) continue;
                    image.at(px, py) = Ink(color, cover / 255.0f);
                }
            }
        }
        x += glyph.width + 1;
    }
    return image;
}

}  // namespace

Image DrawPhoneFontSigns() {
    return DrawFont(33, 31);
}

Image DrawPhoneFontSmall() {
    return DrawFont(224, 32);
}

Image DrawPhoneFontCapitals() {
    return DrawFont(192, 32);
}

}  // namespace orvane::demo
