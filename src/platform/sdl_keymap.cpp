#include "platform/sdl_keymap.h"

#include <SDL_scancode.h>

#include "platform/keycodes.h"

namespace orvane {

int VirtualKeyFromScancode(int sdlScancode) {
    if (sdlScancode >= SDL_SCANCODE_A && sdlScancode <= SDL_SCANCODE_Z) {
        return vk::LetterA + (sdlScancode - SDL_SCANCODE_A);
    }
    // The digit row runs 1..9 then 0, the virtual keys 0..9.
    if (sdlScancode >= SDL_SCANCODE_1 && sdlScancode <= SDL_SCANCODE_9) {
        return vk::Digit0 + 1 + (sdlScancode - SDL_SCANCODE_1);
    }
    if (sdlScancode >= SDL_SCANCODE_F1 && sdlScancode <= SDL_SCANCODE_F12) {
        return vk::F1 + (sdlScancode - SDL_SCANCODE_F1);
    }
    switch (sdlScancode) {
        case SDL_SCANCODE_0:
            return vk::Digit0;
        case SDL_SCANCODE_LEFT:
            return vk::Left;
        case SDL_SCANCODE_UP:
            return vk::Up;
        case SDL_SCANCODE_RIGHT:
            return vk::Right;
        case SDL_SCANCODE_DOWN:
            return vk::Down;
        case SDL_SCANCODE_ESCAPE:
            return vk::Escape;
        case SDL_SCANCODE_RETURN:
        case SDL_SCANCODE_KP_ENTER:
            return vk::Return;
        case SDL_SCANCODE_BACKSPACE:
            return vk::Back;
        case SDL_SCANCODE_TAB:
            return vk::Tab;
        case SDL_SCANCODE_SPACE:
            return vk::Space;
        case SDL_SCANCODE_DELETE:
            return vk::Delete;
        case SDL_SCANCODE_PAGEDOWN:
            return vk::PageDown;
        case SDL_SCANCODE_SEMICOLON:
            return vk::Oem1;
        case SDL_SCANCODE_EQUALS:
            return vk::OemPlus;
        case SDL_SCANCODE_COMMA:
            return vk::OemComma;
        case SDL_SCANCODE_MINUS:
            return vk::OemMinus;
        case SDL_SCANCODE_PERIOD:
            return vk::OemPeriod;
        case SDL_SCANCODE_SLASH:
            return vk::Oem2;
        case SDL_SCANCODE_GRAVE:
            return vk::Oem3;
        case SDL_SCANCODE_LEFTBRACKET:
            return vk::Oem4;
        // An ISO keyboard reports the key beside Enter as the non-US hash; it sits where the US
        // backslash does.
        case SDL_SCANCODE_BACKSLASH:
        case SDL_SCANCODE_NONUSHASH:
            return vk::Oem5;
        case SDL_SCANCODE_RIGHTBRACKET:
            return vk::Oem6;
        case SDL_SCANCODE_APOSTROPHE:
            return vk::Oem7;
        case SDL_SCANCODE_LSHIFT:
        case SDL_SCANCODE_RSHIFT:
            return vk::Shift;
        case SDL_SCANCODE_LCTRL:
        case SDL_SCANCODE_RCTRL:
            return vk::Control;
        default:
            return 0;
    }
}

}  // namespace orvane
