#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "pixel_bytes.h"

namespace orvane::demo {
namespace {

float Clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

// Fraction of a pixel centred at distance `distance` from a circle's centre that the circle
// covers, good enough for edges a pixel wide.
float DiscCoverage(float distance, float r) {
    return Clamp01(r - distance + 0.5f);
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Shade(Rgb color, float amount) {
    return amount >= 0 ? Mix(color, {1, 1, 1}, amount) : Mix(color, {0, 0, 0}, -amount);
}

float Random::Next() {
    // xorshift32: tiny, and its sequence is fixed by the seed on every platform.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ >> 8) / static_cast<float>(1 << 24);
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, Rgb color, float alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
    Rgb& p = at(x, y);
    p = Mix(p, color, Clamp01(alpha));
}

void Canvas::Add(int x, int y, Rgb color, float amount) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || amount <= 0) return;
    Rgb& p = at(x, y);
    p = {p.r + color.r * amount, p.g + color.g * amount, p.b + color.b * amount};
}

void Canvas::VerticalGradient(std::span<const GradientStop> stops) {
    if (stops.empty()) return;
    for (int y = 0; y < height_; ++y) {
        const float t = (y + 0.5f) / height_;
        Rgb color = stops.front().color;
        for (size_t i = 1; i < stops.size(); ++i) {
            if (t >= stops[i].at) {
                color = stops[i].color;
                continue;
            }
            const float span = stops[i].at - stops[i - 1].at;
            if (t > stops[i - 1].at && span > 0) {
                color = Mix(stops[i - 1].color, stops[i].color, (t - stops[i - 1].at) / span);
            }
            break;
        }
        std::fill_n(pixels_.begin() + static_cast<ptrdiff_t>(y) * width_, width_, color);
    }
}

void Canvas::Glow(float cx, float cy, float radius, Rgb color, float strength) {
    const int x0 = std::max(0, static_cast<int>(cx - radius));
    const int x1 = std::min(width_ - 1, static_cast<int>(cx + radius));
    const int y0 = std::max(0, static_cast<int>(cy - radius));
    const int y1 = std::min(height_ - 1, static_cast<int>(cy + radius));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / radius;
            if (d >= 1) continue;
            const float falloff = (1 - d) * (1 - d);
            Add(x, y, color, strength * falloff);
        }
    }
}

void Canvas::Disc(Circle disc, Rgb color, float alpha, std::optional<Circle> bite) {
    const float cx = disc.x;
    const float cy = disc.y;
    const float r = disc.r;
    const int x0 = std::max(0, static_cast<int>(cx - r - 1));
    const int x1 = std::min(width_ - 1, static_cast<int>(cx + r + 1));
    const int y0 = std::max(0, static_cast<int>(cy - r - 1));
    const int y1 = std::min(height_ - 1, static_cast<int>(cy + r + 1));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            float cover = DiscCoverage(std::hypot(x + 0.5f - cx, y + 0.5f - cy), r);
            if (bite) {
                const float d = std::hypot(x + 0.5f - bite->x, y + 0.5f - bite->y);
                cover *= 1 - DiscCoverage(d, bite->r);
            }
            Blend(x, y, color, cover * alpha);
        }
    }
}

void Canvas::FillBelow(const std::function<float(float)>& top, Rgb color, Rgb deep, float depth) {
    for (int x = 0; x < width_; ++x) {
        const float edge = top(x + 0.5f);
        for (int y = std::max(0, static_cast<int>(std::floor(edge))); y < height_; ++y) {
            const float cover = Clamp01(y + 1 - edge);
            const float shade = depth > 0 ? Clamp01((y - edge) / depth) : 0;
            Blend(x, y, Mix(color, deep, shade), cover);
        }
    }
}

void Canvas::Fill(const Shape& shape, Rgb color, float alpha, float softness) {
    ForEachCovered(shape, width_, height_, softness,
                   [&](int x, int y, float cover) { Blend(x, y, color, cover * alpha); });
}

void Canvas::Fill(const Shape& shape, const Paint& paint, float alpha, float softness) {
    ForEachCovered(shape, width_, height_, softness, [&](int x, int y, float cover) {
        Blend(x, y, paint(x + 0.5f, y + 0.5f), cover * alpha);
    });
}

void Canvas::Light(const Shape& shape, Rgb color, float amount, float softness) {
    ForEachCovered(shape, width_, height_, softness,
                   [&](int x, int y, float cover) { Add(x, y, color, cover * amount); });
}

void Canvas::Fir(float x, float baseY, float height, Rgb color) {
    constexpr int kTiers = 4;
    const float trunk = height * 0.08f;
    const float crown = height - trunk;
    const float topY = baseY - height;
    for (int y = std::max(0, static_cast<int>(topY));
         y < std::min(height_, static_cast<int>(baseY)); ++y) {
        const float down = (y + 0.5f - topY) / crown;  // 0 at the tip, 1 at the lowest branches
        float half;
        if (down > 1) {
            half = height * 0.03f;
        } else {
            // Each tier starts narrow and widens; lower tiers are wider overall.
            const float tier = down * kTiers - std::floor(down * kTiers);
            half = height * 0.22f * down * (0.55f + 0.45f * tier);
        }
        for (int px = static_cast<int>(x - half - 1); px <= static_cast<int>(x + half + 1); ++px) {
            const float distance = std::fabs(px + 0.5f - x);
            Blend(px, y, color, Clamp01(half - distance + 0.5f));
        }
    }
}

Image Canvas::ToImage() const {
    Image image(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgb& p = pixels_[static_cast<size_t>(y) * width_ + x];
            const float d = Dither(x, y);
            image.at(x, y) = MakePixel(ToByte(p.r, d), ToByte(p.g, d), ToByte(p.b, d));
        }
    }
    return image;
}

Image SolidImage(int width, int height, uint32_t pixel) {
    Image image(width, height);
    std::fill(image.pixels.begin(), image.pixels.end(), pixel);
    return image;
}

}  // namespace orvane::demo
