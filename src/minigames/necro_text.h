// The phone's own lettering: three bitmap fonts (punctuation and digits, lower-case and upper-case
// Cyrillic), each glyph in two styles, one above the other.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "minigames/necro_glyphs.h"
#include "render/media_slots.h"

namespace orvane {

inline constexpr int kNecroFontSlots[] = {22, 23, 24};
inline constexpr char const* kNecroFontFiles[] = {"necrofont1.bmp", "necrofont2.bmp",
                                                  "necrofont3.bmp"};

// Style 1 is the plain lettering, style 2 the highlighted one.
enum class NecroStyle { Plain = 1, Highlighted = 2 };

class NecroFonts {
public:
    // Reads the glyph edges of the three font pictures in their slots; a font that does not fit
    // its glyphs is reported on stderr.
    void Measure(const MediaSlots& slots);

    // Draws every character of `text` but the last at (x, y) of `target`, left to right.
    // Characters before `firstToDraw` take their place without being drawn again (they are on
    // the screen already). A character no font holds is left out.
    void Draw(Surface& target, const MediaSlots& slots, std::string_view text, int x, int y,
              NecroStyle style, size_t firstToDraw = 0) const;

    const std::vector<NecroGlyph>& glyphs(int font) const {
        return glyphs_[static_cast<size_t>(font)];
    }

private:
    std::array<std::vector<NecroGlyph>, 3> glyphs_;
};

}  // namespace orvane
