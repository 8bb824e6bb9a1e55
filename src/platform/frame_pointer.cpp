#include "platform/frame_pointer.h"

#include <algorithm>

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

}  // namespace orvane
