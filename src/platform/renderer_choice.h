// Which of SDL's renderers shows the frame. The frame is composed on the CPU and only scaled by
// the renderer, so an OpenGL that rasterizes on the CPU itself buys nothing and costs its
// start-up and tens of megabytes.
#pragma once

#include <string_view>

#include "platform/display_settings.h"

namespace orvane {

enum class RendererStart {
    Software,     // SDL's software renderer straight away
    Accelerated,  // the accelerated renderer, whatever it turns out to be
    Probe,        // the accelerated renderer, dropped when it rasterizes on the CPU
};

// Mesa's llvmpipe, softpipe and swrast, and the like, by their GL_RENDERER string.
bool IsSoftwareRasterizer(std::string_view glRenderer);

// `gpuDevicePresent`: the machine has a device node a GPU driver could use (/dev/dri, NVIDIA's);
// without one any OpenGL would be a CPU rasterizer, and probing it is the cost to avoid.
RendererStart PlanRenderer(RendererChoice choice, bool gpuDevicePresent);

}  // namespace orvane
