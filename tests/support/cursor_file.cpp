#include "support/cursor_file.h"

#include <png.h>

#include <stdexcept>

namespace orvane::testing {
namespace {

void Put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string CursorFileOf(const std::vector<CursorEntry>& entries, uint16_t type) {
    std::string file;
    Put(file, 0, 2);
    Put(file, type, 2);
    Put(file, static_cast<uint32_t>(entries.size()), 2);
    uint32_t offset = static_cast<uint32_t>(6 + 16 * entries.size());
    for (const CursorEntry& entry : entries) {
        Put(file, static_cast<uint32_t>(entry.side & 0xFF), 1);
        Put(file, static_cast<uint32_t>(entry.side & 0xFF), 1);
        Put(file, 0, 2);
        Put(file, static_cast<uint32_t>(entry.hotX), 2);
        Put(file, static_cast<uint32_t>(entry.hotY), 2);
        Put(file, static_cast<uint32_t>(entry.image.size()), 4);
        Put(file, offset, 4);
        offset += static_cast<uint32_t>(entry.image.size());
    }
    for (const CursorEntry& entry : entries) file += entry.image;
    return file;
}

std::string DibOf(const Image& picture, int bits, bool alpha) {
    const int w = picture.width, h = picture.height;
    std::string dib;
    for (uint32_t value : {40u, static_cast<uint32_t>(w), static_cast<uint32_t>(2 * h)}) {
        Put(dib, value, 4);
    }
    Put(dib, 1, 2);
    Put(dib, static_cast<uint32_t>(bits), 2);
    for (int i = 0; i < 6; ++i) Put(dib, 0, 4);
    if (bits == 1) {
        Put(dib, 0x000000, 4);
        Put(dib, 0xFFFFFF, 4);
    }
    const int colourStride = (w * bits + 31) / 32 * 4;
    const int maskStride = (w + 31) / 32 * 4;
    for (int y = h - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(colourStride), '\0');
        for (int x = 0; x < w; ++x) {
            const uint32_t p = picture.at(x, y);
            if (bits == 32) {
                const uint32_t a = alpha ? 255u - PixelT(p) : 0u;
                for (int i = 0; i < 4; ++i) {
                    row[4 * x + i] = static_cast<char>(((p & 0xFFFFFF) | a << 24) >> (8 * i));
                }
            } else if ((p & 0xFFFFFF) != 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        dib += row;
    }
    for (int y = h - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(maskStride), '\0');
        for (int x = 0; x < w; ++x) {
            if (PixelT(picture.at(x, y)) == 255) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        dib += row;
    }
    return dib;
}

std::string PngOf(const Image& picture) {
    std::vector<uint8_t> bgra;
    for (uint32_t p : picture.pixels) {
        bgra.insert(bgra.end(), {PixelBlue(p), PixelGreen(p), PixelRed(p),
                                 static_cast<uint8_t>(255 - PixelT(p))});
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, bgra.data(), 0, nullptr)) {
        throw std::runtime_error("cannot size the PNG");
    }
    std::string png(size, '\0');
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, bgra.data(), 0, nullptr)) {
        throw std::runtime_error("cannot write the PNG");
    }
    png.resize(size);
    return png;
}

}  // namespace orvane::testing
