// Writes the game folders of the window tests. "start": a start screen of one distinctive
// colour, so that the probe can tell the engine's first frame from anything else on the X
// display. "click": a scene in one colour with a line of text, then, after a click, another.
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "support/game_folder.h"

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[2], "start") != 0 && std::strcmp(argv[2], "click") != 0)) {
        std::fprintf(stderr, "usage: make_window_game DIR start|click\n");
        return 2;
    }
    using orvane::MakePixel;
    using orvane::testing::Bmp32Of;
    const std::filesystem::path dir = argv[1];
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    orvane::testing::GameArchive game;
    game.FixedPictures(MakePixel(40, 200, 160)).Script("triggers.scn", "gal_trg51=0\r\nchapter=1");
    if (std::strcmp(argv[2], "start") == 0) {
        game.Script("master.scn", "scene start\r\n");
    } else {
        game.Entry("bg_first.bmp", Bmp32Of(1024, 768, MakePixel(200, 120, 30)))
            .Entry("bg_second.bmp", Bmp32Of(1024, 768, MakePixel(30, 90, 220)))
            .Script("objects.scn", "bg_first:bg_first.bmp\r\nbg_second:bg_second.bmp")
            .Script("default_text.scn",
                    "xy_pos=40:700\r\nfont=DejaVu Sans:16::15:60\r\nspeed=fast\r\nil=24\r\n"
                    "max_str=3\r\nclick=yes\r\nname_font=DejaVu Sans:14:bold:4:60\r\n"
                    "name_x=40\r\nname_y=680\r\nextra=0")
            .Script("master.scn",
                    "scene first\r\nset bg bg=bg_first\r\nset text name=Anna text=Click to go on.\r\n"
                    "set bg level=2 bg=bg_second\r\nend\r\n");
    }
    game.WriteTo(dir / "Orvane.pak");
    return 0;
}
