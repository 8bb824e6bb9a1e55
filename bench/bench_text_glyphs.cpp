// The typewriter's cost: it redraws the line being typed every 10 ms tick, one character at a
// time, so a line of 60 characters in a font already in use must draw in a small part of a tick.
// The cold run shows what the first line costs (font lookup, face loading, glyph rendering).
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "base/image.h"
#include "base/text.h"
#include "platform/font_rasterizer.h"

namespace orvane {
namespace {

// 60 characters, Cyrillic and Latin, as a dialogue line of the game would have.
std::string Line() {
    const std::string line =
        *Utf8ToCp1251("Съешь же ещё этих мягких французских булок, да выпей чаю. Ok!");
    return line.substr(0, 60);
}

int DrawLine(FontRasterizer& fonts, Image& target, const FontSpec& font, const std::string& line,
             std::optional<uint32_t> background) {
    int x = 20;
    for (char c : line) x += fonts.DrawChar(target, x, 600, font, 0xF0E0C0, c, background);
    return x;
}

void TypewriterLine(benchmark::State& state, FontSpec font, std::optional<uint32_t> background) {
    FontRasterizer fonts;
    Image target(1024, 768);
    const std::string line = Line();
    DrawLine(fonts, target, font, line, background);  // fills the caches
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawLine(fonts, target, font, line, background));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(line.size()));
}

void FirstLine(benchmark::State& state) {
    Image target(1024, 768);
    const std::string line = Line();
    for (auto _ : state) {
        FontRasterizer fonts;
        benchmark::DoNotOptimize(DrawLine(fonts, target, FontSpec{"DejaVu Sans", 12}, line, {}));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(line.size()));
}

BENCHMARK_CAPTURE(TypewriterLine, regular_12pt, FontSpec{"DejaVu Sans", 12}, std::nullopt)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypewriterLine, bold_italic_underline_24pt,
                  FontSpec{"DejaVu Serif", 24, true, true, true}, std::nullopt)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(TypewriterLine, opaque_background_12pt, FontSpec{"DejaVu Sans", 12},
                  std::optional<uint32_t>(0x202040))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(FirstLine)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace orvane
