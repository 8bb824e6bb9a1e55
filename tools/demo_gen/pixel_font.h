// Lettering for the phone game's small display: the letters of a free font rendered by FreeType a
// few pixels high, smoothed, each cut to the columns its strokes stand in. The phone's bitmap
// fonts, its menus and its titles are all written with it, so they look alike.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {
class FontLibrary;
}

namespace orvane::demo {

// One character: `cover` holds width x height coverages (0 nothing .. 255 all), top row first.
// The box is cut to the ink, so a letter's first and last columns and rows hold some; `top`
// counts the rows from the baseline to the first row (negative: above it).
struct PixelGlyph {
    int width = 0;
    int height = 0;
    int top = 0;
    std::vector<uint8_t> cover;

    uint8_t at(int x, int y) const { return cover[static_cast<size_t>(y) * width + x]; }
};

class PixelFont {
public:
    // The condensed DejaVu face, or the face fontconfig puts in its place, `pixelEm` pixels to
    // the em.
    explicit PixelFont(int pixelEm);
    ~PixelFont();
    PixelFont(const PixelFont&) = delete;
    PixelFont& operator=(const PixelFont&) = delete;

    // Whether a face was found at all; without one every glyph is empty.
    bool usable() const { return face_ >= 0; }
    int pixelEm() const { return pixelEm_; }

    // The character of that Windows-1251 code. The faint fringe that smoothing leaves beside a
    // letter's outer strokes is folded into them, and an empty column inside a letter (between
    // the two ticks of a quotation mark) is closed up: every letter is one run of inked columns,
    // as narrow as its strokes.
    PixelGlyph Glyph(unsigned char cp1251) const;

    // Rows from the top of a line to the baseline: the tallest letter of the phone's fonts
    // starts on the line's first row.
    int ascent() const { return ascent_; }
    // Rows a line takes, from its top to the lowest descender.
    int lineHeight() const { return lineHeight_; }

    // Running text, Windows-1251, with one empty column between letters and `space` columns for
    // a blank: its width, and every pixel it inks with its line's top at (x, top), handed to
    // `ink` with its coverage (0..1), for the caller to paint.
    int Width(std::string_view cp1251, int space = kSpace) const;
    void Write(std::string_view cp1251, int x, int top,
               const std::function<void(int x, int y, float cover)>& ink, int space = kSpace) const;

    static constexpr int kSpace = 3;

private:
    int pixelEm_;
    int face_ = -1;
    int ascent_ = 0;
    int lineHeight_ = 0;
    std::unique_ptr<FontLibrary> library_;
};

// UTF-8 source text as the engine's Windows-1251 bytes (empty when it has other characters).
std::string Cp1251Of(std::string_view utf8);

}  // namespace orvane::demo
