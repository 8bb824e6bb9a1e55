#include "platform/sdl_game_pads.h"

#include <algorithm>
#include <string>

#include "base/log.h"

namespace orvane {

void SdlGamePads::Start() {
    if (started_) return;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        LogWarning(std::string("no game controllers: ") + SDL_GetError());
        return;
    }
    started_ = true;
    // The controllers present at start arrive as "added" events as well; Open skips repeats.
}

void SdlGamePads::Stop() {
    for (SDL_GameController* controller : controllers_) SDL_GameControllerClose(controller);
    controllers_.clear();
    if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started_ = false;
}

void SdlGamePads::Open(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (SDL_GameController* controller : controllers_) {
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)) == id) return;
    }
    if (SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex)) {
        controllers_.push_back(controller);
    } else {
        LogWarning(std::string("cannot open a game controller: ") + SDL_GetError());
    }
}

bool SdlGamePads::TakeUnplugged() {
    const bool was = unplugged_;
    unplugged_ = false;
    return was;
}

bool SdlGamePads::Plug(const SDL_Event& event) {
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        Open(event.cdevice.which);
        return true;
    }
    if (event.type != SDL_CONTROLLERDEVICEREMOVED) return false;
    const auto gone =
        std::find_if(controllers_.begin(), controllers_.end(), [&](SDL_GameController* controller) {
            return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)) ==
                   event.cdevice.which;
        });
    if (gone != controllers_.end()) {
        SDL_GameControllerClose(*gone);
        controllers_.erase(gone);
    }
    // A controller pulled out mid-push must not steer or skip on by itself.
    pad.LetGo();
    unplugged_ = true;
    return true;
}

bool SdlGamePads::Deliver(const SDL_Event& event, EventHandler& handler) {
    switch (event.type) {
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            const char* name = SDL_GameControllerGetStringForButton(
                static_cast<SDL_GameControllerButton>(event.cbutton.button));
            if (const auto button = PadButtonFromName(name ? name : "")) {
                pad.Button(*button, event.type == SDL_CONTROLLERBUTTONDOWN, handler);
            }
            return true;
        }
        case SDL_CONTROLLERAXISMOTION: {
            const char* name = SDL_GameControllerGetStringForAxis(
                static_cast<SDL_GameControllerAxis>(event.caxis.axis));
            if (const auto axis = PadAxisFromName(name ? name : "")) {
                pad.Axis(*axis, event.caxis.value);
            }
            return true;
        }
        default:
            return false;
    }
}

}  // namespace orvane
