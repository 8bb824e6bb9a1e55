// Builds a small game folder for a test: an "Orvane.pak" of scripts and pictures, loose files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "archive/pak_writer.h"
#include "base/image.h"

namespace orvane::testing {

class GameArchive {
public:
    // A script entry: `text` (CP1251, lines joined by CR LF) stored scrambled.
    GameArchive& Script(std::string name, std::string_view text);
    // Any other entry, stored as it is.
    GameArchive& Entry(std::string name, std::string bytes);
    // The usual fixed pictures, in the given colour for the black screen.
    GameArchive& FixedPictures(uint32_t blackScreenPixel = 0);
    void WriteTo(const std::filesystem::path& archive) const;

private:
    std::vector<PakSource> sources_;
};

std::string JpegOf(int width, int height, uint32_t pixel);
std::string Bmp32Of(int width, int height, uint32_t pixel);
// A run-length BMP of 60 bytes that declares any size and sets no pixel.
std::string RunLengthBmpOf(int32_t width, int32_t height);
Image Solid(int width, int height, uint32_t pixel);

}  // namespace orvane::testing
