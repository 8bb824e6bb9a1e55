// The phone game on the demo game: one tick of the typing timer (a letter drawn and the frame
// presented), and one key's redraw (the pointer lights a key, the press moves the menu's
// highlight, the frame is presented). Goal: well under 1 ms each.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "host/engine.h"
#include "platform/headless_platform.h"

namespace orvane {
namespace {

constexpr int kDownX = 511, kDownY = 592;
constexpr int kSelectX = 511, kSelectY = 556;
constexpr int kOneX = 439, kOneY = 520;

class PhoneBench {
public:
    explicit PhoneBench(const char* name)
        : player_(std::filesystem::temp_directory_path() / name),
          engine_(platform_, {ORVANE_DEMO_GAME, ORVANE_DEMO_GAME, Made(player_)}) {}
    ~PhoneBench() {
        engine_.FormDestroy();
        std::filesystem::remove_all(player_);
    }
    bool Start() { return engine_.Start() && engine_.necro.Start(); }
    Engine& engine() { return engine_; }

private:
    static std::filesystem::path Made(const std::filesystem::path& folder) {
        std::filesystem::create_directories(folder);
        return folder;
    }
    std::filesystem::path player_;
    HeadlessPlatform platform_;
    Engine engine_;
};

void BM_NecroTypingTick(benchmark::State& state) {
    PhoneBench bench("orvane-bench-necro-typing");
    Engine& engine = bench.engine();
    if (!bench.Start()) return state.SkipWithError("the phone game did not start");
    engine.FormMouseDown(MouseButton::Left, kSelectX, kSelectY);
    if (engine.necro.NecroText().empty())
        return state.SkipWithError("the first screen has no text");
    for (auto _ : state) {
        engine.OnTimer(TimerId::NecroTimer1);
        // A full page or the end: the page comes back and is typed again.
        if (!engine.platform.timers().Enabled(TimerId::NecroTimer1)) {
            state.PauseTiming();
            engine.necro.Start();
            engine.FormMouseDown(MouseButton::Left, kSelectX, kSelectY);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_NecroTypingTick)->Unit(benchmark::kMicrosecond);

void BM_NecroKey(benchmark::State& state) {
    PhoneBench bench("orvane-bench-necro-key");
    Engine& engine = bench.engine();
    if (!bench.Start()) return state.SkipWithError("the phone game did not start");
    // Down on the menu, by way of another key so that the press lights it afresh each time.
    for (auto _ : state) {
        engine.FormMouseMove(kOneX, kOneY);
        engine.FormMouseMove(kDownX, kDownY);
        engine.FormMouseDown(MouseButton::Left, kDownX, kDownY);
    }
}
BENCHMARK(BM_NecroKey)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
