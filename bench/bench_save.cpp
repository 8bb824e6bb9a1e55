// Saving a game (thumbnail, state text, archive, atomic write into the save folder) and what the
// load screen reads when it is drawn: the folder listed and three thumbnails decoded, from a
// folder of 1,000 saves.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/headless_platform.h"
#include "render/display.h"
#include "shell/save_game.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

constexpr int kSavesInFolder = 1000;

fs::path MakeFolder() {
    std::string folder = (fs::temp_directory_path() / "orvane-bench-save-XXXXXX").string();
    if (!mkdtemp(folder.data())) std::abort();
    return folder;
}

// A game in the middle of a scene: a picture on screen and lists of a typical size.
struct SavingGame {
    SavingGame() : state(platform, {folder, folder, folder}) {
        SetUpDisplay(state.slots, platform);
        Surface& back = *state.slots.Get(kSlotBackBuffer);
        for (int y = 0; y < back.height; ++y) {
            for (int x = 0; x < back.width; ++x) back.at(x, y) = MakePixel(x, y, x ^ y);
        }
        state.lists.ScriptLines = {"scene hall", "set bg level=1 bg=bg_hall", "end"};
        state.ScriptPos = 3;
        for (int i = 0; i < 10; ++i) state.lists.NameList.push_back("name" + std::to_string(i) + ":x");
        for (int i = 0; i < 8; ++i) {
            InsertStageRecord(state.stage, *StageItem::Parse("2:ch_" + std::to_string(i) +
                                                             ":255:300:600:3:0:362:168"));
        }
        for (int i = 0; i < 200; ++i) state.Triggers.push_back("trg" + std::to_string(i) + "=1");
    }
    ~SavingGame() { fs::remove_all(folder); }

    fs::path folder = MakeFolder();
    HeadlessPlatform platform;
    GameState state;
};

void BM_SaveGame(benchmark::State& bench) {
    SavingGame game;
    WallTime time = WallTimeFromUtcSeconds(1796703840);
    std::string error;
    for (auto _ : bench) {
        // A new name each time, as the player saves minute after minute.
        time = WallTimeFromUtcSeconds(time.secondsSince1970 + 60);
        if (!SaveGame(game.state, game.folder, SceneSearch::Backward, time, error)) {
            bench.SkipWithError(error.c_str());
            break;
        }
    }
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);

void BM_LoadScreenThumbnails(benchmark::State& bench) {
    SavingGame game;
    std::string error;
    WallTime time = WallTimeFromUtcSeconds(1796703840);
    for (int i = 0; i < kSavesInFolder; ++i) {
        time = WallTimeFromUtcSeconds(time.secondsSince1970 + 60);
        if (!SaveGame(game.state, game.folder, SceneSearch::Backward, time, error)) {
            bench.SkipWithError(error.c_str());
            return;
        }
    }
    std::vector<SaveFile> saves;
    Surface thumbnails[3];
    for (auto _ : bench) {
        if (!ScanSaveFolder(game.folder, saves) || saves.size() != kSavesInFolder) {
            bench.SkipWithError("the folder was not listed");
            break;
        }
        // The carousel's start: the last save on the left, the first two in the centre and right.
        const size_t shown[3] = {saves.size() - 1, 0, 1};
        for (int i = 0; i < 3; ++i) {
            if (!ReadSaveThumbnail(saves[shown[i]].path, thumbnails[i], error)) {
                bench.SkipWithError(error.c_str());
                break;
            }
        }
        benchmark::DoNotOptimize(thumbnails[1].pixels.data());
    }
}
BENCHMARK(BM_LoadScreenThumbnails)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
