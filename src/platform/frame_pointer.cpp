#include "platform/frame_pointer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/platform.h"

namespace orvane {

bool InsideFrame(int x, int y) {
    return x >= 0 && x < kScreenWidth && y >= 0 && y < kScreenHeight;
}

FramePoint NearestFramePoint(int x, int y) {
    return {std::clamp(x, 0, kScreenWidth - 1), std::clamp(y, 0, kScreenHeight - 1)};
}

std::optional<FramePoint> FramePointer::Move(int x, int y) {
    if (InsideFrame(x, y)) {
        outside_ = false;
        return FramePoint{x, y};
    }
    if (outside_) return std::nullopt;
    outside_ = true;
    return NearestFramePoint(x, y);
}

std::optional<FramePoint> FramePointer::Down(int x, int y) {
    if (!InsideFrame(x, y)) return std::nullopt;
    return FramePoint{x, y};
}

FramePoint FramePointer::Up(int x, int y) const {
    return NearestFramePoint(x, y);
}

PixelRect LayOutFrame(int drawableWidth, int drawableHeight, FrameScaling scaling) {
    if (drawableWidth <= 0 || drawableHeight <= 0) return {};
    const int whole = std::min(drawableWidth / kScreenWidth, drawableHeight / kScreenHeight);
    int width = 0, height = 0;
    if (scaling == FrameScaling::Sharp && whole >= 1) {
        width = kScreenWidth * whole;
        height = kScreenHeight * whole;
    } else if (int64_t{drawableWidth} * kScreenHeight >= int64_t{drawableHeight} * kScreenWidth) {
        // Wider than 4:3: bars left and right.
        height = drawableHeight;
        width = static_cast<int>((int64_t{drawableHeight} * kScreenWidth + kScreenHeight / 2) /
                                 kScreenHeight);
    } else {
        width = drawableWidth;
        height = static_cast<int>((int64_t{drawableWidth} * kScreenHeight + kScreenWidth / 2) /
                                  kScreenWidth);
    }
    width = std::clamp(width, 1, drawableWidth);
    height = std::clamp(height, 1, drawableHeight);
    return {(drawableWidth - width) / 2, (drawableHeight - height) / 2, width, height};
}

namespace {

// Drawable pixels per window point along each axis.
double DensityX(const WindowGeometry& w) {
    return w.windowWidth > 0 ? double(w.drawableWidth) / w.windowWidth : 1.0;
}
double DensityY(const WindowGeometry& w) {
    return w.windowHeight > 0 ? double(w.drawableHeight) / w.windowHeight : 1.0;
}

int Floor(double v) {
    return static_cast<int>(std::floor(std::clamp(v, -1e9, 1e9)));
}

}  // namespace

FramePoint WindowToFrame(const WindowGeometry& window, FrameScaling scaling, int x, int y) {
    const PixelRect frame = LayOutFrame(window.drawableWidth, window.drawableHeight, scaling);
    if (frame.width <= 0 || frame.height <= 0) return {x, y};
    // The middle of the point, so that a point covering several drawable pixels lands on the
    // frame pixel under most of it.
    const double px = (x + 0.5) * DensityX(window) - frame.x;
    const double py = (y + 0.5) * DensityY(window) - frame.y;
    return {Floor(px * kScreenWidth / frame.width), Floor(py * kScreenHeight / frame.height)};
}

FramePoint FrameToWindow(const WindowGeometry& window, FrameScaling scaling, int x, int y) {
    const PixelRect frame = LayOutFrame(window.drawableWidth, window.drawableHeight, scaling);
    if (frame.width <= 0 || frame.height <= 0) return {x, y};
    const double px = frame.x + (x + 0.5) * frame.width / kScreenWidth;
    const double py = frame.y + (y + 0.5) * frame.height / kScreenHeight;
    return {Floor(px / DensityX(window)), Floor(py / DensityY(window))};
}

}  // namespace orvane
