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

    std::optional<FramePoint> Move(FramePoint p) { return Move(p.x, p.y); }
    std::optional<FramePoint> Down(FramePoint p) { return Down(p.x, p.y); }
    FramePoint Up(FramePoint p) const { return Up(p.x, p.y); }

private:
    bool outside_ = false;
};

bool InsideFrame(int x, int y);
FramePoint NearestFramePoint(int x, int y);

// Smooth fills the window as far as 4:3 allows, filtered. Sharp uses the largest whole-number
// scale that fits, so that every frame pixel becomes the same block of screen pixels; a window
// smaller than the frame leaves no whole number, and sharp then shrinks as smooth does.
enum class FrameScaling { Smooth, Sharp };

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The window as the desktop measures it (its pointer coordinates) and as the renderer draws it:
// on a high-density screen the drawable has more pixels than the window has points.
struct WindowGeometry {
    int windowWidth = 0;
    int windowHeight = 0;
    int drawableWidth = 0;
    int drawableHeight = 0;
};

// Where the frame goes in the drawable, centred with black bars around it.
PixelRect LayOutFrame(int drawableWidth, int drawableHeight, FrameScaling scaling);
// The frame pixel under a window point; over the bars it lies outside the frame.
FramePoint WindowToFrame(const WindowGeometry& window, FrameScaling scaling, int x, int y);
// The window point over the middle of a frame pixel, for moving the system's pointer there.
FramePoint FrameToWindow(const WindowGeometry& window, FrameScaling scaling, int x, int y);

}  // namespace orvane
