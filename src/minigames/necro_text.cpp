#include "minigames/necro_text.h"

#include "base/log.h"
#include "render/blend.h"

namespace orvane {
namespace {

constexpr int kGlyphRows = 11;  // each style's band
constexpr int kSpaceAdvance = 4;
constexpr int kGlyphCounts[] = {31, 32, 32};  // "!".."?", "а".."я", "А".."Я"

// The punctuation font's advances that the phone's texts were laid out with; the other glyphs
// advance by their width and a column.
constexpr struct {
    int glyph;
    int advance;
} kPunctuationAdvances[] = {{0, 4}, {1, 4}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {9, 5}, {11, 3}};

struct GlyphRef {
    int font = -1;  // -1: no glyph
    int index = 0;
};

GlyphRef GlyphOf(char c) {
    auto code = static_cast<unsigned char>(c);
    // The fonts have no "ё": it is written as "е", which the player reads the same.
    if (code == 0xB8) code = 0xE5;
    if (code == 0xA8) code = 0xC5;
    if (code >= '!' && code <= '?') return {0, code - '!'};
    if (code >= 0xE0) return {1, code - 0xE0};
    if (code >= 0xC0) return {2, code - 0xC0};
    return {};
}

}  // namespace

void NecroFonts::Measure(const MediaSlots& slots) {
    for (size_t font = 0; font < glyphs_.size(); ++font) {
        std::vector<NecroGlyph>& glyphs = glyphs_[font];
        glyphs.clear();
        const Surface* picture = slots.Get(kNecroFontSlots[font]);
        std::string problem;
        if (picture) glyphs = FindGlyphEdges(*picture, 2 * kGlyphRows, kGlyphCounts[font], problem);
        if (!problem.empty()) LogError(std::string(kNecroFontFiles[font]) + ": " + problem);
        if (font == 0) {
            for (const auto& [glyph, advance] : kPunctuationAdvances) {
                if (static_cast<size_t>(glyph) < glyphs.size()) glyphs[glyph].advance = advance;
            }
        }
    }
}

void NecroFonts::Draw(Surface& target, const MediaSlots& slots, std::string_view text, int x, int y,
                      NecroStyle style, size_t firstToDraw) const {
    if (text.empty()) return;
    const int top = style == NecroStyle::Highlighted ? kGlyphRows : 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == ' ') {
            x += kSpaceAdvance;
            continue;
        }
        const GlyphRef ref = GlyphOf(text[i]);
        if (ref.font < 0) continue;
        const std::vector<NecroGlyph>& glyphs = glyphs_[static_cast<size_t>(ref.font)];
        if (static_cast<size_t>(ref.index) >= glyphs.size()) continue;
        const NecroGlyph& glyph = glyphs[static_cast<size_t>(ref.index)];
        if (i >= firstToDraw && glyph.present()) {
            if (const Surface* font = slots.Get(kNecroFontSlots[ref.font])) {
                const Rect from{glyph.left, top, glyph.right, top + kGlyphRows};
                BlendBlit(target, *font, x, y, &from, 255);
            }
        }
        x += glyph.advance;
    }
}

}  // namespace orvane
