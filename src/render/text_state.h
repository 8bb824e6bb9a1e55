// The text panel: where and how dialogue is drawn, the speaker, the text being typed and the
// typewriter's counters. The text commands set it; the line renderer and the typewriter read it.
#pragma once

#include <string>

#include "render/text_layout.h"

namespace orvane {

// The ten lines of "default_text.scn", each without its key.
struct TextDefaults {
    std::string position;   // X:Y
    std::string font;       // FACE:SIZE:STYLE:COLOR:WRAP
    std::string speed;      // fast, medium, slow or no
    std::string spacing;    // pixels between lines
    std::string maxLines;
    std::string click;
    std::string nameFont;   // FACE:SIZE:STYLE:COLOR:WRAP
    std::string nameX;
    std::string nameY;
    std::string tenth;      // kept; nothing reads it
};

struct TextState {
    TextDefaults defaults;

    int TextX = 0;
    int TextY = 0;
    std::string TextFontFace;
    int TextFontSize = 12;
    std::string TextFontStyle;
    int TextFontColor = 15;
    int TextWrapWidth = 60;
    int TextLineSpacing = 20;
    int TextMaxLines = 3;
    std::string TextSpeed = "medium";
    std::string TextClickSetting;

    std::string SpeakerName;
    std::string NameFontFace;
    int NameFontSize = 12;
    std::string NameFontStyle;
    int NameFontColor = 15;
    int NameX = 0;
    int NameY = 0;

    // Where line 1 of the current text is drawn minus one line spacing: the typewriter moves down
    // a line before each line. Kept apart from TextY so that texts do not creep up the screen.
    int TextTop = 0;
    std::string ShownText;  // the wrapped text still to show; empty when the panel is empty
    int TypePos = 1;        // 1-based position of the next character to reveal
    int TypeLine = 1;
    int TypeLineStart = 1;
    bool TextFinished = false;
    // The font in effect where the current line begins: the typewriter lays a line out from its
    // start every tick, so every layout must start from the same font.
    TextFont lineFont;
    // How much of the current line is on screen already, and whether the speaker's name is:
    // each character is drawn once, so antialiased edges do not build up.
    int lineDrawn = 0;
    bool speakerShown = false;

    TextFont CurrentFont() const { return {TextFontFace, TextFontSize, TextFontStyle, TextFontColor}; }
    void SetCurrentFont(const TextFont& font) {
        TextFontFace = font.face;
        TextFontSize = font.size;
        TextFontStyle = font.style;
        TextFontColor = font.color;
    }
    // The default text font that the tag "-" returns to.
    TextFont DefaultFont() const;
};

}  // namespace orvane
