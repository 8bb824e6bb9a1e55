// Composing a typical stage into a frame: an opaque background, three translucent characters of
// 300 x 600 with soft edges, and an interface strip along the bottom.
#include <benchmark/benchmark.h>

#include <cmath>

#include "platform/headless_platform.h"
#include "script/game_state.h"
#include "script/stage.h"

namespace orvane {
namespace {

// A figure: opaque inside an ellipse, a soft edge, fully transparent around it.
void DrawFigure(Surface& s) {
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            const double dx = (x - 150) / 120.0, dy = (y - 300) / 280.0;
            const double d = std::sqrt(dx * dx + dy * dy);
            const int t = d < 0.95 ? 0 : d > 1.0 ? 255 : static_cast<int>((d - 0.95) / 0.05 * 255);
            s.at(x, y) = MakePixel(200, static_cast<uint8_t>(y / 3), 90, static_cast<uint8_t>(t));
        }
    }
}

void AddItem(GameState& game, const char* name, int level, int opacity, int surface, int x, int y,
             int w, int h) {
    StageItem item;
    item.level = level;
    item.name = name;
    item.opacity = opacity;
    item.width = w;
    item.height = h;
    item.surface = surface;
    item.x = x;
    item.y = y;
    InsertStageRecord(game.stage, item);
}

void BM_ComposeTypicalStage(benchmark::State& state) {
    HeadlessPlatform platform;
    GameState game(platform, {".", ".", "."});
    game.slots.Create(kSlotPrimary, 1024, 768);
    game.slots.Create(kSlotBackBuffer, 1024, 768);
    game.slots.Create(kSlotBlack, 1024, 768);
    Surface& bg = game.slots.Create(PoolSlotOf(1), 1024, 768);
    bg.Fill(MakePixel(40, 60, 90));
    for (int i = 2; i <= 4; ++i) {
        Surface& figure = game.slots.Create(PoolSlotOf(i), 300, 600);
        DrawFigure(figure);
        figure.IndexTransparentSpans();
    }
    Surface& strip = game.slots.Create(PoolSlotOf(5), 1024, 170);
    strip.Fill(MakePixel(0, 0, 0, 100));
    AddItem(game, "bg_hall", 1, 255, 1, 0, 0, 1024, 768);
    AddItem(game, "ch_anna", 2, 255, 2, 60, 120, 300, 600);
    AddItem(game, "ch_boris", 2, 200, 3, 362, 120, 300, 600);
    AddItem(game, "ch_clara", 2, 255, 4, 664, 120, 300, 600);
    AddItem(game, "if_panel", 9, 255, 5, 0, 598, 1024, 170);
    for (auto _ : state) ComposeFrame(game);
}
BENCHMARK(BM_ComposeTypicalStage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvane
