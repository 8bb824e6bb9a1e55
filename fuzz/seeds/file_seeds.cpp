// Seeds of the readers of single files, small so that the fuzzer mutates them quickly: each kind
// the readers know (BMP depths and compressions, JPEG, cursor bitmaps and PNGs, wave layouts,
// archive entries of every mode) at least once.
#include <fstream>
#include <sstream>
#include <vector>

#include "archive/bmp_writer.h"
#include "archive/jpeg_codec.h"
#include "archive/pak_format.h"
#include "archive/pak_writer.h"
#include "picture_encoding.h"
#include "platform/wave_format.h"
#include "pointer.h"
#include "scratch_folder.h"
#include "script/triggers.h"
#include "seed_writer.h"
#include "support/cursor_file.h"
#include "support/game_folder.h"

namespace orvane::fuzz {
namespace {

void Put(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A picture of a few colours with a see-through corner, for every encoder.
Image Sample(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto shade = static_cast<uint8_t>(x * 255 / std::max(width - 1, 1));
            image.at(x, y) = MakePixel(shade, static_cast<uint8_t>(y * 40), 90,
                                       x + y < 3 ? 255 : (x == y ? 128 : 0));
        }
    }
    return image;
}

// A BMP with the 40-byte header, a palette of `colours` grey entries and `pixels` as stored.
std::string PaletteBmp(int bits, int compression, int width, int height, int colours,
                       const std::string& pixels) {
    std::string bmp = "BM";
    const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(colours);
    Put(bmp, offset + static_cast<uint32_t>(pixels.size()), 4);
    Put(bmp, 0, 4);
    Put(bmp, offset, 4);
    Put(bmp, 40, 4);
    Put(bmp, static_cast<uint32_t>(width), 4);
    Put(bmp, static_cast<uint32_t>(height), 4);
    Put(bmp, 1, 2);
    Put(bmp, static_cast<uint32_t>(bits), 2);
    for (uint32_t value : {static_cast<uint32_t>(compression), static_cast<uint32_t>(pixels.size()),
                           2835u, 2835u, static_cast<uint32_t>(colours), 0u}) {
        Put(bmp, value, 4);
    }
    for (int i = 0; i < colours; ++i)
        Put(bmp, static_cast<uint32_t>(i * 255 / colours) * 0x010101u, 4);
    return bmp + pixels;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::pair<std::string, std::string>> BmpSeeds() {
    const Image sample = Sample(7, 5);
    std::vector<std::pair<std::string, std::string>> bmps = {
        {"rgb24", EncodeBmp24(sample)},
        {"rgb32", EncodeBmp32(sample)},
        {"rle8-empty", testing::RunLengthBmpOf(9, 4)},
        // Two rows of 4 pixels, stored padded to 4 bytes each.
        {"pal8", PaletteBmp(8, 0, 4, 2, 4, std::string("\x00\x01\x02\x03\x03\x02\x01\x00", 8))},
        {"pal4", PaletteBmp(4, 0, 4, 2, 16, std::string("\x01\x23\x00\x00\x45\x67\x00\x00", 8))},
        {"pal1", PaletteBmp(1, 0, 4, 2, 2, std::string("\xA0\x00\x00\x00\x50\x00\x00\x00", 8))},
        // RLE8: a run, a literal of three, an end of line, a delta, end of picture.
        {"rle8", PaletteBmp(8, 1, 6, 3, 4,
                            std::string("\x03\x01\x00\x03\x02\x03\x01\x00\x00\x00\x00\x02\x01\x01"
                                        "\x00\x01",
                                        16))},
        // RLE4: a run of alternating colours, a literal of four, end of picture.
        {"rle4", PaletteBmp(4, 2, 8, 2, 16, std::string("\x04\x12\x00\x04\x34\x56\x00\x01", 8))},
    };
    // The team's collection of real-world BMPs, where it is beside the repository.
    const std::filesystem::path suite = std::filesystem::path(ORVANE_SHARED_TESTDATA) / "bmpsuite";
    std::error_code ec;
    for (const char* group : {"g", "b", "q"}) {
        for (const auto& file : std::filesystem::directory_iterator(suite / group, ec)) {
            if (file.path().extension() == ".bmp") {
                bmps.emplace_back(std::string(group) + "-" + file.path().stem().string(),
                                  ReadFile(file.path()));
            }
        }
    }
    return bmps;
}

std::vector<std::pair<std::string, std::string>> WaveSeeds() {
    std::vector<std::pair<std::string, std::string>> waves;
    std::string samples;
    for (int i = 0; i < 64; ++i) samples += static_cast<char>(i * 7);
    for (const PcmFormat format : {PcmFormat{1, 11025, 8}, PcmFormat{2, 22050, 16},
                                   PcmFormat{1, 44100, 16}, PcmFormat{2, 8000, 8}}) {
        waves.emplace_back("pcm" + std::to_string(format.channels) + "-" +
                               std::to_string(format.sampleRate) + "-" +
                               std::to_string(format.bitsPerSample),
                           EncodeWave(format, samples));
    }
    // Chunks the reader walks past: a LIST before "fmt ", a fact chunk and an odd-sized data
    // chunk with its pad byte.
    const PcmFormat format{2, 44100, 16};
    const std::string plain = EncodeWave(format, samples.substr(0, 33));
    std::string listed = "RIFF";
    Put(listed, static_cast<uint32_t>(plain.size() - 8 + 14), 4);
    listed += "WAVELIST";
    Put(listed, 5, 4);
    listed += std::string("INFOx\0", 6) + plain.substr(12);
    waves.emplace_back("list-odd", listed);
    // The data chunk claims more than the file holds.
    waves.emplace_back("cut-short", plain.substr(0, plain.size() - 10));
    return waves;
}

std::string ArchiveOf(const std::vector<PakSource>& sources) {
    const std::filesystem::path file = ScratchFolder() / "seed.pak";
    std::string error;
    if (!WritePak(sources, file, error)) return {};
    return ReadFile(file);
}

void WriteArchiveSeeds(SeedWriter& seeds) {
    const Image sample = Sample(6, 4);
    const std::string bmp = EncodeBmp32(sample);
    const std::string jpeg = EncodeJpeg(sample, 80);
    const std::string wave = EncodeWave(PcmFormat{1, 11025, 8}, std::string(40, '\x80'));
    const std::string script = EncodeScriptBytes("scene one\r\nset pause\r\nend");
    seeds.Add("pak_fuzzer", "empty", ArchiveOf({}));
    seeds.Add("pak_fuzzer", "every-kind",
              ArchiveOf({{"master.scn", {}, script},
                         {"pic.bmp", {}, bmp},
                         {"photo.jpg", {}, jpeg},
                         {"voice.wav", {}, wave},
                         // A Cyrillic name, found whatever its letter case.
                         {"\xC3\xEE\xEB\xEE\xF1.wav", {}, wave}}));
    seeds.Add("pak_fuzzer", "same-name-twice",
              ArchiveOf({{"a.bmp", {}, bmp}, {"A.BMP", {}, jpeg}, {"empty", {}, ""}}));

    // The picture target: the first byte chooses JPEG (1), archive (2) and the surface (4, 8).
    for (int choice : {0, 1, 2, 3, 4 | 1, 8 | 2, 12}) {
        const std::string& file = (choice & 1) ? jpeg : bmp;
        seeds.Add("picture_fuzzer", "choice" + std::to_string(choice),
                  std::string(1, static_cast<char>(choice)) + file);
    }
    seeds.Add("picture_fuzzer", "rle-large",
              std::string(1, '\0') + testing::RunLengthBmpOf(2000, 1500));
}

void WriteCursorSeeds(SeedWriter& seeds) {
    const Image sample = Sample(8, 8);
    seeds.Add("cursor_fuzzer", "bits1",
              testing::CursorFileOf({{8, 1, 2, testing::DibOf(sample, 1)}}));
    seeds.Add("cursor_fuzzer", "bits32",
              testing::CursorFileOf({{8, 0, 0, testing::DibOf(sample, 32)}}));
    seeds.Add("cursor_fuzzer", "png", testing::CursorFileOf({{8, 3, 3, testing::PngOf(sample)}}));
    seeds.Add("cursor_fuzzer", "two-entries-icon",
              testing::CursorFileOf({{8, 0, 0, testing::DibOf(sample, 1)},
                                     {16, 5, 5, testing::DibOf(Sample(16, 16), 32, false)}},
                                    1));
    seeds.Add("cursor_fuzzer", "demo-pointer", demo::EncodeCursor(demo::DrawPointer(), 1, 1));
}

}  // namespace

void WriteFileSeeds(SeedWriter& seeds) {
    for (const auto& [name, bytes] : BmpSeeds()) seeds.Add("bmp_fuzzer", name, bytes);
    for (const auto& [name, bytes] : WaveSeeds()) seeds.Add("wave_fuzzer", name, bytes);
    WriteArchiveSeeds(seeds);
    WriteCursorSeeds(seeds);
    seeds.Add("triggers_fuzzer", "unlocked",
              EncodeTriggerFile({"sys_1=1", "gal_title=yes", "legal_x=2", "chapter=3"}));
    seeds.Add("triggers_fuzzer", "crlf-and-lf",
              EncodeScriptBytes("sys_2=1\r\ngal_new=yes\nsys_1\r\n=x\r\n\r\nsys_3=1"));
}

}  // namespace orvane::fuzz
