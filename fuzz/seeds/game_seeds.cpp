// Seeds of the targets that run the engine: the demo's script entered at each of its scenes,
// code files, and the saves (and their state texts) that the demo writes in those scenes.
#include "archive/bmp_writer.h"
#include "archive/pak_reader.h"
#include "archive/pak_writer.h"
#include "base/files.h"
#include "event_stream.h"
#include "fuzz_game.h"
#include "input_parts.h"
#include "scratch_folder.h"
#include "seed_writer.h"
#include "shell/save_game.h"

namespace orvane::fuzz {
namespace {

constexpr const char* kScenes[] = {"opening", "title",  "entry",   "forest", "clearing",
                                   "room",    "voyage", "lookout", "shore",  "welcome"};

std::string Events(std::initializer_list<std::string> events) {
    std::string stream;
    for (const std::string& event : events) stream += event;
    return stream;
}

// The lines of the script from "scene NAME" up to the next scene, comments left out: a seed of
// its own for each scene keeps the runs short and the mutations on one scene's commands.
std::string SceneOf(const std::string& master, std::string_view name) {
    std::string scene;
    bool inside = false;
    for (const std::string& line : SplitTextFileLines(master)) {
        if (line.rfind("scene ", 0) == 0) {
            if (inside) break;
            inside = line == "scene " + std::string(name);
        }
        if (inside && line.rfind("--", 0) != 0 && !line.empty()) scene += line + "\r\n";
    }
    return scene;
}

void WriteScriptSeeds(SeedWriter& seeds, const std::string& master) {
    seeds.Add("script_fuzzer", "demo", master);
    for (const std::string& line : SplitTextFileLines(master)) {
        if (line.rfind("scene ", 0) != 0) continue;
        const std::string scene = line.substr(6);
        seeds.Add("script_fuzzer", "demo-" + scene, SceneOf(master, scene));
    }
    // The lookout scrolled by the keys, the in-game menu and the journal opened by the keys.
    seeds.Add("script_fuzzer", "lookout-keys",
              SceneOf(master, "lookout") + std::string(kEventsMark) +
                  Events({EncodeEvent(EventKind::Key, 0x27), EncodeEvent(EventKind::Key, 0x27),
                          EncodeEvent(EventKind::Wait, 200), EncodeEvent(EventKind::Key, 0x25),
                          EncodeEvent(EventKind::Move, 900, 300),
                          EncodeEvent(EventKind::LeftClick, 900, 300),
                          EncodeEvent(EventKind::Wait, 900), EncodeEvent(EventKind::Key, 0x71),
                          EncodeEvent(EventKind::Key, 0x1B), EncodeEvent(EventKind::Wait, 400),
                          EncodeEvent(EventKind::Window, 1), EncodeEvent(EventKind::Window, 2)}));
    // The main menu, hovered and clicked down its middle.
    std::string menu;
    for (int y = 150; y < 700; y += 60) {
        menu += EncodeEvent(EventKind::Move, 512, y) + EncodeEvent(EventKind::LeftClick, 512, y) +
                EncodeEvent(EventKind::Wait, 400);
    }
    seeds.Add("script_fuzzer", "main-menu", master + std::string(kEventsMark) + menu);
    seeds.Add("script_fuzzer", "stage-commands",
              "scene hall\r\n"
              "set bg level=1 align=center bg=bg_room\r\n"
              "set character level=2 align=center effect=opacity:15:255:500 character=ch_anna\r\n"
              "move delay=0 start= 0:0 finish= 100:0 time= 4:1 object=ch_anna\r\n"
              "set object level=3 align=:10:20 object=obj_lantern\r\n"
              "set opacity=128:10 object=obj_lantern\r\n"
              "set cycle fire:4:3\r\n"
              "set delay=100\r\n"
              "set trigger visits=1\r\n"
              "if (visits=1) goto garden\r\n"
              "set pause\r\n"
              "scene garden\r\n"
              "set fade=500\r\n"
              "set bg bg=bg_forest\r\n"
              "delete cycle fire\r\n"
              "clear level=2\r\n"
              "set text text=Hello\r\n"
              "end\r\n");
}

void WriteCodeSeeds(SeedWriter& seeds) {
    seeds.Add("code_puzzle_fuzzer", "demo", DemoScript("code.scn"));
    seeds.Add("code_puzzle_fuzzer", "three", "1 2 _ 4;3\r\n5 _ 15;010\r\n2 4 8 _;16");
    seeds.Add(
        "code_puzzle_fuzzer", "one-with-keys",
        "1 _ 3;2" + std::string(kEventsMark) + std::string("\x01\x02\x0b\x0c\x0d\x00\x0d", 7));
    seeds.Add("code_puzzle_fuzzer", "blank-lines", "\r\n\r\n7 _ 9;8\r\n\r\n");
}

void WriteNecroSeeds(SeedWriter& seeds) {
    const std::string story = DemoScript("default.scn");
    seeds.Add("necro_fuzzer", "demo", story);
    // Through the help and the pause menu, the sound switched off, a choice taken by the keys.
    seeds.Add("necro_fuzzer", "demo-keys",
              story + std::string(kEventsMark) +
                  std::string("\x03\x06\x06\x02\x02\x06\x00\x00\x06\x05\x06\x00\x03\x03\x06"
                              "\x07\x03\x06\x07\x06\x00\x06",
                              22));
    const std::string small =
        "title\r\n(not read)\r\n"
        "SET TRIGGER 11_necro=1\r\n"
        "//SCREEN ring.wav\r\nimage=necro_coast.jpg\r\nsecondpic=dot.bmp\r\n"
        "//TEXT//A B C\r\n"
        "//IF//LEFT//left\r\n//IF//RIGHT//right\r\n"
        "//left\r\n//SCREEN ring.wav\r\nimage=x.bmp\r\nsecondpic=necro_ghost.bmp\r\n//END//\r\n"
        "//right\r\nSET TRIGGER 12_necro=1\r\n//SCREEN "
        "a.wav\r\nimage=y.bmp\r\nsecondpic=dot.bmp\r\n"
        "//TEXT//END";
    seeds.Add("necro_fuzzer", "small", small);
    seeds.Add(
        "necro_fuzzer", "small-right",
        small + std::string(kEventsMark) + std::string("\x06\x00\x06\x03\x06\x00\x06\x06", 8));
}

// Saves made by the demo in its scenes, with a small thumbnail so that the seeds stay small, and
// the state texts inside them.
void WriteSaveSeeds(SeedWriter& seeds, const std::string& master) {
    Image thumbnail(40, 30);
    for (uint32_t& pixel : thumbnail.pixels) pixel = MakePixel(30, 60, 90);
    const std::string thumbnailBmp = EncodeBmp24(thumbnail);
    for (const char* scene : kScenes) {
        WriteWholeFile(GameFolder() / "master.scn", "goto " + std::string(scene) + "\r\n" + master);
        EngineRun run;
        if (!run.Start()) continue;
        run.Play(
            Events({EncodeEvent(EventKind::Wait, 300), EncodeEvent(EventKind::LeftClick, 500, 700),
                    EncodeEvent(EventKind::Wait, 300)}));
        Engine& engine = *run.engine;
        std::string error;
        const std::optional<SaveFile> save =
            engine.saveFolder ? SaveGame(engine, *engine.saveFolder, SceneSearch::Backward,
                                         run.platform.WallClock(), error)
                              : std::nullopt;
        if (!save) continue;
        const PakRead state = ReadPakBytes(save->path, kStateEntryName);
        if (state.status != PakStatus::Found) continue;
        seeds.Add("state_text_fuzzer", scene, state.bytes);
        const std::filesystem::path small = ScratchFolder() / "seed.sav";
        if (!WritePak({{kStateEntryName, {}, state.bytes}, {kThumbnailName, {}, thumbnailBmp}},
                      small, error)) {
            continue;
        }
        std::string bytes;
        ReadFileBounded(small, kMaxFileBytes, bytes, error);
        seeds.Add("save_fuzzer", scene, bytes);
    }
    std::filesystem::remove(GameFolder() / "master.scn");
}

}  // namespace

void WriteGameSeeds(SeedWriter& seeds) {
    const std::string master = DemoScript("master.scn");
    WriteScriptSeeds(seeds, master);
    WriteCodeSeeds(seeds);
    WriteNecroSeeds(seeds);
    WriteSaveSeeds(seeds, master);
}

}  // namespace orvane::fuzz
