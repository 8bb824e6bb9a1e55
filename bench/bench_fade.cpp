// One pass of a whole-screen fade over 1024 x 768 against copying the same bytes with memcpy.
#include <benchmark/benchmark.h>

#include <cstring>

#include "render/screen_fade.h"

namespace orvane {
namespace {

Surface Scene() {
    Surface scene(1024, 768);
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x)
            scene.at(x, y) = MakePixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 200);
    return scene;
}

void BM_FadePassToBlack(benchmark::State& state) {
    const Surface scene = Scene();
    Surface back = scene;
    for (auto _ : state) {
        // Start every pass from the scene so that each one has work to do.
        state.PauseTiming();
        back.pixels = scene.pixels;
        state.ResumeTiming();
        benchmark::DoNotOptimize(ScreenFadePass(FadeKind::ToBlack, back, nullptr, 5, 0));
    }
}
BENCHMARK(BM_FadePassToBlack)->Unit(benchmark::kMicrosecond);

void BM_FadePassFromBlack(benchmark::State& state) {
    Surface scene = Scene();
    Surface black(1024, 768);
    for (auto _ : state) {
        state.PauseTiming();
        std::fill(black.pixels.begin(), black.pixels.end(), 0u);
        state.ResumeTiming();
        benchmark::DoNotOptimize(ScreenFadePass(FadeKind::FromBlack, scene, &black, 5, 0));
    }
}
BENCHMARK(BM_FadePassFromBlack)->Unit(benchmark::kMicrosecond);

void BM_MemcpyOfAFrame(benchmark::State& state) {
    const Surface scene = Scene();
    Surface copy(1024, 768);
    for (auto _ : state) {
        std::memcpy(copy.pixels.data(), scene.pixels.data(), scene.pixels.size() * 4);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyOfAFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
