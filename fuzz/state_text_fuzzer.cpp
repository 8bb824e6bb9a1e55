// The state text of a save: read, put in place of a running game's lists, and written again.
// Whatever a save held, the text written from it must read back to the same game: what the
// typed stage records keep of a record must survive their own round trip.
#include <cstdlib>

#include "base/files.h"
#include "fuzz_game.h"
#include "input_parts.h"
#include "platform/headless_platform.h"
#include "scratch_folder.h"
#include "shell/save_state_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace orvane;
    static const StringList* const script =
        new StringList(SplitTextFileLines(fuzz::DemoScript("master.scn")));
    std::string error;
    const std::optional<SavedState> saved = ReadStateText(fuzz::Bytes(data, size), error);
    if (!saved) return 0;

    HeadlessPlatform platform;
    const std::filesystem::path folder = fuzz::ScratchFolder();
    GameState game(platform, GameFolders{folder, folder, folder});
    game.lists.ScriptLines = *script;
    game.Triggers = {"chapter=1", "sys_1=0", "gal_title=yes"};
    ApplyStateText(game, *saved);
    const std::string written = StateText(game);

    const std::optional<SavedState> again = ReadStateText(EncodeStateText(written), error);
    if (!again) std::abort();
    const int scriptPos = game.ScriptPos;
    ApplyStateText(game, *again);
    if (StateText(game) != written || game.ScriptPos != scriptPos) std::abort();
    return 0;
}
