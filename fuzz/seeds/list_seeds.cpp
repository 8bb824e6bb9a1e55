// Seeds of the game's list files: the demo's own, each behind the byte that chooses its reader
// in game_lists_fuzzer, and settings files as players and the options screen leave them.
#include "fuzz_game.h"
#include "seed_writer.h"

namespace orvane::fuzz {
namespace {

// The order of the readers in game_lists_fuzzer.
enum Reader : char { Settings, Catalogue, Menus, Interface, Gallery, TextDefaults, Names };

void Add(SeedWriter& seeds, std::string_view name, Reader reader, std::string_view text) {
    seeds.Add("game_lists_fuzzer", name, std::string(1, reader) + std::string(text));
}

}  // namespace

void WriteListSeeds(SeedWriter& seeds) {
    constexpr std::pair<const char*, Reader> kDemoLists[] = {
        {"objects.scn", Catalogue},         {"menus.scn", Menus},
        {"interface.scn", Interface},       {"gallery.scn", Gallery},
        {"default_text.scn", TextDefaults}, {"names.scn", Names},
    };
    for (const auto& [file, reader] : kDemoLists) Add(seeds, file, reader, DemoScript(file));
    Add(seeds, "settings-written", Settings, "SoundVolume=3\nMusicVolume=-1\nFullScreen=1\n");
    Add(seeds, "settings-by-hand", Settings,
        "# where the game is\r\n[game]\r\nPath = \"/games/orvane\"\r\ncd_path=/media/cd\r\n"
        "; twice: the last one counts\r\nsoundvolume=12\r\nSOUNDVOLUME=7\r\nfullscreen=yes\r\n");
    Add(seeds, "names-asked", Names, "hero:\xC8\xE2\xE0\xED\r\nfriend:\r\n/vhero/ and /vfriend/");
}

}  // namespace orvane::fuzz
