// The demo's mouse pointer, cursor1.cur of the game folder: a gold arrow with a dark edge,
// written as a Windows cursor file (one 32 x 32 entry, 32-bit colour with alpha and the AND
// mask older readers look at).
#include "pointer.h"

#include "sprite.h"

namespace orvane::demo {
namespace {

void Put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

Image DrawPointer() {
    Sprite sprite(kPointerSide, kPointerSide);
    const Shape arrow =
        Polygon({{1.5f, 1.5f}, {1.5f, 23}, {7, 18}, {11, 27}, {15, 25.5f}, {11, 17}, {18.5f, 17}});
    sprite.Fill(Grow(arrow, 1.2f), Hex(0x15121E));
    sprite.Fill(arrow, [](float, float y) { return Mix(Hex(0xF6E2A6), Hex(0xC9A45A), y / 27); });
    return sprite.ToImage();
}

std::string EncodeCursor(const Image& picture, int hotX, int hotY) {
    const int w = picture.width, h = picture.height;
    const int maskStride = (w + 31) / 32 * 4;
    const uint32_t imageSize = static_cast<uint32_t>(40 + 4 * w * h + maskStride * h);
    std::string file;
    // The directory: reserved, type 2 (cursor), one entry.
    Put(file, 0, 2);
    Put(file, 2, 2);
    Put(file, 1, 2);
    Put(file, static_cast<uint32_t>(w & 0xFF), 1);
    Put(file, static_cast<uint32_t>(h & 0xFF), 1);
    Put(file, 0, 2);
    Put(file, static_cast<uint32_t>(hotX), 2);
    Put(file, static_cast<uint32_t>(hotY), 2);
    Put(file, imageSize, 4);
    Put(file, 6 + 16, 4);
    // The bitmap header declares the colour rows and the mask rows together: twice the height.
    for (uint32_t value : {40u, static_cast<uint32_t>(w), static_cast<uint32_t>(2 * h)}) {
        Put(file, value, 4);
    }
    Put(file, 1, 2);
    Put(file, 32, 2);
    for (int i = 0; i < 6; ++i) Put(file, 0, 4);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t p = picture.at(x, y);
            Put(file, (p & 0xFFFFFFu) | static_cast<uint32_t>(255 - PixelT(p)) << 24, 4);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(maskStride), '\0');
        for (int x = 0; x < w; ++x) {
            if (PixelT(picture.at(x, y)) == 255) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        file += row;
    }
    return file;
}

}  // namespace orvane::demo
