// Where the glyphs of a phone font stand in its picture. The pictures hold their glyphs side by
// side in code order, with no table of their own, so the edges are read from the picture: the
// columns that hold ink.
#pragma once

#include <string>
#include <vector>

#include "base/image.h"

namespace orvane {

struct NecroGlyph {
    int left = 0;
    int right = 0;  // exclusive; a glyph the picture lacks has right == left
    int advance = 0;
    bool present() const { return right > left; }
};

// The `count` glyphs found in rows [0, rows) of `font`. A column holds ink when one of its pixels
// there is visible (transparency below 255) and differs from the picture's background, its most
// common pixel. Each run of ink columns is a glyph, its advance its width plus one column.
// Runs beyond `count` are taken for parts of one glyph (the two strokes of a quotation mark):
// the two runs closest together are joined until the count is right. When the picture has fewer
// runs than glyphs the rest are missing. `problem` says what did not fit; empty when all did.
std::vector<NecroGlyph> FindGlyphEdges(const Image& font, int rows, int count,
                                       std::string& problem);

}  // namespace orvane
