// Text output the way the original drew it through the Windows canvas: one character at a time,
// placed by the top-left of its character cell, antialiased, in fonts named by family. Fonts come
// from fontconfig (plus files the game registers), glyphs from FreeType; both stay out of sight
// here so that the rest of the engine never includes their headers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "base/image.h"

namespace orvane {

struct FontSpec {
    std::string face;  // family name as scripts write it (CP1251)
    int size = 10;     // points
    bool bold = false, italic = false, underline = false, strikeout = false;
    bool operator==(const FontSpec&) const = default;
};

class FontRasterizer {
public:
    FontRasterizer();
    ~FontRasterizer();
    FontRasterizer(const FontRasterizer&) = delete;
    FontRasterizer& operator=(const FontRasterizer&) = delete;

    // Makes a font file available under its own family name(s) for later lookups (the game
    // folder ships two; the engine registers them at start-up). False with a message when it
    // cannot. Registrations belong to this rasterizer only.
    bool RegisterFontFile(const std::filesystem::path& file, std::string& error);

    // The height value of the font: -(size * 96 / 72).
    static int HeightValue(int size);

    // Advance width in pixels of one character, as the canvas would report its text width.
    int CharWidth(const FontSpec& font, char cp1251);
    // Cell height (ascent + descent) in pixels.
    int CellHeight(const FontSpec& font);
    // Pixels from the top of the cell down to the baseline.
    int Ascent(const FontSpec& font);

    // Draws one character with the top-left of its cell at (x, top) into `target`, blending the
    // antialiased glyph in `rgb` (0xRRGGBB); covered pixels get T = 0. With `background`, the
    // whole cell (advance x cell height) is first filled with that colour (an opaque
    // background). Clipped to the image. Returns the advance. Callers drawing into a Surface
    // must drop its transparency index afterwards (MarkChanged).
    int DrawChar(Image& target, int x, int top, const FontSpec& font, uint32_t rgb, char cp1251,
                 std::optional<uint32_t> background = std::nullopt);

    // The font file that draws `font` (after fontconfig's substitution); empty when none does.
    // For messages and tests.
    std::filesystem::path FontFile(const FontSpec& font);

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace orvane
