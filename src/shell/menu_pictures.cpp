#include "shell/menu_pictures.h"

#include <algorithm>

#include "render/blend.h"

namespace orvane {

void DrawScreenPicture(Surface& back, const Surface& picture, bool blend) {
    // A picture of another size than the screen still shows what fits, rather than nothing.
    const Rect from{0, 0, std::min(picture.width, back.width),
                    std::min(picture.height, back.height)};
    if (from.width() <= 0 || from.height() <= 0) return;
    if (blend) {
        BlendBlit(back, picture, 0, 0, &from, 255);
    } else {
        CopyRect(back, 0, 0, picture, &from);
    }
}

}  // namespace orvane
