// What the engine hears of the pointer when the window is larger than the frame: the black bars
// around the letterboxed picture are no part of the game.
#pragma once

#include <optional>

namespace orvane {

struct FramePoint {
    int x = 0;
    int y = 0;
    bool operator==(const FramePoint&) const = default;
};

class FramePointer {
public:
    // A move inside the frame is delivered as it is. The first move out of it is delivered at
    // the nearest edge point, so that hover highlights end; further moves outside are not.
    std::optional<FramePoint> Move(int x, int y);
    // A button pressed over the bars does nothing.
    std::optional<FramePoint> Down(int x, int y);
    // A release always arrives (at the nearest edge point when outside), so that a drag that
    // began inside the frame ends.
    FramePoint Up(int x, int y) const;

private:
    bool outside_ = false;
};

bool InsideFrame(int x, int y);
FramePoint NearestFramePoint(int x, int y);

}  // namespace orvane
