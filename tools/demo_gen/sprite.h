// A picture with a see-through surround, for characters and objects. Each pixel keeps how much
// of it is covered next to its colour, so that layered soft edges stay soft; the cover becomes
// the engine's transparency byte only at the end.
#pragma once

#include <vector>

#include "base/image.h"
#include "canvas.h"
#include "shapes.h"

namespace orvane::demo {

class Sprite {
public:
    Sprite(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    float cover(int x, int y) const { return cover_[Index(x, y)]; }
    Rgb color(int x, int y) const { return color_[Index(x, y)]; }

    // Lays `color` over the pixel as a layer `alpha` (0..1) opaque.
    void Over(int x, int y, Rgb color, float alpha);
    void Fill(const Shape& shape, Rgb color, float alpha = 1, float softness = 1);
    void Fill(const Shape& shape, const Paint& paint, float alpha = 1, float softness = 1);
    // Colours what is already drawn without covering anything new: shadows and highlights that
    // follow the shape below.
    void Tint(const Shape& shape, Rgb color, float alpha, float softness = 1);
    // A light that is itself partly see-through, strongest at the centre.
    void Halo(Point centre, float radius, Rgb color, float strength);

    // T = 255 where nothing is drawn, with black behind it, so that an engine that reads only
    // the colour of an edge pixel still sees nothing there.
    Image ToImage() const;

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgb> color_;
    std::vector<float> cover_;
};

}  // namespace orvane::demo
