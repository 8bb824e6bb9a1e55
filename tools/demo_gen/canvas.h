// Drawing by code for the demo's pictures. The canvas holds floating-point colour so that soft
// shapes can be layered without rounding at every step; it is dithered once, when it becomes an
// Image, so that long gradients do not band after JPEG compression.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "base/image.h"
#include "shapes.h"

namespace orvane::demo {

struct Rgb {
    float r = 0;
    float g = 0;
    float b = 0;
};

// From 0xRRGGBB, as colours are written by people.
constexpr Rgb Hex(uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f};
}
Rgb Mix(Rgb a, Rgb b, float t);
// Brighter (amount > 0) or darker (amount < 0), keeping the hue.
Rgb Shade(Rgb color, float amount);

// The colour of a shape at a point, for shading across it.
using Paint = std::function<Rgb(float x, float y)>;

struct Circle {
    float x = 0;
    float y = 0;
    float r = 0;
};

struct GradientStop {
    float at;  // 0 top .. 1 bottom
    Rgb color;
};

// The same numbers on every build, so a picture only changes when its code does.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed) {}
    float Next();  // 0 .. 1
    float Between(float low, float high) { return low + (high - low) * Next(); }

private:
    uint32_t state_;
};

class Canvas {
public:
    Canvas(int width, int height, Rgb fill = {});

    int width() const { return width_; }
    int height() const { return height_; }

    // Covers `alpha` (0..1) of the pixel with `color`; pixels outside are ignored.
    void Blend(int x, int y, Rgb color, float alpha);
    // Adds light, for glows and stars.
    void Add(int x, int y, Rgb color, float amount);

    void VerticalGradient(std::span<const GradientStop> stops);
    // A soft light that fades to nothing at `radius`.
    void Glow(float cx, float cy, float radius, Rgb color, float strength);
    // An anti-aliased disc; with `bite`, the part that circle covers is left out (a crescent).
    void Disc(Circle disc, Rgb color, float alpha = 1, std::optional<Circle> bite = {});
    // Everything below the curve y = top(x), the edge anti-aliased; the colour darkens towards
    // `deep` over `depth` pixels below the edge.
    void FillBelow(const std::function<float(float)>& top, Rgb color, Rgb deep, float depth);
    void Fill(const Shape& shape, Rgb color, float alpha = 1, float softness = 1);
    void Fill(const Shape& shape, const Paint& paint, float alpha = 1, float softness = 1);
    // Adds light over a shape: beams, sparkles, lit windows.
    void Light(const Shape& shape, Rgb color, float amount, float softness = 1);
    // A fir tree standing on (x, baseY): stacked tiers narrowing to the tip.
    void Fir(float x, float baseY, float height, Rgb color);

    Image ToImage() const;

private:
    Rgb& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

Image SolidImage(int width, int height, uint32_t pixel);

}  // namespace orvane::demo
