// Draws lines of text with inline tags into a surface, one character at a time in the font the
// tags make, as the dialogue panel has always drawn them.
#pragma once

#include <string_view>

#include "platform/font_rasterizer.h"
#include "render/surface.h"
#include "render/text_state.h"

namespace orvane {

// The rasterizer's font for a text font: the style words found anywhere in the style text.
FontSpec ToFontSpec(const TextFont& font);

// Draws `line` at (x, y) without its last character (callers pass the line's carriage return,
// or while typing the character about to be revealed). y is the line's lower reference: the
// cell of a character of size S starts S x 96 / 72 pixels above it. Style changes made by tags
// carry over into `text`'s current font. Characters before `firstToDraw` are laid out but not
// drawn again (they are on screen already); the speaker's name is drawn when `withSpeaker`.
void DrawTextLine(Surface& target, FontRasterizer& fonts, TextState& text, std::string_view line,
                  int x, int y, size_t firstToDraw = 0, bool withSpeaker = true);

}  // namespace orvane
