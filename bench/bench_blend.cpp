// The translucent blit against pixman's OVER compositing and against the plain memory traffic of
// reading two 3 MB pictures and writing one, on a character picture (an opaque figure with soft
// edges in a large invisible surround) and on a picture of random mixed transparency. After the
// table it prints the ratios the blit is judged by.
//
// This file holds the program's main, so that the ratios can follow the whole run; every other
// benchmark of the program still runs as usual.
#include <benchmark/benchmark.h>
#include <pixman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "render/blend.h"
#include "render/blend_path.h"

namespace orvane {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

int Noise(std::mt19937& rng, int amount) {
    return std::uniform_int_distribution<int>(-amount, amount)(rng);
}

uint8_t Channel(int value) {
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

// A figure of a head and a body, shaded and noisy, whose edge fades out over about two pixels
// the way an anti-aliased drawing does; about seventy per cent of it is invisible.
Surface CharacterPicture() {
    Surface s(kWidth, kHeight);
    std::mt19937 rng(1);
    auto inside = [](double x, double y) {
        const double head = 110 - std::hypot(x - 512, y - 200);
        const double body = (1 - std::hypot((x - 512) / 230, (y - 560) / 300)) * 230;
        return std::max(head, body);  // roughly the distance to the edge, in pixels
    };
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double depth = inside(x, y);
            const int t = depth >= 1    ? 0
                          : depth <= -1 ? 255
                                        : static_cast<int>((1 - depth) * 127.5);
            const int shade = 60 + y / 6 + Noise(rng, 12);
            s.at(x, y) = MakePixel(Channel(shade + 90), Channel(shade + 40), Channel(shade),
                                   static_cast<uint8_t>(t));
        }
    }
    return s;
}

// Runs of opaque, invisible and half-seen pixels of random lengths.
Surface MixedPicture() {
    Surface s(kWidth, kHeight);
    std::mt19937 rng(2);
    std::uniform_int_distribution<int> byte(0, 255), kind(0, 2), length(1, 64);
    std::size_t i = 0;
    while (i < s.pixels.size()) {
        const int k = kind(rng);
        for (int n = length(rng); n > 0 && i < s.pixels.size(); --n, ++i) {
            const int t = k == 0 ? 0 : k == 1 ? 255 : byte(rng);
            s.pixels[i] = MakePixel(Channel(byte(rng)), Channel(byte(rng)), Channel(byte(rng)),
                                    static_cast<uint8_t>(t));
        }
    }
    return s;
}

Surface Background() {
    Surface s(kWidth, kHeight);
    std::mt19937 rng(3);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            s.at(x, y) = MakePixel(Channel(x / 4 + Noise(rng, 8)), Channel(y / 3),
                                   Channel(128 + Noise(rng, 30)));
        }
    }
    return s;
}

const Surface& Picture(const std::string& name) {
    static const std::map<std::string, Surface> pictures = [] {
        std::map<std::string, Surface> all{{"character", CharacterPicture()},
                                           {"mixed", MixedPicture()}};
        Surface character = all["character"];
        character.IndexTransparentSpans();
        all["character_indexed"] = character;
        Surface mixed = all["mixed"];
        mixed.IndexTransparentSpans();
        all["mixed_indexed"] = mixed;
        return all;
    }();
    return pictures.at(name);
}

void BlendBenchmark(benchmark::State& state, const std::string& picture, BlendPath path, int c) {
    const Surface& source = Picture(picture);
    Surface target = Background();
    const BlendPath saved = ActiveBlendPath();
    SetBlendPath(path);
    for (auto _ : state) {
        BlendBlit(target, source, 0, 0, nullptr, c);
        benchmark::ClobberMemory();
    }
    SetBlendPath(saved);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

// pixman's a8r8g8b8 is our layout with alpha = 255 - T, and premultiplied.
std::vector<uint32_t> Premultiplied(const Surface& picture) {
    std::vector<uint32_t> out(picture.pixels.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        const uint32_t p = picture.pixels[i];
        const uint32_t a = 255 - PixelT(p);
        auto mul = [a](uint32_t v) { return (v * a + 127) / 255; };
        out[i] =
            (a << 24) | (mul(PixelRed(p)) << 16) | (mul(PixelGreen(p)) << 8) | mul(PixelBlue(p));
    }
    return out;
}

void PixmanOverBenchmark(benchmark::State& state, const std::string& picture, bool halfMask) {
    std::vector<uint32_t> sourceBits = Premultiplied(Picture(picture));
    Surface target = Background();
    pixman_image_t* source =
        pixman_image_create_bits(PIXMAN_a8r8g8b8, kWidth, kHeight, sourceBits.data(), kWidth * 4);
    pixman_image_t* dest = pixman_image_create_bits(PIXMAN_x8r8g8b8, kWidth, kHeight,
                                                    target.pixels.data(), kWidth * 4);
    const pixman_color_t half{0, 0, 0, 0x8000};
    pixman_image_t* mask = halfMask ? pixman_image_create_solid_fill(&half) : nullptr;
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, source, mask, dest, 0, 0, 0, 0, 0, 0, kWidth,
                                 kHeight);
        benchmark::ClobberMemory();
    }
    if (mask) pixman_image_unref(mask);
    pixman_image_unref(dest);
    pixman_image_unref(source);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

// The least any blit must do: read both pictures and write the target back.
__attribute__((target_clones("avx2", "default"))) void XorInPlace(uint32_t* __restrict target,
                                                                  const uint32_t* __restrict in,
                                                                  std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) target[i] ^= in[i];
}

__attribute__((target_clones("avx2", "default"))) void XorInto(uint32_t* __restrict out,
                                                               const uint32_t* __restrict a,
                                                               const uint32_t* __restrict b,
                                                               std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) out[i] = a[i] ^ b[i];
}

void MemoryInPlaceBenchmark(benchmark::State& state) {
    const Surface& source = Picture("mixed");
    Surface target = Background();
    for (auto _ : state) {
        XorInPlace(target.pixels.data(), source.pixels.data(), target.pixels.size());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void MemoryThreeBuffersBenchmark(benchmark::State& state) {
    const Surface& source = Picture("mixed");
    const Surface under = Background();
    Surface target(kWidth, kHeight);
    for (auto _ : state) {
        XorInto(target.pixels.data(), under.pixels.data(), source.pixels.data(),
                target.pixels.size());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

std::vector<BlendPath> Paths() {
    std::vector<BlendPath> paths;
    for (BlendPath path : {BlendPath::kScalar, BlendPath::kSse2, BlendPath::kAvx2}) {
        if (BlendPathAvailable(path)) paths.push_back(path);
    }
    return paths;
}

std::string BlendName(const std::string& picture, int c, BlendPath path) {
    return "blend/" + picture + "/" + std::to_string(c) + "/" + std::string(BlendPathName(path));
}

void Register(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

void RegisterAll() {
    for (const char* picture : {"character", "character_indexed", "mixed", "mixed_indexed"}) {
        for (int c : {255, 128}) {
            for (BlendPath path : Paths()) {
                Register(benchmark::RegisterBenchmark(BlendName(picture, c, path).c_str(),
                                                      BlendBenchmark, picture, path, c));
            }
        }
    }
    for (const char* picture : {"character", "mixed"}) {
        Register(benchmark::RegisterBenchmark(("pixman/" + std::string(picture) + "/over").c_str(),
                                              PixmanOverBenchmark, picture, false));
        Register(benchmark::RegisterBenchmark(
            ("pixman/" + std::string(picture) + "/over_mask50").c_str(), PixmanOverBenchmark,
            picture, true));
    }
    Register(benchmark::RegisterBenchmark("memory/in_place", MemoryInPlaceBenchmark));
    Register(benchmark::RegisterBenchmark("memory/three_buffers", MemoryThreeBuffersBenchmark));
}

// Prints the usual table and keeps the median time of every benchmark for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || run.run_type == Run::RT_Iteration) {
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }

    void PrintRatios() const {
        std::printf("\n");
        for (const char* picture : {"character", "mixed"}) {
            const std::string p = picture;
            for (BlendPath path : Paths()) {
                for (const std::string& variant : {p, p + "_indexed"}) {
                    Ratio(BlendName(variant, 255, path), "pixman/" + p + "/over");
                    Ratio(BlendName(variant, 128, path), "pixman/" + p + "/over_mask50");
                    Ratio(BlendName(variant, 255, path), "memory/in_place");
                    Ratio(BlendName(variant, 128, path), "memory/in_place");
                }
            }
            Ratio("pixman/" + p + "/over", "memory/in_place");
        }
        Ratio("memory/three_buffers", "memory/in_place");

        std::printf("\n");
        const BlendPath best = Paths().back();
        for (const char* picture : {"character", "mixed"}) {
            const std::string p = picture;
            if (best == BlendPath::kAvx2) {
                Goal(BlendName(p, 255, best), "pixman/" + p + "/over", 0.7);
                Goal(BlendName(p, 128, best), "pixman/" + p + "/over_mask50", 0.55);
                Goal(BlendName(p, 255, best), "memory/in_place", 1.2);
            }
            if (BlendPathAvailable(BlendPath::kSse2)) {
                Goal(BlendName(p, 255, BlendPath::kSse2), "pixman/" + p + "/over", 1.25);
                Goal(BlendName(p, 128, BlendPath::kSse2), "pixman/" + p + "/over_mask50", 1.25);
            }
        }
        // The index is how a character picture is meant to be drawn.
        Goal(BlendName("character_indexed", 255, best), "pixman/character/over", 0.7);
        Goal(BlendName("character_indexed", 128, best), "pixman/character/over_mask50", 0.55);
        Goal(BlendName("character_indexed", 255, best), "memory/in_place", 1.0);
        Goal(BlendName("character_indexed", 128, best), "memory/in_place", 1.0);
    }

private:
    // Either time is missing when a filter left its benchmark out.
    const double* Find(const std::string& name) const {
        const auto it = times_.find(name);
        return it == times_.end() ? nullptr : &it->second;
    }

    void Ratio(const std::string& a, const std::string& b) const {
        const double* ta = Find(a);
        const double* tb = Find(b);
        if (ta && tb) std::printf("ratio %s / %s = %.2f\n", a.c_str(), b.c_str(), *ta / *tb);
    }

    void Goal(const std::string& a, const std::string& b, double limit) const {
        const double* ta = Find(a);
        const double* tb = Find(b);
        if (!ta || !tb) return;
        const double ratio = *ta / *tb;
        std::printf("goal %s / %s = %.2f, at most %.2f: %s\n", a.c_str(), b.c_str(), ratio, limit,
                    ratio <= limit ? "met" : "NOT met");
    }

    std::map<std::string, double> times_;
};

}  // namespace
}  // namespace orvane

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    orvane::RegisterAll();
    orvane::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
