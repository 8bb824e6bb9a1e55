#include "render/text_state.h"

namespace orvane {

TextFont TextState::DefaultFont() const {
    if (const auto font = ParseFontSetting(defaults.font)) {
        return {font->face, font->size, font->style, font->color};
    }
    return CurrentFont();
}

}  // namespace orvane
