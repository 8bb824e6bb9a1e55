// Opening the load screen on the demo game with 1,000 saves in the player's folder: its pictures
// decoded, the three thumbnails read from their saves, the carousel composed, the label written
// and the frame presented. The page turn's paced slide is not part of it.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "host/engine.h"
#include "platform/headless_platform.h"
#include "shell/save_game.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

constexpr int kSavesInFolder = 1000;

void BM_OpenLoadScreen(benchmark::State& bench) {
    const fs::path game = ORVANE_DEMO_GAME;
    std::string player = (fs::temp_directory_path() / "orvane-bench-load-XXXXXX").string();
    if (!mkdtemp(player.data())) std::abort();
    {
        HeadlessPlatform platform;
        Engine engine(platform, {game, game, player});
        if (!engine.Start() || !engine.saveFolder) {
            bench.SkipWithError("the demo game does not start");
            fs::remove_all(player);
            return;
        }
        // One save of the opening, copied under the names of a thousand minutes.
        std::string error;
        const auto first = SaveGame(engine, *engine.saveFolder, SceneSearch::Backward,
                                    WallTimeFromUtcSeconds(1796703840), error);
        if (!first) {
            bench.SkipWithError(error.c_str());
            fs::remove_all(player);
            return;
        }
        for (int i = 1; i < kSavesInFolder; ++i) {
            const std::string name = "save " + std::to_string(1000 + i) + ".sav";
            fs::copy_file(first->path, *engine.saveFolder / name);
        }
        if (!ScanSaveFolder(*engine.saveFolder, engine.SaveGames) ||
            engine.SaveGames.size() != kSavesInFolder) {
            bench.SkipWithError("the save folder was not listed");
            fs::remove_all(player);
            return;
        }
        for (auto _ : bench) {
            engine.shell.load.Open();
            if (engine.ScreenMode != 21) {
                bench.SkipWithError("the load screen did not open");
                break;
            }
        }
    }
    fs::remove_all(player);
}
BENCHMARK(BM_OpenLoadScreen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
