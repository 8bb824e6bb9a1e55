// orvane-demo-gen: draws the demo game's pictures into a folder, from which the build packs them.
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/files.h"
#include "picture_encoding.h"
#include "pictures.h"
#include "pointer.h"

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "orvane-demo-gen: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orvane;
    if (argc != 2 || std::string(argv[1]) == "--help") {
        std::fprintf(argc == 2 ? stdout : stderr,
                     "Usage: orvane-demo-gen DIR\n"
                     "Draws the demo game's pictures and its mouse pointer into DIR.\n");
        return argc == 2 ? 0 : 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        return Fail("cannot create the folder " + folder.string());
    }
    for (const demo::DemoPicture& picture : demo::DemoPictures()) {
        const Image image = picture.draw();
        const std::string bytes = demo::EncodePicture(image, picture.format);
        if (bytes.empty()) return Fail("cannot encode " + std::string(picture.file));
        std::string error;
        if (!WriteFileAtomic(folder / picture.file, bytes, error)) return Fail(error);
    }
    // The pointer is no picture of the archive: the engine reads it from the game folder.
    std::string error;
    const std::string pointer = demo::EncodeCursor(demo::DrawPointer(), 1, 1);
    if (!WriteFileAtomic(folder / demo::kPointerFile, pointer, error)) return Fail(error);
    return 0;
}
