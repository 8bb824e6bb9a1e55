// A decoded picture or a drawing surface: 32-bit pixels, blue in the low byte, then green, red,
// and the transparency byte T on top (0 opaque, 255 invisible).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvane {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // row-major, width * height, top row first

    Image() = default;
    Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, 0) {}

    bool empty() const { return width <= 0 || height <= 0; }
    uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const uint32_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
    uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

constexpr uint32_t MakePixel(uint8_t r, uint8_t g, uint8_t b, uint8_t t = 0) {
    return static_cast<uint32_t>(b) | (static_cast<uint32_t>(g) << 8) |
           (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(t) << 24);
}
constexpr uint8_t PixelBlue(uint32_t p) { return p & 0xFF; }
constexpr uint8_t PixelGreen(uint32_t p) { return (p >> 8) & 0xFF; }
constexpr uint8_t PixelRed(uint32_t p) { return (p >> 16) & 0xFF; }
constexpr uint8_t PixelT(uint32_t p) { return p >> 24; }

}  // namespace orvane
