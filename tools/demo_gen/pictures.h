// The demo's pictures, each drawn by code. Everything drawn here is packed into the demo's
// archive (demo/pack_demo.cmake takes every picture of the staging folder).
#pragma once

#include <string_view>
#include <vector>

#include "base/image.h"

namespace orvane::demo {

enum class PictureFormat { Jpeg, Bmp24 };

struct DemoPicture {
    std::string_view file;
    PictureFormat format;
    Image (*draw)();
};

const std::vector<DemoPicture>& DemoPictures();

// The first background a player sees: dusk over hills.
Image DrawTitleBackground();

}  // namespace orvane::demo
