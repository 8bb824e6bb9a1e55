#include "platform/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <new>
#include <vector>

#include "base/files.h"

namespace orvane {
namespace {

struct PngSink {
    std::string bytes;
    std::string error;
};

// libpng reports errors by longjmp; nothing between here and the setjmp in EncodePng owns a
// resource, so the jump skips no destructor.
[[noreturn]] void OnPngError(png_structp png, png_const_charp message) {
    static_cast<PngSink*>(png_get_error_ptr(png))->error = message;
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void OnPngWrite(png_structp png, png_bytep data, png_size_t length) {
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    bool full = false;
    try {
        sink->bytes.append(reinterpret_cast<const char*>(data), length);
    } catch (const std::bad_alloc&) {
        // An exception must not unwind through libpng's C frames.
        full = true;
    }
    if (full) png_error(png, "out of memory");
}

void OnPngFlush(png_structp) {}

bool EncodePng(const Image& image, PngSink& sink) {
    // Everything with a destructor is made before setjmp.
    const size_t stride = static_cast<size_t>(image.width) * 3;
    std::vector<png_byte> rgb(stride * static_cast<size_t>(image.height));
    std::vector<png_bytep> rows(static_cast<size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        png_bytep out = rgb.data() + stride * static_cast<size_t>(y);
        rows[static_cast<size_t>(y)] = out;
        const uint32_t* in = image.row(y);
        for (int x = 0; x < image.width; ++x) {
            *out++ = PixelRed(in[x]);
            *out++ = PixelGreen(in[x]);
            *out++ = PixelBlue(in[x]);
        }
    }

    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, OnPngError, OnPngWarning);
    if (!png) {
        sink.error = "out of memory";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        sink.error = "out of memory";
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &sink, OnPngWrite, OnPngFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                 static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool WritePng(const std::filesystem::path& path, const Image& image, std::string& error) {
    if (image.empty() || image.pixels.size() != static_cast<size_t>(image.width) * image.height) {
        error = "cannot write " + path.string() + ": the picture has no pixels";
        return false;
    }
    PngSink sink;
    if (!EncodePng(image, sink)) {
        error = "cannot encode " + path.string() + ": " + sink.error;
        return false;
    }
    return WriteFileAtomic(path, sink.bytes, error);
}

}  // namespace orvane
