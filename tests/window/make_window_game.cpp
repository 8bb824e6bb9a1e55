// Writes the game folder for the window test: a start screen of one distinctive colour, so that
// the probe can tell the engine's first frame from anything else on the X display.
#include <cstdio>
#include <filesystem>

#include "support/game_folder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_window_game DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    orvane::testing::GameArchive()
        .FixedPictures(orvane::MakePixel(40, 200, 160))
        .Script("master.scn", "scene start\r\n")
        .Script("triggers.scn", "gal_trg51=0\r\nchapter=1")
        .WriteTo(dir / "Orvane.pak");
    return 0;
}
