// The demo's mouse pointer and the cursor file it is written as.
#pragma once

#include <string>

#include "base/image.h"

namespace orvane::demo {

inline constexpr char kPointerFile[] = "cursor1.cur";
inline constexpr int kPointerSide = 32;

// The pointer, its tip at the top-left pixel; the T byte holds its transparency.
Image DrawPointer();

// `picture` as a Windows cursor file with the hot spot at (hotX, hotY).
std::string EncodeCursor(const Image& picture, int hotX, int hotY);

}  // namespace orvane::demo
