#include "support/game_folder.h"

#include <stdexcept>

#include "archive/bmp_writer.h"
#include "archive/jpeg_codec.h"
#include "archive/pak_format.h"

namespace orvane::testing {

GameArchive& GameArchive::Script(std::string name, std::string_view text) {
    return Entry(std::move(name), EncodeScriptBytes(text));
}

GameArchive& GameArchive::Entry(std::string name, std::string bytes) {
    sources_.push_back(PakSource{std::move(name), {}, std::move(bytes)});
    return *this;
}

GameArchive& GameArchive::FixedPictures(uint32_t blackScreenPixel) {
    Entry("blackscreen.jpg", JpegOf(1024, 768, blackScreenPixel));
    Entry("whitescreen.jpg", JpegOf(1024, 768, MakePixel(255, 255, 255)));
    return Entry("redbox.bmp", Bmp32Of(20, 20, MakePixel(255, 0, 0)));
}

void GameArchive::WriteTo(const std::filesystem::path& archive) const {
    std::string error;
    if (!WritePak(sources_, archive, error)) throw std::runtime_error(error);
}

Image Solid(int width, int height, uint32_t pixel) {
    Image image(width, height);
    std::fill(image.pixels.begin(), image.pixels.end(), pixel);
    return image;
}

std::string JpegOf(int width, int height, uint32_t pixel) {
    return EncodeJpeg(Solid(width, height, pixel), 95);
}

std::string Bmp32Of(int width, int height, uint32_t pixel) {
    return EncodeBmp32(Solid(width, height, pixel));
}

std::string RunLengthBmpOf(int32_t width, int32_t height) {
    std::string bmp;
    auto put = [&](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) bmp += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    bmp += "BM";
    // File size, reserved, pixel offset; the 40-byte header (8 bits, RLE8, one colour); the
    // palette of that one colour, black.
    for (uint32_t value : {60u, 0u, 58u, 40u}) put(value, 4);
    put(static_cast<uint32_t>(width), 4);
    put(static_cast<uint32_t>(height), 4);
    put(1, 2);
    put(8, 2);
    for (uint32_t value : {1u, 0u, 2835u, 2835u, 1u, 0u, 0u}) put(value, 4);
    bmp += std::string("\x00\x01", 2);  // end of bitmap
    return bmp;
}

}  // namespace orvane::testing
