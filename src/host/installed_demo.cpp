#include "host/installed_demo.h"

#include <cstdio>

#include "archive/picture_loader.h"
#include "base/files.h"
#include "platform/program_location.h"
#include "script/interpreter.h"

namespace orvane {

bool HoldsGame(const std::filesystem::path& dir) {
    return FindLooseFile(dir, kScriptFileName) || FindLooseFile(dir, kMainArchive);
}

std::optional<std::filesystem::path> DemoInsteadOfMissingGame(
    const ConfigValues& config, const FolderOverrides& overrides,
    const std::filesystem::path& currentDir, const std::filesystem::path& programDir) {
    const bool configured = config.found && config.path && !config.path->empty();
    if (overrides.gameDir || configured || HoldsGame(currentDir)) return std::nullopt;
    const std::filesystem::path demo = (programDir / kInstalledDemoFromBin).lexically_normal();
    if (!HoldsGame(demo)) return std::nullopt;
    return demo;
}

void PlayInstalledDemoWhenNoGame(const ConfigValues& config, FolderOverrides& overrides,
                                 const std::filesystem::path& currentDir, const char* argv0) {
    const std::optional<std::filesystem::path> program = RunningProgramFile(argv0);
    if (!program) return;
    const std::optional<std::filesystem::path> demo =
        DemoInsteadOfMissingGame(config, overrides, currentDir, program->parent_path());
    if (!demo) return;
    overrides.gameDir = *demo;
    // A CD_Path of orvane.ini belongs to the game that is not configured, not to the demo.
    if (!overrides.cdDir) overrides.cdDir = *demo;
    std::fprintf(stderr,
                 "orvane: no game chosen and none in the current folder: playing the demo in %s\n"
                 "orvane: to play a game, start 'orvane --game-dir DIR' or write Path=DIR in "
                 "$XDG_CONFIG_HOME/orvane/orvane.ini (see 'man orvane')\n",
                 demo->c_str());
}

}  // namespace orvane
