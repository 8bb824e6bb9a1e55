// Peak memory of showing three pictures on the stage with "set object", as the counter peak_MiB
// (the process's peak resident size, reset before the run where the kernel allows). The hostile
// case: three run-length BMPs of 60 bytes that each claim 16384 x 4096 pixels. The largest
// case the engine accepts: three pictures of 4096 x 4096. Goal: under 300 MiB for both.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/headless_platform.h"
#include "render/display.h"
#include "script/game_state.h"
#include "script/stage.h"

namespace orvane {
namespace {

std::string RunLengthBmp(int32_t width, int32_t height) {
    std::string bmp = "BM";
    auto put = [&](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) bmp += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    for (uint32_t value : {60u, 0u, 58u, 40u}) put(value, 4);
    put(static_cast<uint32_t>(width), 4);
    put(static_cast<uint32_t>(height), 4);
    put(1, 2);
    put(8, 2);
    for (uint32_t value : {1u, 0u, 2835u, 2835u, 1u, 0u, 0u}) put(value, 4);
    return bmp + std::string("\x00\x01", 2);
}

// Writing 5 to clear_refs resets the peak resident size of the process (Linux 4.0 on).
void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double PeakMemoryMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        long kib = 0;
        if (std::sscanf(line.c_str(), "VmHWM: %ld kB", &kib) == 1) return kib / 1024.0;
    }
    return 0;
}

void ShowThreePictures(benchmark::State& state, int width, int height) {
    const std::filesystem::path game = std::filesystem::temp_directory_path() /
                                       ("orvane-bench-pictures-" + std::to_string(::getpid()));
    std::filesystem::create_directories(game);
    std::ofstream(game / "big.bmp", std::ios::binary) << RunLengthBmp(width, height);
    HeadlessPlatform platform;
    GameState gameState(platform, {game, game, game});
    gameState.lists.ObjectCatalog = {"obj_a:big.bmp", "obj_b:big.bmp", "obj_c:big.bmp"};
    SetUpDisplay(gameState.slots, platform);
    CreateFixedSurfaces(gameState.slots);
    ResetPeakMemory();
    for (auto _ : state) {
        for (const char* name : {"obj_a", "obj_b", "obj_c"})
            AddStageItem(gameState, name, 1, 255, "");
        ClearStage(gameState, ClearKind::All);
    }
    state.counters["peak_MiB"] = PeakMemoryMiB();
    std::filesystem::remove_all(game);
}

// A few iterations: the refused pictures say so on stderr each time.
BENCHMARK_CAPTURE(ShowThreePictures, hostile_16384x4096, 16384, 4096)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowThreePictures, largest_4096x4096, 4096, 4096)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
