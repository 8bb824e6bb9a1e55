// Start-up of the engine on the demo game, up to the first presented frame: script lists,
// trigger file, save folder, display surfaces and the fixed pictures. What the opening script
// does after that first frame is not counted.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <optional>

#include "host/engine.h"
#include "platform/headless_platform.h"

namespace orvane {
namespace {

using Clock = std::chrono::steady_clock;

// Notes the moment the first frame reaches the screen.
class FirstFramePlatform : public HeadlessPlatform {
public:
    void Present(const Image& frame) override {
        if (!firstFrame) firstFrame = Clock::now();
        HeadlessPlatform::Present(frame);
    }
    std::optional<Clock::time_point> firstFrame;
};

void BM_StartUpToFirstFrame(benchmark::State& state) {
    const std::filesystem::path game = ORVANE_DEMO_GAME;
    // The player's files go to a folder of their own, so the demo folder stays as built.
    const std::filesystem::path player =
        std::filesystem::temp_directory_path() / "orvane-bench-startup";
    std::filesystem::create_directories(player);
    for (auto _ : state) {
        FirstFramePlatform platform;
        Engine engine(platform, {game, game, player});
        const Clock::time_point start = Clock::now();
        const bool started = engine.Start();
        if (!started || !platform.firstFrame) {
            state.SkipWithError("start-up failed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(*platform.firstFrame - start).count());
        engine.FormDestroy();
    }
    std::filesystem::remove_all(player);
}
BENCHMARK(BM_StartUpToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
