// Text as the engine lays it out: the colour palette, the inline tags written between slashes,
// and word wrapping that does not count tags.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// A colour number of the scripts as 0xRRGGBB: 0..15 name the palette; any other number is
// a Windows colour value 0x00BBGGRR, used as it stands.
uint32_t PaletteColor(int number);

// FACE:SIZE:STYLE:COLOR:WRAP, the way scripts and the text defaults write a font.
struct FontSetting {
    std::string face;
    int size = 0;
    std::string style;  // any of "bold", "italic", "underline", "strikeout"
    int color = 0;
    int wrap = 0;
};
std::optional<FontSetting> ParseFontSetting(std::string_view text);

// The font of a line while it is drawn; tags change it.
struct TextFont {
    std::string face;
    int size = 0;
    std::string style;
    int color = 0;
};

// Applies the tag text found between two slashes (without them). `base` is the default text
// font that "-", "-h" and "-f" return to. Unknown tags change nothing.
void ApplyTag(std::string_view tag, const TextFont& base, TextFont& font);

// Adds or removes a style word.
void AddStyle(std::string& style, std::string_view word);
void RemoveStyle(std::string& style, std::string_view word);

// Inserts line breaks (CR LF) so that no line holds more than `width` characters, tags not
// counted; existing line breaks stay.
std::string WrapText(std::string_view text, int width);

}  // namespace orvane
