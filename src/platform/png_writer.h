// Screenshots and test pictures as PNG files.
#pragma once

#include <filesystem>
#include <string>

#include "base/image.h"

namespace orvane {

// Writes `image` as an 8-bit RGB PNG (the T byte is dropped). The file appears whole or not at
// all. On failure returns false and says why in `error`.
bool WritePng(const std::filesystem::path& path, const Image& image, std::string& error);

}  // namespace orvane
