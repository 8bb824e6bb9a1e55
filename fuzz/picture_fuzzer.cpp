// Picture loading as the engine asks for it: a BMP or JPEG by its name, from a loose file or
// from the main archive, copied into a surface of another size.
#include <string>

#include "archive/pak_reader.h"
#include "archive/pak_writer.h"
#include "archive/picture_loader.h"
#include "input_parts.h"
#include "scratch_folder.h"

namespace {

struct Size {
    int width, height;
};
constexpr Size kSurfaces[] = {{1024, 768}, {20, 20}, {400, 300}, {1, 1}};

}  // namespace

// The first byte chooses: bit 0 a JPEG name, bit 1 the archive instead of a loose file, bits 2
// and 3 the surface. The rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orvane;
    if (size == 0) return 0;
    const uint8_t choice = data[0];
    const std::string_view file = fuzz::Bytes(data + 1, size - 1);
    const std::string name = (choice & 1) ? "Picture.jpg" : "Picture.bmp";

    const std::filesystem::path game = fuzz::FreshScratchFolder("game");
    if (choice & 2) {
        std::string error;
        WritePak({PakSource{name, {}, std::string(file)}}, game / kMainArchive, error);
        ForgetPakIndexes();
    } else {
        fuzz::WriteScratchFile("game/picture" + name.substr(7), file);
    }
    PictureLoader loader(game, game);
    const Size surface = kSurfaces[(choice >> 2) & 3];
    Image target(surface.width, surface.height);
    // The name as the script writes it: the loose file is found whatever its letter case.
    loader.LoadPicture(target, name);
    // Asked again, the JPEG decoder's last picture stands in for a missing one.
    loader.LoadPicture(target, "missing.jpg");
    loader.Take(name);
    return 0;
}
