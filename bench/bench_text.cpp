// Dialogue drawing: one line of sixty characters with two tags, and a whole page of five lines
// typed at the fast speed, one typewriter tick after another. A tick must cost far less than its
// 10 ms interval.
#include <benchmark/benchmark.h>

#include "platform/headless_platform.h"
#include "render/text_renderer.h"
#include "script/game_state.h"
#include "script/text_commands.h"

namespace orvane {
namespace {

constexpr char kLine[] = "The lantern swung /b/slowly/-b/ in the wind, and the /i/sea/-i/ went on.\r";

void BM_DrawTextLine60(benchmark::State& state) {
    FontRasterizer fonts;
    Surface target(1024, 768);
    TextState text;
    text.TextFontFace = "DejaVu Sans";
    text.TextFontSize = 16;
    text.TextFontColor = 15;
    text.defaults.font = "DejaVu Sans:16::15:70";
    for (auto _ : state) {
        text.TextFontStyle.clear();
        DrawTextLine(target, fonts, text, kLine, 40, 640);
        benchmark::DoNotOptimize(target.pixels.data());
    }
}
BENCHMARK(BM_DrawTextLine60)->Unit(benchmark::kMicrosecond);

void BM_TypewriterPageOfFiveLines(benchmark::State& state) {
    HeadlessPlatform platform;
    GameState game(platform, {".", ".", "."});
    game.slots.Create(kSlotBackBuffer, 1024, 768);
    game.slots.Create(kSlotPrimary, 1024, 768);
    game.lists.TextDefaults = {"xy_pos=40:620", "font=DejaVu Sans:16::15:60", "speed=fast",
                               "il=24",        "max_str=5",               "click=yes",
                               "name_font=DejaVu Sans:14:bold:4:60", "name_x=40", "name_y=600",
                               "extra=0"};
    ApplyTextDefaults(game);
    std::string page;
    for (int i = 0; i < 5; ++i) page += std::string(kLine, sizeof kLine - 2) + " ";
    const std::string line = "set text name=Anna text=" + page;
    ScriptHooks hooks;
    int64_t ticks = 0;
    for (auto _ : state) {
        SetText(game, hooks, line);
        while (platform.timers().Enabled(TimerId::Timer1)) {
            TypewriterTick(game);
            ++ticks;
        }
    }
    state.counters["ticks_per_page"] =
        benchmark::Counter(static_cast<double>(ticks) / static_cast<double>(state.iterations()));
    state.counters["us_per_tick"] = benchmark::Counter(
        static_cast<double>(ticks), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TypewriterPageOfFiveLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane
