// The phone game's display as the engine lays it out, and what every picture drawn for it
// shares: the display is 176 x 220 pixels; a screen's first picture stands in its top 170 rows
// (the demo's are 176 x 150, so the engine puts them 10 rows down, under the status bar); the
// text is typed from row 160 (the engine's y 320 less the display's 161), three lines 15 rows
// apart, over the lower panel that starts at row 166.
#pragma once

#include "canvas.h"
#include "pixel_font.h"

namespace orvane::demo {

inline constexpr int kDisplayWidth = 176;
inline constexpr int kDisplayHeight = 220;
inline constexpr int kScenePictureWidth = 176;
inline constexpr int kScenePictureHeight = 150;
inline constexpr int kScenePictureTop = 10;
inline constexpr int kTextTop = 160;
inline constexpr int kPanelTop = 166;

// A font picture holds each glyph twice, in the same columns: rows 0..10 for plain text and
// rows 11..21 for the highlighted choice. Its picture is as large as the surface the engine
// loads it into, so that nothing outside the glyphs reads as ink.
inline constexpr int kFontPictureWidth = 196;
inline constexpr int kFontPictureHeight = 220;
inline constexpr int kGlyphRows = 11;

// The plain text and the highlighted choice, the colours the engine gives the choices it writes
// in its own font (palette 4 and 15).
inline constexpr Rgb kPhoneInk = Hex(0xFFFF00);
inline constexpr Rgb kPhoneInkLit = Hex(0xFFFFFF);
inline constexpr Rgb kPhoneDark = Hex(0x000000);

// The display's lettering: the largest size at which each of the three fonts fits its picture
// and a line its rows, chosen once; the menus and titles are written in it.
const PixelFont& PhoneLettering();
// The lettering of one font picture, the one of `first` ("!", "а" or "А"): as large as that
// font alone fits, so the small letters, which most of the texts are, come out a size larger
// when they fit. Every size has its baseline on the same row, PhoneLettering's.
const PixelFont& PhoneFontLettering(unsigned char first);

// The lettering of the titles and keys, `pixelEm` high.
const PixelFont& LargeLettering(int pixelEm);

// Writes UTF-8 `text` in `font` onto a canvas, its line's top at (x, top).
void WriteOn(Canvas& canvas, const PixelFont& font, std::string_view utf8, int x, int top,
             Rgb color);
// The same, centred on column `cx`.
void WriteCentred(Canvas& canvas, const PixelFont& font, std::string_view utf8, float cx, int top,
                  Rgb color);

}  // namespace orvane::demo
