// Some pictures are cut from others (the opening strips from the backgrounds); this keeps the
// generator from drawing the same background twice on every build.
#pragma once

#include "base/image.h"

namespace orvane::demo {

// The picture that `draw` makes, drawn on the first call only.
const Image& DrawnOnce(Image (*draw)());

}  // namespace orvane::demo
