// The largest picture any decoder of the engine accepts.
#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// No picture decoder accepts a picture wider or taller than this, or with more pixels in all, so
// that a hostile header cannot make us allocate gigabytes: a run-length BMP of a few bytes may
// declare any size, and the stage keeps fifteen pictures at once. 16 M pixels (64 MiB decoded)
// is four times the screen on each side, far more than any picture of the game needs.
inline constexpr int64_t kMaxPictureSide = 16384;
inline constexpr int64_t kMaxPicturePixels = int64_t{16} << 20;

// True when a picture of this size may be decoded; otherwise false, and `error` says why.
bool CheckPictureSize(int64_t width, int64_t height, std::string& error);

}  // namespace orvane
