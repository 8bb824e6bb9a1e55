#include "archive/picture_limits.h"

namespace orvane {

bool CheckPictureSize(int64_t width, int64_t height, std::string& error) {
    const std::string text = std::to_string(width) + "x" + std::to_string(height);
    if (width <= 0 || height <= 0) {
        error = "invalid picture size " + text;
        return false;
    }
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels) {
        error = "picture size " + text + " is larger than the engine accepts";
        return false;
    }
    return true;
}

}  // namespace orvane
