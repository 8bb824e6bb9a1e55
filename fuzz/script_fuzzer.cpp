// The script interpreter on the whole engine: the input is a "master.scn" of the demo game,
// then (after kEventsMark) the player's events. Without events the run clicks through the
// dialogue. The rest of the demo game (pictures, menus, code puzzle) stays as built.
#include "event_stream.h"
#include "fuzz_game.h"
#include "input_parts.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orvane;
    const auto [script, events] = fuzz::SplitAtMark(fuzz::Bytes(data, size));
    // A loose file wins over the archive's.
    fuzz::WriteWholeFile(fuzz::GameFolder() / "master.scn", script);
    fuzz::EngineRun run;
    if (!run.Start()) return 0;
    run.Play(events.empty() ? fuzz::DefaultEvents() : events);
    return 0;
}
