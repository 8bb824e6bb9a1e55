#include "archive/cursor_decoder.h"

#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "archive/bmp_decoder.h"
#include "base/little_endian.h"

namespace orvane {
namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;
constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;
constexpr int kUsualSide = 32;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitfields = 3;

void PutU32(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool SideFits(int64_t side) {
    return side > 0 && side <= kMaxCursorSide;
}

bool DecodePng(std::string_view bytes, Image& out, std::string& error) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
        error = std::string("the cursor's PNG picture cannot be read: ") + png.message;
        return false;
    }
    if (!SideFits(png.width) || !SideFits(png.height)) {
        error = "the cursor's PNG picture is " + std::to_string(png.width) + " x " +
                std::to_string(png.height) + ", more than a pointer can be";
        png_image_free(&png);
        return false;
    }
    png.format = PNG_FORMAT_BGRA;
    std::vector<uint8_t> bgra(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, bgra.data(), 0, nullptr)) {
        error = std::string("the cursor's PNG picture cannot be read: ") + png.message;
        png_image_free(&png);
        return false;
    }
    Image picture(static_cast<int>(png.width), static_cast<int>(png.height));
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const uint8_t* p = &bgra[4 * i];
        picture.pixels[i] = MakePixel(p[2], p[1], p[0], static_cast<uint8_t>(255 - p[3]));
    }
    out = std::move(picture);
    return true;
}

// A bitmap entry: the header declares twice the height, the colour rows (XOR) followed by the
// one-bit AND rows, which mark the transparent pixels.
bool DecodeDib(std::string_view dib, Image& out, std::string& error) {
    const auto* data = reinterpret_cast<const uint8_t*>(dib.data());
    if (dib.size() < kInfoHeaderSize || ReadU32Le(data) < kInfoHeaderSize || ReadU32Le(data) > dib.size()) {
        error = "the cursor's bitmap header is missing or truncated";
        return false;
    }
    const uint32_t headerSize = ReadU32Le(data);
    const int64_t width = static_cast<int32_t>(ReadU32Le(data + 4));
    const int64_t doubled = static_cast<int32_t>(ReadU32Le(data + 8));
    const int bits = ReadU16Le(data + 14);
    const uint32_t compression = ReadU32Le(data + 16);
    const uint32_t colorsUsed = ReadU32Le(data + 32);
    if (!SideFits(width) || doubled % 2 != 0 || !SideFits(doubled / 2)) {
        error = "the cursor's bitmap declares " + std::to_string(width) + " x " +
                std::to_string(doubled) + " (colour and mask), not a pointer's size";
        return false;
    }
    const int64_t height = doubled / 2;
    const bool masks = compression == kBitfields && (bits == 16 || bits == 32);
    if (compression != kRgb && !masks) {
        error = "the cursor's bitmap uses compression " + std::to_string(compression);
        return false;
    }
    const uint64_t paletteEntries =
        bits <= 8 ? (colorsUsed != 0 ? colorsUsed : uint64_t{1} << bits) : 0;
    if (paletteEntries > 256) {
        error = "the cursor's bitmap declares " + std::to_string(paletteEntries) + " colours";
        return false;
    }
    const uint64_t colorsAt =
        headerSize + (masks && headerSize == kInfoHeaderSize ? 12 : 0) + paletteEntries * 4;
    const uint64_t colorStride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    const uint64_t maskStride = (static_cast<uint64_t>(width) + 31) / 32 * 4;
    const uint64_t maskAt = colorsAt + colorStride * static_cast<uint64_t>(height);
    if (maskAt > dib.size()) {
        error = "the cursor's bitmap is truncated";
        return false;
    }
    const bool hasMask = maskAt + maskStride * static_cast<uint64_t>(height) <= dib.size();

    // The colour part is an ordinary bitmap once it has a file header and its true height.
    std::string bmp(14, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp.append(dib.substr(0, static_cast<size_t>(maskAt)));
    PutU32(bmp, 2, static_cast<uint32_t>(bmp.size()));
    PutU32(bmp, 10, static_cast<uint32_t>(14 + colorsAt));
    PutU32(bmp, 14 + 8, static_cast<uint32_t>(height));
    Image picture;
    if (!DecodeBmp(bmp, picture, error)) {
        error = "the cursor's bitmap: " + error;
        return false;
    }
    // A 32-bit pointer may carry its own alpha in the fourth byte, which the bitmap decoder hands
    // on as T; one whose fourth bytes are all zero leaves transparency to the mask.
    const bool alpha = bits == 32 && compression == kRgb &&
                       std::any_of(picture.pixels.begin(), picture.pixels.end(),
                                   [](uint32_t p) { return PixelT(p) != 0; });
    if (alpha) {
        for (uint32_t& p : picture.pixels) {
            p = (p & 0xFFFFFFu) | static_cast<uint32_t>(255 - PixelT(p)) << 24;
        }
    } else {
        if (!hasMask) {
            error = "the cursor's transparency mask is missing";
            return false;
        }
        for (int y = 0; y < picture.height; ++y) {
            // Rows are stored bottom up.
            const uint8_t* row = data + maskAt + maskStride * static_cast<uint64_t>(height - 1 - y);
            for (int x = 0; x < picture.width; ++x) {
                const bool transparent = (row[x / 8] >> (7 - x % 8)) & 1;
                uint32_t& p = picture.at(x, y);
                p = (p & 0xFFFFFFu) | (transparent ? 0xFF000000u : 0u);
            }
        }
    }
    out = std::move(picture);
    return true;
}

}  // namespace

bool DecodeCursor(std::string_view bytes, CursorPicture& out, std::string& error) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    if (bytes.size() < kDirectorySize || ReadU16Le(data) != 0 ||
        (ReadU16Le(data + 2) != kCursorType && ReadU16Le(data + 2) != kIconType)) {
        error = "not a cursor file";
        return false;
    }
    const bool cursor = ReadU16Le(data + 2) == kCursorType;
    const size_t count = ReadU16Le(data + 4);
    if (count == 0 || bytes.size() < kDirectorySize + count * kEntrySize) {
        error = "the cursor file's directory is empty or truncated";
        return false;
    }
    size_t chosen = 0;
    int bestDistance = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = data + kDirectorySize + i * kEntrySize;
        const int side = entry[0] == 0 ? 256 : entry[0];
        const int distance = std::abs(side - kUsualSide);
        if (i == 0 || distance < bestDistance) {
            chosen = i;
            bestDistance = distance;
        }
    }
    const uint8_t* entry = data + kDirectorySize + chosen * kEntrySize;
    const uint64_t length = ReadU32Le(entry + 8);
    const uint64_t offset = ReadU32Le(entry + 12);
    if (length == 0 || offset + length > bytes.size()) {
        error = "the cursor file's picture lies outside the file";
        return false;
    }
    const std::string_view image =
        bytes.substr(static_cast<size_t>(offset), static_cast<size_t>(length));
    static constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
    Image picture;
    const bool ok = image.starts_with(std::string_view(kPngSignature, 8))
                        ? DecodePng(image, picture, error)
                        : DecodeDib(image, picture, error);
    if (!ok) return false;
    // An icon has no hot spot of its own: it points with its centre.
    int hotX = cursor ? ReadU16Le(entry + 4) : picture.width / 2;
    int hotY = cursor ? ReadU16Le(entry + 6) : picture.height / 2;
    out.hotX = std::clamp(hotX, 0, picture.width - 1);
    out.hotY = std::clamp(hotY, 0, picture.height - 1);
    out.picture = std::move(picture);
    return true;
}

}  // namespace orvane
