#include "platform/renderer_choice.h"

#include <string>

#include "base/text.h"

namespace orvane {

bool IsSoftwareRasterizer(std::string_view glRenderer) {
    const std::string lower = LowerCaseCp1251(glRenderer);
    for (const char* name : {"llvmpipe", "softpipe", "swrast", "software rasterizer",
                             "gdi generic", "swiftshader"}) {
        if (lower.find(name) != std::string::npos) return true;
    }
    return false;
}

RendererStart PlanRenderer(RendererChoice choice, bool gpuDevicePresent) {
    switch (choice) {
        case RendererChoice::Software:
            return RendererStart::Software;
        case RendererChoice::Gpu:
            return RendererStart::Accelerated;
        case RendererChoice::Auto:
            break;
    }
    return gpuDevicePresent ? RendererStart::Probe : RendererStart::Software;
}

}  // namespace orvane
