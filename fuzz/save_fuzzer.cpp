// A saved game, from the save folder to the running game: listed, its thumbnail read for the
// load screen, its state checked, then loaded into the demo game, whose scene starts again from
// its line and is clicked through.
#include "event_stream.h"
#include "fuzz_game.h"
#include "input_parts.h"
#include "scratch_folder.h"
#include "shell/save_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orvane;
    fuzz::EngineRun run;
    // There before start-up, so that the load screen lists it.
    const std::filesystem::path save = run.playerFolder() / "Save" / "fuzz.sav";
    std::filesystem::create_directories(save.parent_path());
    fuzz::WriteWholeFile(save, fuzz::Bytes(data, size));
    if (!run.Start()) return 0;
    Engine& engine = *run.engine;

    std::string error;
    Surface thumbnail(400, 300);
    ReadSaveThumbnail(save, thumbnail, error);
    ReadSaveGame(save, error);
    engine.shell.OpenLoadScreenFromMenu();
    if (LoadGame(engine, engine.sound, save)) {
        // What the load screen does after loading.
        engine.Paused = false;
        engine.input.LockClicks();
        engine.interpreter.RunScript();
    }
    run.Play(fuzz::DefaultEvents());
    return 0;
}
