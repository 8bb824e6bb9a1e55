#include "archive/bmp_writer.h"

#include <cstdint>
#include <limits>

namespace orvane {

namespace {

constexpr uint32_t kHeadersSize = 14 + 40;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 DPI, which viewers assume anyway

void Put16(std::string& out, uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

std::string Encode(const Image& image, int bitCount) {
    if (image.empty() || image.pixels.size() < static_cast<size_t>(image.width) * image.height) {
        return {};
    }
    const uint64_t stride = (static_cast<uint64_t>(image.width) * bitCount + 31) / 32 * 4;
    const uint64_t pixelBytes = stride * image.height;
    if (pixelBytes > std::numeric_limits<uint32_t>::max() - kHeadersSize) return {};

    std::string out;
    out.reserve(kHeadersSize + pixelBytes);
    out += "BM";
    Put32(out, static_cast<uint32_t>(kHeadersSize + pixelBytes));
    Put32(out, 0);
    Put32(out, kHeadersSize);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(image.width));
    Put32(out, static_cast<uint32_t>(image.height));  // positive: bottom row first
    Put16(out, 1);
    Put16(out, static_cast<uint16_t>(bitCount));
    Put32(out, 0);  // no compression
    Put32(out, static_cast<uint32_t>(pixelBytes));
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);
    Put32(out, 0);

    const size_t padding = stride - static_cast<uint64_t>(image.width) * (bitCount / 8);
    for (int y = image.height - 1; y >= 0; --y) {
        const uint32_t* row = image.row(y);
        for (int x = 0; x < image.width; ++x) {
            if (bitCount == 32) {
                Put32(out, row[x]);
            } else {
                out += static_cast<char>(PixelBlue(row[x]));
                out += static_cast<char>(PixelGreen(row[x]));
                out += static_cast<char>(PixelRed(row[x]));
            }
        }
        out.append(padding, '\0');
    }
    return out;
}

}  // namespace

std::string EncodeBmp24(const Image& image) {
    return Encode(image, 24);
}

std::string EncodeBmp32(const Image& image) {
    return Encode(image, 32);
}

}  // namespace orvane
