// Start-up of the engine on the demo game, up to the first presented frame: script lists,
// trigger file, save folder, display surfaces and the fixed pictures.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "host/engine.h"
#include "platform/headless_platform.h"

namespace orvane {
namespace {

void BM_StartUpToFirstFrame(benchmark::State& state) {
    const std::filesystem::path game = ORVANE_DEMO_GAME;
    // The player's files go to a folder of their own, so the demo folder stays as built.
    const std::filesystem::path player =
        std::filesystem::temp_directory_path() / "orvane-bench-startup";
    std::filesystem::create_directories(player);
    for (auto _ : state) {
        HeadlessPlatform platform;
        Engine engine(platform, {game, game, player});
        if (!engine.Start() || platform.presents() != 1) {
            state.SkipWithError("start-up failed");
            break;
        }
        state.PauseTiming();
        engine.FormDestroy();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(player);
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
