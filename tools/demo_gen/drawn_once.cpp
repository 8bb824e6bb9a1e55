#include "drawn_once.h"

#include <map>

namespace orvane::demo {

const Image& DrawnOnce(Image (*draw)()) {
    static std::map<Image (*)(), Image> drawn;
    auto [at, added] = drawn.try_emplace(draw);
    if (added) at->second = draw();
    return at->second;
}

}  // namespace orvane::demo
