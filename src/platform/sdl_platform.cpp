#include "platform/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/log.h"
#include "base/text.h"
#include "platform/frame_pointer.h"
#include "platform/sdl_renderer_setup.h"
#include "platform/sdl_game_pads.h"
#include "platform/sdl_keymap.h"

namespace orvane {
namespace {

// Enough events to drain an ordinary burst, few enough that a flood of mouse motion cannot keep
// the timers waiting.
constexpr int kEventsPerBatch = 128;

std::optional<MouseButton> ToMouseButton(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT:
            return MouseButton::Left;
        case SDL_BUTTON_RIGHT:
            return MouseButton::Right;
        case SDL_BUTTON_MIDDLE:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}


// SDL falls back to drivers that draw into memory when no display answers: the game would run
// with nothing on screen and no word said. They are for whoever asks for them by name.
bool IsInvisibleVideoDriver(std::string_view driver) {
    return driver == "offscreen" || driver == "dummy";
}

bool VideoDriverRequested(std::string_view driver) {
    const char* requested = std::getenv("SDL_VIDEODRIVER");
    return requested && driver == requested;
}

}  // namespace

struct SdlPlatform::Sdl {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    bool videoStarted = false;

    // The last frame, so that the window can show it again while the engine is busy or asleep.
    Image frame{kScreenWidth, kScreenHeight};
    bool hasFrame = false;

    bool quitRequested = false;
    bool minimized = false;
    // Full screen as the engine or the player last chose it, applied when the window opens.
    bool wantFullscreen = false;
    // F11 switched it since the handler was last told.
    bool fullscreenSwitched = false;
    // The game's pointer, kept so that it can be made once the window (and video) is up.
    Image cursorPicture;
    int cursorHotX = 0;
    int cursorHotY = 0;
    SDL_Cursor* cursor = nullptr;
    // What the handler was last told, so that a minimise and restore during a Sleep reach it
    // as the state they left behind.
    bool handlerSawMinimized = false;
    bool paintPending = false;
    // Fed with frame coordinates, outside the frame over the bars.
    FramePointer pointer;
    DisplaySettings display;
    SdlAudioDevice* audio = nullptr;
    // The size the window opened at: only a size the player made is kept.
    int openedWidth = 0;
    int openedHeight = 0;
    SdlGamePads pads;
    // Keys and controls let go while the engine slept. The original lost all input there, but a
    // lost release would leave skipping or steering on: these reach the engine afterwards.
    std::vector<SDL_Event> keptReleases;

    ~Sdl() { Close(); }

    bool Open();
    bool Fail(const char* what);
    void Close();
    bool CreateTexture();
    void Keep(const Image& source);
    void Upload();
    void Redraw();
    void ApplyFullscreen();
    void ToggleFullscreen();
    void ApplyCursor();
    void RememberWindowSize();
    WindowGeometry Geometry() const;
    FramePoint ToFrame(int x, int y) const;
    // Handles what the window does by itself; false for input meant for the engine.
    bool HandleOwnEvent(const SDL_Event& event);
    void OnWindowEvent(Uint8 what);
    void DeliverInput(const SDL_Event& event, EventHandler& handler);
    void DeliverWindowState(EventHandler& handler);
    // Moves the pointer a controller steers, the system's pointer with it.
    void SteerPointer(EventHandler& handler, uint64_t now);
};

bool SdlPlatform::Sdl::Open() {
    if (window) return true;
    // A windowed game should not switch off the desktop's compositor.
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) return Fail("cannot start SDL");
    videoStarted = true;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && IsInvisibleVideoDriver(driver) && !VideoDriverRequested(driver)) {
        LogError(std::string("no display to show the game on (SDL found only its invisible \"") +
                 driver +
                 "\" video driver; DISPLAY and WAYLAND_DISPLAY name none): start orvane in a "
                 "desktop session, or run it with --headless");
        Close();
        return false;
    }
    const bool remembered = display.windowWidth > 0 && display.windowHeight > 0;
    window = SDL_CreateWindow("Orvane", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                              remembered ? display.windowWidth : kScreenWidth,
                              remembered ? display.windowHeight : kScreenHeight,
                              SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window) return Fail("cannot create the window");
    SDL_SetWindowMinimumSize(window, kScreenWidth / 4, kScreenHeight / 4);
    SDL_GetWindowSize(window, &openedWidth, &openedHeight);
    // The frame is letterboxed by Redraw and the pointer mapped back by ToFrame, in drawable
    // pixels, so that a high-density screen shows it at its full resolution.
    renderer = CreateFrameRenderer(window, display.renderer);
    if (!renderer) return Fail("cannot create a renderer");
    if (!CreateTexture()) return Fail("cannot create the frame texture");
    pads.Start();
    if (wantFullscreen) ApplyFullscreen();
    ApplyCursor();
    Upload();
    Redraw();
    return true;
}

bool SdlPlatform::Sdl::Fail(const char* what) {
    LogError(std::string(what) + ": " + SDL_GetError());
    Close();
    return false;
}

void SdlPlatform::Sdl::Close() {
    RememberWindowSize();
    pads.Stop();
    if (cursor) SDL_FreeCursor(cursor);
    cursor = nullptr;
    if (texture) SDL_DestroyTexture(texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    if (videoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
    texture = nullptr;
    renderer = nullptr;
    window = nullptr;
    videoStarted = false;
}

bool SdlPlatform::Sdl::CreateTexture() {
    if (texture) SDL_DestroyTexture(texture);
    // RGB888 is the 32-bit word 0x??RRGGBB: our pixels as they are, the T byte ignored.
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                kScreenWidth, kScreenHeight);
    if (!texture) return false;
    SDL_SetTextureScaleMode(texture, display.scaling == FrameScaling::Sharp ? SDL_ScaleModeNearest
                                                                             : SDL_ScaleModeLinear);
    return true;
}

void SdlPlatform::Sdl::RememberWindowSize() {
    if (!window || !display.settingsFile) return;
    constexpr Uint32 kNotItsOwnSize =
        SDL_WINDOW_FULLSCREEN | SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_MAXIMIZED |
        SDL_WINDOW_MINIMIZED;
    if (SDL_GetWindowFlags(window) & kNotItsOwnSize) return;
    int width = 0, height = 0;
    SDL_GetWindowSize(window, &width, &height);
    if (width <= 0 || height <= 0 || (width == openedWidth && height == openedHeight)) return;
    std::string error;
    if (!WriteWindowSize(*display.settingsFile, width, height, error)) {
        LogWarning("the window's size is not kept: " + error);
        return;
    }
    openedWidth = width;
    openedHeight = height;
}

WindowGeometry SdlPlatform::Sdl::Geometry() const {
    WindowGeometry geometry;
    if (window) SDL_GetWindowSize(window, &geometry.windowWidth, &geometry.windowHeight);
    if (renderer) {
        SDL_GetRendererOutputSize(renderer, &geometry.drawableWidth, &geometry.drawableHeight);
    }
    return geometry;
}

FramePoint SdlPlatform::Sdl::ToFrame(int x, int y) const {
    return WindowToFrame(Geometry(), display.scaling, x, y);
}

void SdlPlatform::Sdl::Keep(const Image& source) {
    hasFrame = true;
    if (source.width == frame.width && source.height == frame.height) {
        std::copy(source.pixels.begin(), source.pixels.end(), frame.pixels.begin());
        return;
    }
    // A frame of another size would be an engine fault; show what fits rather than read past it.
    std::fill(frame.pixels.begin(), frame.pixels.end(), 0);
    const int width = std::min(source.width, frame.width);
    for (int y = 0; y < std::min(source.height, frame.height); ++y) {
        std::copy_n(source.row(y), std::max(width, 0), frame.row(y));
    }
}

void SdlPlatform::Sdl::Upload() {
    if (texture) SDL_UpdateTexture(texture, nullptr, frame.pixels.data(), frame.width * 4);
}

void SdlPlatform::Sdl::Redraw() {
    if (!renderer) return;
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    if (hasFrame && texture) {
        int width = 0, height = 0;
        SDL_GetRendererOutputSize(renderer, &width, &height);
        const PixelRect place = LayOutFrame(width, height, display.scaling);
        const SDL_Rect target{place.x, place.y, place.width, place.height};
        SDL_RenderCopy(renderer, texture, nullptr, &target);
    }
    SDL_RenderPresent(renderer);
}

void SdlPlatform::Sdl::ApplyFullscreen() {
    if (!window) return;
    if (SDL_SetWindowFullscreen(window, wantFullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        LogWarning(std::string("cannot switch full screen: ") + SDL_GetError());
    }
}

void SdlPlatform::Sdl::ToggleFullscreen() {
    wantFullscreen = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) == 0;
    ApplyFullscreen();
    fullscreenSwitched = true;
}

void SdlPlatform::Sdl::ApplyCursor() {
    if (!window || cursorPicture.empty()) return;
    // SDL wants alpha where our pixels keep transparency.
    Image argb(cursorPicture.width, cursorPicture.height);
    for (size_t i = 0; i < argb.pixels.size(); ++i) {
        const uint32_t p = cursorPicture.pixels[i];
        argb.pixels[i] = (p & 0xFFFFFFu) | static_cast<uint32_t>(255 - PixelT(p)) << 24;
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        argb.pixels.data(), argb.width, argb.height, 32, argb.width * 4, SDL_PIXELFORMAT_ARGB8888);
    SDL_Cursor* made = surface ? SDL_CreateColorCursor(surface, cursorHotX, cursorHotY) : nullptr;
    if (surface) SDL_FreeSurface(surface);
    if (!made) {
        LogWarning(std::string("cannot make the mouse pointer: ") + SDL_GetError());
        return;
    }
    SDL_SetCursor(made);
    if (cursor) SDL_FreeCursor(cursor);
    cursor = made;
}

bool SdlPlatform::Sdl::HandleOwnEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            quitRequested = true;
            return true;
        case SDL_WINDOWEVENT:
            OnWindowEvent(event.window.event);
            return true;
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
            return pads.Plug(event);
        case SDL_AUDIODEVICEADDED:
            if (audio) audio->DeviceAdded(event.adevice.iscapture != 0, SDL_GetTicks64());
            return true;
        case SDL_AUDIODEVICEREMOVED:
            if (audio) {
                audio->DeviceRemoved(event.adevice.which, event.adevice.iscapture != 0,
                                     SDL_GetTicks64());
            }
            return true;
        case SDL_RENDER_TARGETS_RESET:
            Upload();
            Redraw();
            return true;
        case SDL_RENDER_DEVICE_RESET:
            // The device lost every texture; ours is rebuilt from the kept frame.
            if (CreateTexture()) Upload();
            Redraw();
            paintPending = true;
            return true;
        case SDL_KEYDOWN:
            if (event.key.keysym.scancode != SDL_SCANCODE_F11) return false;
            // Holding the key must not make the window flicker between the two modes.
            if (!event.key.repeat) ToggleFullscreen();
            return true;
        default:
            return false;
    }
}

void SdlPlatform::Sdl::OnWindowEvent(Uint8 what) {
    switch (what) {
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            Redraw();
            paintPending = true;
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            minimized = true;
            break;
        // A window minimised from the maximised state comes back maximised.
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
            minimized = false;
            break;
        default:
            break;
    }
}

void SdlPlatform::Sdl::DeliverInput(const SDL_Event& event, EventHandler& handler) {
    switch (event.type) {
        case SDL_MOUSEBUTTONDOWN: {
            const auto button = ToMouseButton(event.button.button);
            const auto at = pointer.Down(ToFrame(event.button.x, event.button.y));
            if (at) pads.pad.PointerAt(at->x, at->y);
            if (button && at) handler.FormMouseDown(*button, at->x, at->y);
            break;
        }
        case SDL_MOUSEBUTTONUP:
            if (const auto button = ToMouseButton(event.button.button)) {
                const FramePoint at = pointer.Up(ToFrame(event.button.x, event.button.y));
                handler.FormMouseUp(*button, at.x, at.y);
            }
            break;
        case SDL_MOUSEMOTION:
            if (const auto at = pointer.Move(ToFrame(event.motion.x, event.motion.y))) {
                pads.pad.PointerAt(at->x, at->y);
                handler.FormMouseMove(at->x, at->y);
            }
            break;
        case SDL_KEYDOWN:
            // Repeats included: a held key repeats for the engine as it did on Windows.
            if (const int key = VirtualKeyFromScancode(event.key.keysym.scancode)) {
                handler.FormKeyDown(key);
            }
            break;
        case SDL_KEYUP:
            if (const int key = VirtualKeyFromScancode(event.key.keysym.scancode)) {
                handler.FormKeyUp(key);
            }
            break;
        case SDL_MOUSEWHEEL: {
            // SDL counts away from the player; a flipped wheel says so.
            const int away = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y
                                                                             : event.wheel.y;
            if (away != 0) handler.OnWheel(-away);
            break;
        }
        default:
            pads.Deliver(event, handler);
            break;
    }
}

void SdlPlatform::Sdl::SteerPointer(EventHandler& handler, uint64_t now) {
    const std::optional<FramePoint> at = pads.pad.Step(now);
    if (!at) return;
    if (renderer && window) {
        const FramePoint there = FrameToWindow(Geometry(), display.scaling, at->x, at->y);
        SDL_WarpMouseInWindow(window, there.x, there.y);
    }
    handler.FormMouseMove(at->x, at->y);
}

void SdlPlatform::Sdl::DeliverWindowState(EventHandler& handler) {
    if (pads.TakeUnplugged()) handler.OnSkipButton(false);
    const std::vector<SDL_Event> releases = std::move(keptReleases);
    keptReleases.clear();
    for (const SDL_Event& release : releases) DeliverInput(release, handler);
    if (minimized != handlerSawMinimized) {
        handlerSawMinimized = minimized;
        if (minimized) {
            handler.OnMinimize();
        } else {
            handler.OnRestore();
        }
    }
    if (fullscreenSwitched) {
        fullscreenSwitched = false;
        handler.OnFullscreenChanged(wantFullscreen);
    }
    if (paintPending && !quitRequested) {
        paintPending = false;
        handler.FormPaint();
    }
}

SdlPlatform::SdlPlatform(DisplaySettings display) : sdl_(std::make_unique<Sdl>()) {
    sdl_->display = std::move(display);
    sdl_->audio = &audio_;
    audio_.SetBufferFrames(sdl_->display.audioBufferFrames);
}

SdlPlatform::~SdlPlatform() = default;

uint64_t SdlPlatform::Now() const {
    return SDL_GetTicks64();
}

bool SdlPlatform::OpenWindow() {
    return sdl_->Open();
}

void SdlPlatform::SetCursor(const Image& picture, int hotX, int hotY) {
    sdl_->cursorPicture = picture;
    sdl_->cursorHotX = hotX;
    sdl_->cursorHotY = hotY;
    sdl_->ApplyCursor();
}

void SdlPlatform::SetFullscreen(bool on) {
    sdl_->wantFullscreen = on;
    sdl_->ApplyFullscreen();
}

bool SdlPlatform::Fullscreen() const {
    // The choice, rather than the window's state: a window manager may carry it out later.
    return sdl_->wantFullscreen;
}

bool SdlPlatform::Quitting() const {
    return sdl_->quitRequested || quitRequested_;
}

void SdlPlatform::Present(const Image& frame) {
    ++presents_;
    sdl_->Keep(frame);
    sdl_->Upload();
    sdl_->Redraw();
}

void SdlPlatform::ShowMessage(std::string_view cp1251Text) {
    const std::string text = Cp1251ToUtf8(cp1251Text);
    LogError(text);
    // Without a desktop the box cannot appear; stderr has the message already.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "Orvane", text.c_str(), sdl_->window);
}

void SdlPlatform::Sleep(int ms) {
    if (ms <= 0) return;
    if (!sdl_->window) {
        SDL_Delay(static_cast<Uint32>(ms));
        return;
    }
    const uint64_t end = Now() + static_cast<uint64_t>(ms);
    for (uint64_t now = Now(); now < end; now = Now()) {
        SDL_Event event;
        // The original was blocked here: input meant for it is lost, and no timer fires. The
        // window still repaints, and a quit is kept for Run.
        if (SDL_WaitEventTimeout(&event, static_cast<int>(end - now)) &&
            !sdl_->HandleOwnEvent(event)) {
            constexpr size_t kMostKept = 256;
            const bool release = event.type == SDL_KEYUP ||
                                 event.type == SDL_CONTROLLERBUTTONUP ||
                                 event.type == SDL_CONTROLLERAXISMOTION;
            if (release && sdl_->keptReleases.size() < kMostKept) {
                sdl_->keptReleases.push_back(event);
            }
        }
    }
}

void SdlPlatform::Run(EventHandler& handler) {
    Sdl& sdl = *sdl_;
    if (!sdl.window) {
        LogError("the event loop needs an open window");
        return;
    }
    while (true) {
        FireDueTimers(handler);
        sdl.DeliverWindowState(handler);
        audio_.ReopenIfDue(Now());
        sdl.SteerPointer(handler, Now());
        if (Quitting()) return;

        SDL_Event event;
        int wait = MillisecondsToNextTimer();
        if (sdl.pads.pad.Steering() && (wait < 0 || wait > GamePad::kStepMs)) {
            wait = GamePad::kStepMs;
        }
        if (!SDL_WaitEventTimeout(&event, wait)) continue;
        int handled = 0;
        do {
            if (!sdl.HandleOwnEvent(event)) sdl.DeliverInput(event, handler);
        } while (!Quitting() && ++handled < kEventsPerBatch && SDL_PollEvent(&event));
        if (Quitting()) return;
    }
}

void SdlPlatform::FireDueTimers(EventHandler& handler) {
    // One `now` for the whole pass: a timer fires at most once per pass, however long the
    // handlers take, and the ones that came due meanwhile wait for the next pass.
    const uint64_t now = Now();
    while (!Quitting()) {
        // Asked again after every handler, as handlers switch timers on and off.
        const std::optional<TimerId> due = timers_.NextDue(now);
        if (!due) return;
        timers_.MarkFired(*due, now);
        handler.OnTimer(*due);
    }
}

int SdlPlatform::MillisecondsToNextTimer() const {
    const uint64_t now = Now();
    // Retrying the sound device is a timer of the platform's own.
    const int reopen = audio_.MillisecondsToReopen(now);
    const std::optional<uint64_t> due = timers_.NextDueTime();
    if (!due) return reopen;  // -1, no timer: wait for an event however long it takes
    const int ms = *due <= now ? 0 : static_cast<int>(std::min<uint64_t>(*due - now, INT_MAX));
    return reopen >= 0 ? std::min(ms, reopen) : ms;
}

}  // namespace orvane
