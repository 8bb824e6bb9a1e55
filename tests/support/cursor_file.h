// Builds Windows cursor files for tests: the directory, and bitmap or PNG entries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/image.h"

namespace orvane::testing {

struct CursorEntry {
    int side = 32;  // as the directory states it (256 is written as 0)
    int hotX = 0;
    int hotY = 0;
    std::string image;  // a bitmap (DibOf) or a PNG (PngOf)
};

// The file: `type` 2 for a cursor, 1 for an icon.
std::string CursorFileOf(const std::vector<CursorEntry>& entries, uint16_t type = 2);

// A cursor bitmap of `picture`: colour rows of `bits` (1: white where the picture is not black,
// 32: with alpha from T unless `alpha` is false) and the AND mask marking T = 255.
std::string DibOf(const Image& picture, int bits, bool alpha = true);

// A PNG of `picture`, its T byte as alpha.
std::string PngOf(const Image& picture);

}  // namespace orvane::testing
