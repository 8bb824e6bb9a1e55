#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "render/blend.h"
#include "render/blend_path.h"

namespace orvane {
namespace {

class ForcedPath {
public:
    explicit ForcedPath(BlendPath path) : saved_(ActiveBlendPath()) { SetBlendPath(path); }
    ~ForcedPath() { SetBlendPath(saved_); }

private:
    BlendPath saved_;
};

std::vector<BlendPath> AvailablePaths() {
    std::vector<BlendPath> paths;
    for (BlendPath path : {BlendPath::kScalar, BlendPath::kSse2, BlendPath::kAvx2}) {
        if (BlendPathAvailable(path)) paths.push_back(path);
    }
    return paths;
}

// Runs of opaque, invisible, half-seen and nearly-opaque pixels of random lengths, some of them
// long enough for the span index to skip; colours include black, which the odd column skips.
Surface MixedPicture(int w, int h, std::mt19937& rng, int longestRun = 40) {
    Surface s(w, h);
    std::uniform_int_distribution<int> byte(0, 255), mode(0, 3), length(1, longestRun);
    std::size_t i = 0;
    while (i < s.pixels.size()) {
        const int kind = mode(rng);
        for (int n = length(rng); n > 0 && i < s.pixels.size(); --n, ++i) {
            const int t = kind == 0   ? 0
                          : kind == 1 ? 255
                          : kind == 2 ? byte(rng)
                                      : 1 + 253 * (n % 2);
            const bool black = byte(rng) < 25;
            s.pixels[i] = black
                              ? MakePixel(0, 0, 0, static_cast<uint8_t>(t))
                              : MakePixel(static_cast<uint8_t>(byte(rng)),
                                          static_cast<uint8_t>(byte(rng) | 0x80),
                                          static_cast<uint8_t>(byte(rng)), static_cast<uint8_t>(t));
        }
    }
    return s;
}

Surface NoisePicture(int w, int h, std::mt19937& rng) {
    Surface s(w, h);
    for (uint32_t& p : s.pixels) p = static_cast<uint32_t>(rng());
    return s;
}

// Draws with every path, each with and without the span index of the source, and compares every
// pixel and the result code with the definition.
testing::AssertionResult MatchesDefinition(const Surface& target, const Surface& source, int x,
                                           int y, const Rect* from, int c) {
    Surface expected = target;
    const int expectedCode = BlendBlitReference(expected, source, x, y, from, c);
    Surface indexed = source;
    indexed.IndexTransparentSpans();
    for (BlendPath path : AvailablePaths()) {
        ForcedPath forced(path);
        const Surface* inputs[] = {&source, &indexed};
        for (const Surface* input : inputs) {
            Surface out = target;
            const int code = BlendBlit(out, *input, x, y, from, c);
            const std::string variant = std::string(BlendPathName(path)) +
                                        (input == &indexed ? " with index" : "") +
                                        ", c = " + std::to_string(c);
            if (code != expectedCode) {
                return testing::AssertionFailure() << variant << ": returned " << code;
            }
            for (std::size_t i = 0; i < out.pixels.size(); ++i) {
                if (out.pixels[i] != expected.pixels[i]) {
                    return testing::AssertionFailure()
                           << variant << ": pixel (" << i % out.width << ", " << i / out.width
                           << ") is " << std::hex << out.pixels[i] << ", not "
                           << expected.pixels[i];
                }
            }
        }
    }
    return testing::AssertionSuccess();
}

std::vector<int> EveryOpacity() {
    std::vector<int> all{-5, 300};
    for (int c = 0; c <= 256; ++c) all.push_back(c);
    return all;
}

TEST(FastBlend, MatchesTheDefinitionForEveryWidthAndOpacity) {
    std::mt19937 rng(7);
    for (int w = 1; w <= 17; ++w) {
        const Surface source = MixedPicture(w, 3, rng);
        const Surface target = NoisePicture(w + 3, 4, rng);
        for (int c : EveryOpacity()) {
            ASSERT_TRUE(MatchesDefinition(target, source, 1, 1, nullptr, c)) << "width " << w;
        }
    }
}

TEST(FastBlend, MatchesTheDefinitionOnLargeOddPicturesAndOddLeftEdges) {
    std::mt19937 rng(11);
    const Surface source = MixedPicture(333, 9, rng);
    const Surface target = NoisePicture(340, 12, rng);
    for (int c : EveryOpacity()) ASSERT_TRUE(MatchesDefinition(target, source, 3, 2, nullptr, c));

    // Runs longer than the blocks that the vector paths skip or copy whole.
    const Surface wide = MixedPicture(1023, 37, rng, 300);
    const Surface under = NoisePicture(1024, 40, rng);
    // Odd left edges move the pair grid against the columns the span index was made in.
    const Rect parts[] = {{1, 0, 1023, 37}, {3, 2, 1002, 30},  {17, 5, 18, 9},
                          {0, 0, 1022, 37}, {250, 1, 777, 36}, {999, 0, 1016, 37}};
    for (const Rect& part : parts) {
        for (int c : {-5, 0, 1, 64, 128, 200, 254, 255, 256, 300}) {
            ASSERT_TRUE(MatchesDefinition(under, wide, 0, 1, &part, c)) << "left " << part.left;
            ASSERT_TRUE(MatchesDefinition(under, wide, 1, 3, &part, c)) << "left " << part.left;
        }
    }
}

TEST(FastBlend, CopiesOpaquePairsAtFullOpacityAndSkipsInvisiblePairs) {
    // A pair with both pixels opaque is copied at opacity 255, where blending would give 254;
    // the same pixel next to a barely transparent one is blended. The rows are long enough for
    // every vector width, and the shortcuts must hold in the vector tails too.
    const uint32_t white = MakePixel(255, 255, 255, 0);
    const uint32_t nearlyWhite = MakePixel(255, 255, 255, 1);
    const uint32_t invisible = MakePixel(255, 255, 255, 255);
    const uint32_t under = MakePixel(0, 0, 0, 7);
    for (int w : {2, 6, 14, 30, 198}) {
        Surface source(w, 3);
        for (int x = 0; x < w; ++x) {
            source.at(x, 0) = x < 4 ? white : x < 8 ? (x % 2 ? nearlyWhite : white) : invisible;
            source.at(x, 1) = x % 4 < 2 ? white : invisible;
            // One barely transparent pixel in an opaque stretch, one visible in an invisible one.
            source.at(x, 2) = x == 100   ? nearlyWhite
                              : x == 190 ? white
                              : x < 128  ? white
                                         : invisible;
        }
        Surface target(w, 3);
        target.Fill(under);
        for (BlendPath path : AvailablePaths()) {
            ForcedPath forced(path);
            Surface out = target;
            ASSERT_EQ(BlendBlit(out, source, 0, 0, nullptr, 255), 0);
            EXPECT_EQ(out.at(0, 0), white) << BlendPathName(path);
            if (w > 4) {
                EXPECT_EQ(PixelRed(out.at(4, 0)), 254) << BlendPathName(path);
            }
            EXPECT_EQ(out.at(w - 1, 1), white) << BlendPathName(path);
            if (w > 2) {
                EXPECT_EQ(out.at(2, 1), under) << BlendPathName(path);
            }
        }
        for (int c : {254, 255, 256}) {
            ASSERT_TRUE(MatchesDefinition(target, source, 0, 0, nullptr, c));
            const Rect shifted{1, 0, w, 3};
            ASSERT_TRUE(MatchesDefinition(target, source, 0, 0, &shifted, c));
        }
    }
}

TEST(FastBlend, NoticesOnePixelThatBreaksAnInvisibleOrOpaqueStretch) {
    // Row k is invisible but for column k (and 70 + k); the second picture is opaque but for a
    // barely transparent pixel there. Whatever stretch the vector paths judge at once, each such
    // pixel must be found.
    Surface sparse(140, 64), dense(140, 64);
    sparse.Fill(MakePixel(9, 9, 9, 255));
    dense.Fill(MakePixel(200, 150, 100, 0));
    for (int k = 0; k < 64; ++k) {
        sparse.at(k, k) = sparse.at(70 + k, k) = MakePixel(200, 150, 100, 0);
        dense.at(k, k) = dense.at(70 + k, k) = MakePixel(200, 150, 100, 1);
    }
    std::mt19937 rng(9);
    const Surface target = NoisePicture(140, 64, rng);
    const Rect shifted{1, 0, 140, 64};
    for (int c : {128, 255}) {
        ASSERT_TRUE(MatchesDefinition(target, sparse, 0, 0, nullptr, c));
        ASSERT_TRUE(MatchesDefinition(target, dense, 0, 0, nullptr, c));
        ASSERT_TRUE(MatchesDefinition(target, dense, 0, 0, &shifted, c));
    }
}

TEST(FastBlend, DrawsNothingWhenARectangleReachesOutside) {
    std::mt19937 rng(3);
    const Surface source = MixedPicture(8, 8, rng);
    const Surface target = NoisePicture(10, 10, rng);
    const Rect outsideSource{4, 4, 9, 6};
    const Rect empty{2, 2, 2, 5};
    const Rect negative{-1, 0, 3, 3};
    const struct {
        int x, y;
        const Rect* from;
    } refused[] = {{0, 0, &outsideSource}, {0, 0, &empty},   {0, 0, &negative},
                   {3, 0, nullptr},        {-1, 0, nullptr}, {0, 9, nullptr}};
    for (const auto& blit : refused) {
        ASSERT_TRUE(MatchesDefinition(target, source, blit.x, blit.y, blit.from, 255));
        Surface out = target;
        EXPECT_EQ(BlendBlit(out, source, blit.x, blit.y, blit.from, 255), -1);
        EXPECT_EQ(out.pixels, target.pixels);
    }
}

TEST(TransparentSpanIndex, HoldsEveryVisiblePixelInAFewRunsPerRow) {
    const uint32_t seen = MakePixel(9, 9, 9, 0);
    Surface picture(200, 4);
    picture.Fill(MakePixel(1, 2, 3, 255));
    for (int x = 10; x < 20; ++x) picture.at(x, 1) = seen;
    for (int x = 30; x < 40; ++x) picture.at(x, 1) = seen;  // a gap of ten joins the runs
    picture.at(180, 1) = MakePixel(0, 0, 0, 254);
    picture.at(0, 2) = seen;
    picture.at(199, 2) = seen;
    picture.IndexTransparentSpans();
    const VisibleRuns* runs = picture.visibleRuns();
    ASSERT_NE(runs, nullptr);
    EXPECT_TRUE(runs->Row(0).empty());
    ASSERT_EQ(runs->Row(1).size(), 2u);
    EXPECT_EQ(runs->Row(1)[0].begin, 10);
    EXPECT_EQ(runs->Row(1)[0].end, 40);
    EXPECT_EQ(runs->Row(1)[1].begin, 180);
    EXPECT_EQ(runs->Row(1)[1].end, 181);
    EXPECT_EQ(runs->Row(2).size(), 2u);
    EXPECT_TRUE(runs->Row(3).empty());
}

TEST(TransparentSpanIndex, IsDroppedByEveryDrawingIntoTheSurface) {
    std::mt19937 rng(5);
    const Surface other = MixedPicture(16, 16, rng);
    const auto drawings = {
        +[](Surface& s, const Surface&) { s.Fill(0); },
        +[](Surface& s, const Surface& o) { CopyRect(s, 0, 0, o); },
        +[](Surface& s, const Surface& o) { StretchCopy(s, s.bounds(), o, o.bounds()); },
        +[](Surface& s, const Surface& o) { BlendBlit(s, o, 0, 0, nullptr, 128); },
        +[](Surface& s, const Surface& o) { ScaleDownByArea(o, s); },
        +[](Surface& s, const Surface&) { s.width = 8; },
    };
    for (const auto& draw : drawings) {
        Surface picture = MixedPicture(16, 16, rng);
        picture.IndexTransparentSpans();
        ASSERT_NE(picture.visibleRuns(), nullptr);
        draw(picture, other);
        EXPECT_EQ(picture.visibleRuns(), nullptr);
    }

    // A picture that becomes visible where it was invisible is drawn as it is now.
    Surface source(16, 2);
    source.Fill(MakePixel(5, 5, 5, 255));
    source.IndexTransparentSpans();
    Surface opaque(16, 2);
    opaque.Fill(MakePixel(200, 100, 50, 0));
    CopyRect(source, 0, 0, opaque);
    Surface target(16, 2);
    BlendBlit(target, source, 0, 0, nullptr, 256);
    EXPECT_EQ(target.at(8, 1), MakePixel(200, 100, 50, 0));
}

}  // namespace
}  // namespace orvane
