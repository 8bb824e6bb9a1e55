#include "archive/jpeg_codec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>  // jpeglib.h expects FILE and size_t to be declared already
#include <cstdlib>
#include <utility>
#include <vector>

#include <jpeglib.h>

#include "archive/picture_limits.h"

// libjpeg reports a fatal error by calling error_exit, which must not return; ours jumps back to
// the setjmp of the call that started the work. Everything with a destructor lives in the
// Decoder or Encoder of the caller, never as a local of a function that calls setjmp, so the
// jump skips no destructor and leaves no object in an indeterminate state.

namespace orvane {

namespace {

// A progressive file may repeat scans over the whole picture at a few bytes each; beyond this
// many it is an attack on our time, not a picture.
constexpr int kMaxScans = 500;
// Enough for the coefficients of the largest picture we accept (a progressive CMYK picture of
// 16 M pixels keeps 128 MiB of them), and no more, so a hostile file cannot take more.
constexpr long kMaxLibraryMemory = 256L << 20;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void Fail(j_common_ptr cinfo, const char* text) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::snprintf(manager->message, sizeof manager->message, "%s", text);
    std::longjmp(manager->jump, 1);
}

[[noreturn]] void OnError(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings (a damaged stretch of data, a missing end marker) still give a usable picture; the
// library would print them on stderr.
void IgnoreMessage(j_common_ptr) {}

void LimitScans(j_common_ptr cinfo) {
    if (cinfo->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
        Fail(cinfo, "too many scans");
    }
}

void InstallErrorManager(ErrorManager& manager) {
    jpeg_std_error(&manager.pub);
    manager.pub.error_exit = OnError;
    manager.pub.output_message = IgnoreMessage;
    manager.message[0] = '\0';
}

struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    jpeg_progress_mgr progress{};
    bool created = false;
    Image image;
    std::vector<uint8_t> row;

    Decoder() = default;
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
    ~Decoder() {
        if (created) jpeg_destroy_decompress(&cinfo);
    }
};

uint8_t UnInk(uint8_t ink, uint8_t black, bool inverted) {
    // Adobe writes CMYK inverted: 255 means no ink.
    const int c = inverted ? ink : 255 - ink;
    const int k = inverted ? black : 255 - black;
    return static_cast<uint8_t>(c * k / 255);
}

void StoreRow(const Decoder& d, uint32_t* dst) {
    const uint8_t* src = d.row.data();
    const int width = static_cast<int>(d.cinfo.output_width);
    if (d.cinfo.out_color_space == JCS_CMYK) {
        const bool inverted = d.cinfo.saw_Adobe_marker;
        for (int x = 0; x < width; ++x, src += 4) {
            dst[x] = MakePixel(UnInk(src[0], src[3], inverted), UnInk(src[1], src[3], inverted),
                               UnInk(src[2], src[3], inverted));
        }
    } else {
        for (int x = 0; x < width; ++x, src += 3) dst[x] = MakePixel(src[0], src[1], src[2]);
    }
}

bool Decompress(Decoder& d, std::string_view bytes, std::string& error) {
    d.cinfo.err = &d.errors.pub;
    InstallErrorManager(d.errors);
    if (setjmp(d.errors.jump)) {
        error = std::string("JPEG: ") + d.errors.message;
        return false;
    }
    jpeg_create_decompress(&d.cinfo);
    d.created = true;
    d.cinfo.mem->max_memory_to_use = kMaxLibraryMemory;
    d.progress.progress_monitor = LimitScans;
    d.cinfo.progress = &d.progress;
    jpeg_mem_src(&d.cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&d.cinfo, TRUE);
    if (!CheckPictureSize(d.cinfo.image_width, d.cinfo.image_height, error)) return false;
    const bool cmyk = d.cinfo.jpeg_color_space == JCS_CMYK || d.cinfo.jpeg_color_space == JCS_YCCK;
    d.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&d.cinfo);
    d.image.width = static_cast<int>(d.cinfo.output_width);
    d.image.height = static_cast<int>(d.cinfo.output_height);
    d.image.pixels.assign(static_cast<size_t>(d.image.width) * d.image.height, 0);
    d.row.resize(static_cast<size_t>(d.image.width) * d.cinfo.output_components);
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW rows[1] = {d.row.data()};
        uint32_t* dst = d.image.row(static_cast<int>(d.cinfo.output_scanline));
        if (jpeg_read_scanlines(&d.cinfo, rows, 1) != 1) {
            Fail(reinterpret_cast<j_common_ptr>(&d.cinfo), "data ended early");
        };
        StoreRow(d, dst);
    }
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

struct Encoder {
    jpeg_compress_struct cinfo{};
    ErrorManager errors{};
    bool created = false;
    unsigned char* buffer = nullptr;  // grown by the library with malloc
    unsigned long size = 0;
    std::vector<uint8_t> row;

    Encoder() = default;
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
    ~Encoder() {
        if (created) jpeg_destroy_compress(&cinfo);
        std::free(buffer);
    }
};

bool Compress(Encoder& e, const Image& image, int quality) {
    e.cinfo.err = &e.errors.pub;
    InstallErrorManager(e.errors);
    if (setjmp(e.errors.jump)) return false;
    jpeg_create_compress(&e.cinfo);
    e.created = true;
    jpeg_mem_dest(&e.cinfo, &e.buffer, &e.size);
    e.cinfo.image_width = static_cast<JDIMENSION>(image.width);
    e.cinfo.image_height = static_cast<JDIMENSION>(image.height);
    e.cinfo.input_components = 3;
    e.cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.cinfo);
    jpeg_set_quality(&e.cinfo, std::clamp(quality, 1, 100), TRUE);
    jpeg_start_compress(&e.cinfo, TRUE);
    e.row.resize(static_cast<size_t>(image.width) * 3);
    while (e.cinfo.next_scanline < e.cinfo.image_height) {
        const uint32_t* src = image.row(static_cast<int>(e.cinfo.next_scanline));
        for (int x = 0; x < image.width; ++x) {
            e.row[3 * x] = PixelRed(src[x]);
            e.row[3 * x + 1] = PixelGreen(src[x]);
            e.row[3 * x + 2] = PixelBlue(src[x]);
        }
        JSAMPROW rows[1] = {e.row.data()};
        jpeg_write_scanlines(&e.cinfo, rows, 1);
    }
    jpeg_finish_compress(&e.cinfo);
    return true;
}

}  // namespace

bool DecodeJpeg(std::string_view bytes, Image& out, std::string& error) {
    if (bytes.empty()) {
        error = "JPEG file is empty";
        return false;
    }
    Decoder decoder;
    if (!Decompress(decoder, bytes, error)) return false;
    out = std::move(decoder.image);
    return true;
}

std::string EncodeJpeg(const Image& image, int quality) {
    if (image.empty() || image.pixels.size() < static_cast<size_t>(image.width) * image.height) {
        return {};
    }
    Encoder encoder;
    if (!Compress(encoder, image, quality)) return {};
    return std::string(reinterpret_cast<const char*>(encoder.buffer), encoder.size);
}

}  // namespace orvane
