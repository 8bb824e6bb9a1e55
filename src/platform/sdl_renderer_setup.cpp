#include "platform/sdl_renderer_setup.h"

#include <SDL.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/renderer_choice.h"

namespace orvane {
namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

bool GpuDevicePresent() {
    std::error_code ec;
    return std::filesystem::exists("/dev/dri", ec) || std::filesystem::exists("/dev/nvidiactl", ec);
}

// The GL_RENDERER string of an OpenGL renderer's context; empty for other renderers.
std::string GlRendererName(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name) return {};
    if (std::string_view(info.name).rfind("opengl", 0) != 0) return {};
    using GetString = const unsigned char*(SDLCALL*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
    return name ? reinterpret_cast<const char*>(name) : std::string();
}

SDL_Renderer* Software(SDL_Window* window) {
    // Left to itself, SDL makes a hidden OpenGL window to decide how to show the software
    // renderer's pixels, loading the very rasterizer this renderer is chosen to avoid; X's
    // shared memory shows them without it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

}  // namespace

SDL_Renderer* CreateFrameRenderer(SDL_Window* window, RendererChoice choice) {
    const RendererStart start = PlanRenderer(choice, GpuDevicePresent());
    if (start == RendererStart::Software) return Software(window);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (!renderer) return Software(window);
    if (start == RendererStart::Probe) {
        const std::string glName = GlRendererName(renderer);
        if (IsSoftwareRasterizer(glName)) {
            SDL_DestroyRenderer(renderer);
            return Software(window);
        }
    }
    return renderer;
}

}  // namespace orvane
