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

}  // namespace orvane::testing
