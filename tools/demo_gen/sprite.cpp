#include "sprite.h"

#include <algorithm>
#include <cmath>

#include "pixel_bytes.h"

namespace orvane::demo {
namespace {

// Below this cover a pixel is written as fully see-through, above 1 - this as solid, so that
// rounding does not leave a faint rectangle around the figure or pin-holes inside it.
constexpr float kCoverEpsilon = 0.5f / 255.0f;

}  // namespace

Sprite::Sprite(int width, int height)
    : width_(width),
      height_(height),
      color_(static_cast<size_t>(width) * height),
      cover_(static_cast<size_t>(width) * height, 0.0f) {}

void Sprite::Over(int x, int y, Rgb color, float alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    alpha = std::clamp(alpha, 0.0f, 1.0f);
    if (alpha <= 0) return;
    const size_t i = Index(x, y);
    const float below = cover_[i] * (1 - alpha);
    const float total = alpha + below;
    // The colour of a partly covered pixel is the cover-weighted mean of its layers.
    const Rgb& old = color_[i];
    color_[i] = {(color.r * alpha + old.r * below) / total,
                 (color.g * alpha + old.g * below) / total,
                 (color.b * alpha + old.b * below) / total};
    cover_[i] = total;
}

void Sprite::Fill(const Shape& shape, Rgb color, float alpha, float softness) {
    ForEachCovered(shape, width_, height_, softness,
                   [&](int x, int y, float cover) { Over(x, y, color, cover * alpha); });
}

void Sprite::Fill(const Shape& shape, const Paint& paint, float alpha, float softness) {
    ForEachCovered(shape, width_, height_, softness, [&](int x, int y, float cover) {
        Over(x, y, paint(x + 0.5f, y + 0.5f), cover * alpha);
    });
}

void Sprite::Tint(const Shape& shape, Rgb color, float alpha, float softness) {
    ForEachCovered(shape, width_, height_, softness, [&](int x, int y, float cover) {
        Rgb& p = color_[Index(x, y)];
        p = Mix(p, color, std::clamp(cover * alpha, 0.0f, 1.0f));
    });
}

void Sprite::Halo(Point centre, float radius, Rgb color, float strength) {
    const int x0 = std::max(0, static_cast<int>(centre.x - radius));
    const int x1 = std::min(width_, static_cast<int>(centre.x + radius) + 1);
    const int y0 = std::max(0, static_cast<int>(centre.y - radius));
    const int y1 = std::min(height_, static_cast<int>(centre.y + radius) + 1);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float d = std::hypot(x + 0.5f - centre.x, y + 0.5f - centre.y) / radius;
            if (d >= 1) continue;
            Over(x, y, color, strength * (1 - d) * (1 - d));
        }
    }
}

Image Sprite::ToImage() const {
    Image image(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const size_t i = Index(x, y);
            const float cover = cover_[i];
            if (cover < kCoverEpsilon) {
                image.at(x, y) = MakePixel(0, 0, 0, 255);
                continue;
            }
            const float d = Dither(x, y);
            const Rgb& p = color_[i];
            const uint8_t t = cover > 1 - kCoverEpsilon ? 0 : ToByte(1 - cover, 0);
            image.at(x, y) = MakePixel(ToByte(p.r, d), ToByte(p.g, d), ToByte(p.b, d), t);
        }
    }
    return image;
}

}  // namespace orvane::demo
