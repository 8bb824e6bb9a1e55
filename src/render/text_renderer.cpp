#include "render/text_renderer.h"

#include "base/saturating.h"
#include "base/text.h"

namespace orvane {

FontSpec ToFontSpec(const TextFont& font) {
    FontSpec fontSpec;
    fontSpec.face = font.face;
    fontSpec.size = font.size;
    fontSpec.bold = Contains(font.style, "bold");
    fontSpec.italic = Contains(font.style, "italic");
    fontSpec.underline = Contains(font.style, "underline");
    fontSpec.strikeout = Contains(font.style, "strikeout");
    return fontSpec;
}

void DrawTextLine(Surface& target, FontRasterizer& fonts, TextState& text, std::string_view line,
                  int x, int y, size_t firstToDraw, bool withSpeaker) {
    target.MarkChanged();
    if (withSpeaker && !text.SpeakerName.empty()) {
        const TextFont nameFont{text.NameFontFace, text.NameFontSize, text.NameFontStyle,
                                text.NameFontColor};
        const FontSpec fontSpec = ToFontSpec(nameFont);
        const uint32_t rgb = PaletteColor(text.NameFontColor);
        // Positions and sizes come from scripts and may be any int: sums saturate.
        int nameX = text.NameX;
        const int top = SaturatingAdd(text.NameY, FontRasterizer::HeightValue(text.NameFontSize));
        for (char c : text.SpeakerName) {
            nameX = SaturatingAdd(nameX, fonts.DrawChar(target, nameX, top, fontSpec, rgb, c));
        }
    }
    const TextFont base = text.DefaultFont();
    TextFont font = text.CurrentFont();
    int advance = 0;
    const size_t last = line.empty() ? 0 : line.size() - 1;  // the last character is not drawn
    for (size_t i = 0; i < last; ++i) {
        if (line[i] == '/') {
            const size_t close = line.find('/', i + 1);
            if (close != std::string_view::npos) {
                ApplyTag(line.substr(i + 1, close - i - 1), base, font);
                // One tag per position: what follows the closing slash is drawn as it stands.
                i = close + 1;
                if (i >= last) break;
            }
        }
        const FontSpec fontSpec = ToFontSpec(font);
        if (i < firstToDraw) {
            advance += fonts.CharWidth(fontSpec, line[i]);
            continue;
        }
        const int top = SaturatingAdd(y, FontRasterizer::HeightValue(font.size));
        advance += fonts.DrawChar(target, SaturatingAdd(x, advance), top, fontSpec,
                                  PaletteColor(font.color), line[i]);
    }
    text.SetCurrentFont(font);
}

}  // namespace orvane
