#include "host/engine.h"

#include "script/command_params.h"

namespace orvane {

bool Engine::StartMiniGame(std::string_view line) {
    const std::string_view game = MiniGameName(line);
    if (game == "code") return codePuzzle.Start();
    if (game == "necro") return necro.Start();
    if (game == "cards") cardTable.StartFromScript();
    return true;
}

}  // namespace orvane
