// One key of the code puzzle on the demo game: the pointer lights the key, the press adds or
// takes a digit and redraws the typed number, and the frame is presented each time. Goal: well
// under 1 ms a key.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "host/engine.h"
#include "platform/headless_platform.h"

namespace orvane {
namespace {

void BM_CodePuzzleKey(benchmark::State& state) {
    const std::filesystem::path game = ORVANE_DEMO_GAME;
    const std::filesystem::path player =
        std::filesystem::temp_directory_path() / "orvane-bench-code-puzzle";
    std::filesystem::create_directories(player);
    {
        HeadlessPlatform platform;
        Engine engine(platform, {game, game, player});
        if (!engine.Start() || !engine.codePuzzle.Start()) {
            state.SkipWithError("the code puzzle did not start");
        } else {
            engine.FormMouseMove(321, 435);
            engine.FormMouseDown(MouseButton::Left, 321, 435);
            if (engine.codePuzzle.CodeEntry != "5") state.SkipWithError("the keypad takes no keys");
            // Key 5 then delete, so that the entry never fills up.
            bool digit = false;
            for (auto _ : state) {
                const int x = digit ? 321 : 231, y = digit ? 435 : 555;
                engine.FormMouseMove(x, y);
                engine.FormMouseDown(MouseButton::Left, x, y);
                digit = !digit;
            }
        }
        engine.FormDestroy();
    }
    std::filesystem::remove_all(player);
}
BENCHMARK(BM_CodePuzzleKey)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
