// Makes the renderer for the game's window as the player's renderer choice says.
#pragma once

#include "platform/display_settings.h"

struct SDL_Renderer;
struct SDL_Window;

namespace orvane {

// Null when no renderer at all can be made (SDL_GetError says why).
SDL_Renderer* CreateFrameRenderer(SDL_Window* window, RendererChoice choice);

}  // namespace orvane
