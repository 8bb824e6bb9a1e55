#include "archive/bmp_decoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "base/little_endian.h"

namespace orvane {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
// The 52- and 56-byte headers and V4 onwards carry the bit masks inside the header.
constexpr uint32_t kHeaderWithMasks = 52;

constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;
constexpr uint32_t kBitfields = 3;
constexpr uint32_t kAlphaBitfields = 6;


// One colour channel of a bit-mask pixel, widened to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    uint8_t Extract(uint32_t pixel) const {
        if (bits == 0) return 0;
        const uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<uint8_t>(value >> (bits - 8));
        // Repeating the bits spreads a narrow channel over the whole range, so that its largest
        // value becomes 255 rather than 248.
        uint32_t wide = 0;
        int filled = 0;
        while (filled < 8) {
            wide = (wide << bits) | value;
            filled += bits;
        }
        return static_cast<uint8_t>(wide >> (filled - 8));
    }
};

bool MakeChannel(uint32_t mask, int bitCount, const char* name, Channel& out, std::string& error) {
    out = Channel{};
    if (mask == 0) return true;
    if (bitCount < 32 && (mask >> bitCount) != 0) {
        error = std::string("BMP ") + name + " mask uses bits beyond the pixel size";
        return false;
    }
    const int shift = std::countr_zero(mask);
    const uint32_t shifted = mask >> shift;
    if ((shifted & (shifted + 1)) != 0) {
        error = std::string("BMP ") + name + " mask is not one run of bits";
        return false;
    }
    out = Channel{mask, shift, std::popcount(shifted)};
    return true;
}

struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = kRgb;
    std::array<uint32_t, 3> masks{};  // red, green, blue
    size_t paletteAt = 0;
    size_t paletteEntry = 4;
    uint32_t paletteColors = 0;
    size_t pixelsAt = 0;
};

bool KnownHeaderSize(uint32_t size) {
    return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 ||
           size == 108 || size == 124;
}

bool ValidDepth(const BmpLayout& layout, bool core, std::string& error) {
    const int bits = layout.bitCount;
    bool ok = false;
    switch (layout.compression) {
        case kRgb:
            ok = bits == 1 || bits == 4 || bits == 8 || bits == 24 ||
                 (!core && (bits == 16 || bits == 32));
            break;
        case kRle8:
            ok = bits == 8;
            break;
        case kRle4:
            ok = bits == 4;
            break;
        case kBitfields:
        case kAlphaBitfields:
            ok = bits == 16 || bits == 32;
            break;
        default:
            error = "unsupported BMP compression " + std::to_string(layout.compression);
            return false;
    }
    if (!ok) {
        error = "unsupported BMP bit count " + std::to_string(bits) + " for compression " +
                std::to_string(layout.compression);
        return false;
    }
    if (layout.topDown && (layout.compression == kRle8 || layout.compression == kRle4)) {
        error = "a top-down BMP cannot be run-length compressed";
        return false;
    }
    return true;
}

bool ParseLayout(std::string_view bytes, BmpLayout& layout, std::string& error) {
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const size_t size = bytes.size();
    if (size < kFileHeaderSize + 4) {
        error = "file is too short to be a BMP";
        return false;
    }
    if (data[0] != 'B' || data[1] != 'M') {
        error = "not a BMP file (no BM signature)";
        return false;
    }
    const uint32_t headerSize = ReadU32Le(data + 14);
    if (!KnownHeaderSize(headerSize)) {
        error = "unsupported BMP header size " + std::to_string(headerSize);
        return false;
    }
    if (size < kFileHeaderSize + headerSize) {
        error = "BMP header is truncated";
        return false;
    }
    const uint8_t* info = data + kFileHeaderSize;
    const bool core = headerSize == kCoreHeaderSize;
    int64_t width = 0;
    int64_t height = 0;
    uint16_t planes = 0;
    uint32_t colorsUsed = 0;
    if (core) {
        width = ReadU16Le(info + 4);
        height = ReadU16Le(info + 6);
        planes = ReadU16Le(info + 8);
        layout.bitCount = ReadU16Le(info + 10);
        layout.paletteEntry = 3;
    } else {
        width = static_cast<int32_t>(ReadU32Le(info + 4));
        height = static_cast<int32_t>(ReadU32Le(info + 8));
        planes = ReadU16Le(info + 12);
        layout.bitCount = ReadU16Le(info + 14);
        layout.compression = ReadU32Le(info + 16);
        colorsUsed = ReadU32Le(info + 32);
    }
    if (planes != 1) {
        error = "BMP declares " + std::to_string(planes) + " colour planes instead of 1";
        return false;
    }
    layout.topDown = height < 0;
    if (height < 0) height = -height;
    if (!CheckPictureSize(width, height, error)) return false;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    if (!ValidDepth(layout, core, error)) return false;

    size_t afterHeaders = kFileHeaderSize + headerSize;
    if (layout.compression == kBitfields || layout.compression == kAlphaBitfields) {
        if (headerSize < kHeaderWithMasks) {
            afterHeaders += layout.compression == kAlphaBitfields ? 16 : 12;
            if (size < afterHeaders) {
                error = "BMP bit masks are truncated";
                return false;
            }
        }
        for (size_t i = 0; i < 3; ++i) layout.masks[i] = ReadU32Le(info + kInfoHeaderSize + 4 * i);
    } else if (layout.bitCount == 16) {
        layout.masks = {0x7C00, 0x03E0, 0x001F};
    }

    layout.paletteAt = afterHeaders;
    layout.pixelsAt = ReadU32Le(data + 10);
    if (layout.pixelsAt < afterHeaders || layout.pixelsAt > size) {
        error = "BMP pixel data offset " + std::to_string(layout.pixelsAt) +
                " lies outside the file or inside its headers";
        return false;
    }
    if (layout.bitCount <= 8) {
        const uint64_t declared = colorsUsed != 0 ? colorsUsed : uint64_t{1} << layout.bitCount;
        if (declared > 256) {
            error = "BMP palette declares " + std::to_string(declared) + " colours";
            return false;
        }
        // Some writers declare a full palette yet start the pixels sooner; the pixels win.
        const size_t room = (layout.pixelsAt - layout.paletteAt) / layout.paletteEntry;
        layout.paletteColors = static_cast<uint32_t>(std::min<uint64_t>(declared, room));
    }
    return true;
}

using Palette = std::array<uint32_t, 256>;

// Entries the file does not have stay black, so an index past the palette reads no memory.
Palette ReadPalette(const uint8_t* data, const BmpLayout& layout) {
    Palette palette{};
    for (uint32_t i = 0; i < layout.paletteColors; ++i) {
        const uint8_t* entry = data + layout.paletteAt + i * layout.paletteEntry;
        palette[i] = MakePixel(entry[2], entry[1], entry[0]);
    }
    return palette;
}

bool DecodeUncompressed(const uint8_t* data, size_t size, const BmpLayout& layout,
                        const Palette& palette, Image& image, std::string& error) {
    const uint64_t rowBits = static_cast<uint64_t>(layout.width) * layout.bitCount;
    const uint64_t stride = (rowBits + 31) / 32 * 4;
    // The padding of the last row is often missing, and nothing needs it.
    const uint64_t needed = stride * (layout.height - 1) + (rowBits + 7) / 8;
    if (needed > size - layout.pixelsAt) {
        error = "BMP pixel data is truncated (" + std::to_string(needed) + " bytes needed, " +
                std::to_string(size - layout.pixelsAt) + " present)";
        return false;
    }
    std::array<Channel, 3> channels;
    const char* names[3] = {"red", "green", "blue"};
    for (size_t i = 0; i < 3; ++i) {
        if (!MakeChannel(layout.masks[i], layout.bitCount, names[i], channels[i], error)) {
            return false;
        }
    }
    image = Image(layout.width, layout.height);
    const int bits = layout.bitCount;
    const uint32_t indexMask = (1u << std::min(bits, 8)) - 1;
    const bool rawFourthByte = bits == 32 && layout.compression == kRgb;
    for (int fileRow = 0; fileRow < layout.height; ++fileRow) {
        const uint8_t* src = data + layout.pixelsAt + stride * fileRow;
        uint32_t* dst = image.row(layout.topDown ? fileRow : layout.height - 1 - fileRow);
        for (int x = 0; x < layout.width; ++x) {
            if (bits <= 8) {
                const size_t bit = static_cast<size_t>(x) * bits;
                const int shift = 8 - bits - static_cast<int>(bit % 8);
                dst[x] = palette[(src[bit / 8] >> shift) & indexMask];
            } else if (bits == 24) {
                const uint8_t* p = src + 3 * static_cast<size_t>(x);
                dst[x] = MakePixel(p[2], p[1], p[0]);
            } else {
                const uint32_t value = bits == 16 ? ReadU16Le(src + 2 * static_cast<size_t>(x))
                                                  : ReadU32Le(src + 4 * static_cast<size_t>(x));
                dst[x] = rawFourthByte
                             ? value
                             : MakePixel(channels[0].Extract(value), channels[1].Extract(value),
                                         channels[2].Extract(value));
            }
        }
    }
    return true;
}

// Run-length data that strays outside the picture is clipped, and data that ends without an
// end-of-bitmap mark simply ends the picture: writers were careless with both.
void DecodeRunLength(const uint8_t* data, size_t size, const BmpLayout& layout,
                     const Palette& palette, Image& image) {
    const bool fourBit = layout.compression == kRle4;
    int64_t x = 0;
    int64_t row = 0;  // counted from the bottom, as the file stores the rows
    auto put = [&](uint8_t index) {
        if (x < layout.width && row < layout.height) {
            image.at(static_cast<int>(x), layout.height - 1 - static_cast<int>(row)) =
                palette[index];
        }
        ++x;
    };
    size_t at = 0;
    while (size - at >= 2 && row < layout.height) {
        const uint8_t count = data[at];
        const uint8_t value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) {
                put(!fourBit ? value : (i % 2 == 0 ? value >> 4 : value & 0x0F));
            }
        } else if (value == 0) {
            x = 0;
            ++row;
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            if (size - at < 2) return;
            x += data[at];
            row += data[at + 1];
            at += 2;
        } else {
            const size_t runBytes = fourBit ? (value + 1) / 2 : value;
            const size_t present = std::min(runBytes, size - at);
            for (size_t i = 0; i < value; ++i) {
                const size_t byte = fourBit ? i / 2 : i;
                if (byte >= present) break;
                put(!fourBit ? data[at + byte]
                             : (i % 2 == 0 ? data[at + byte] >> 4 : data[at + byte] & 0x0F));
            }
            // Absolute runs are padded to a 16-bit boundary.
            at += std::min(runBytes + (runBytes & 1), size - at);
        }
    }
}

}  // namespace

bool DecodeBmp(std::string_view bytes, Image& out, std::string& error) {
    BmpLayout layout;
    if (!ParseLayout(bytes, layout, error)) return false;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const Palette palette = ReadPalette(data, layout);
    Image image;
    if (layout.compression == kRle8 || layout.compression == kRle4) {
        if (layout.pixelsAt == bytes.size()) {
            error = "BMP has no pixel data";
            return false;
        }
        image = Image(layout.width, layout.height);
        DecodeRunLength(data + layout.pixelsAt, bytes.size() - layout.pixelsAt, layout, palette,
                        image);
    } else if (!DecodeUncompressed(data, bytes.size(), layout, palette, image, error)) {
        return false;
    }
    out = std::move(image);
    return true;
}

}  // namespace orvane
