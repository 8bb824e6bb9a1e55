#include "render/text_renderer.h"

#include "base/text.h"

namespace orvane {

FontSpec ToFontSpec(const TextFont& font) {
    FontSpec spec;
    spec.face = font.face;
    spec.size = font.size;
    spec.bold = Contains(font.style, "bold");
    spec.italic = Contains(font.style, "italic");
    spec.underline = Contains(font.style, "underline");
    spec.strikeout = Contains(font.style, "strikeout");
    return spec;
}

void DrawTextLine(Surface& target, FontRasterizer& fonts, TextState& text, std::string_view line,
                  int x, int y, size_t firstToDraw, bool withSpeaker) {
    target.MarkChanged();
    if (withSpeaker && !text.SpeakerName.empty()) {
        const TextFont nameFont{text.NameFontFace, text.NameFontSize, text.NameFontStyle,
                                text.NameFontColor};
        const FontSpec spec = ToFontSpec(nameFont);
        const uint32_t rgb = PaletteColor(text.NameFontColor);
        int nameX = text.NameX;
        const int top = text.NameY + FontRasterizer::HeightValue(text.NameFontSize);
        for (char c : text.SpeakerName) nameX += fonts.DrawChar(target, nameX, top, spec, rgb, c);
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
        const FontSpec spec = ToFontSpec(font);
        if (i < firstToDraw) {
            advance += fonts.CharWidth(spec, line[i]);
            continue;
        }
        const int top = y + FontRasterizer::HeightValue(font.size);
        advance += fonts.DrawChar(target, x + advance, top, spec, PaletteColor(font.color), line[i]);
    }
    text.SetCurrentFont(font);
}

}  // namespace orvane
