// The headless backend: no window, no sound device, a virtual clock. It plays an event file
// (wait, move, down, up, click, drag, key, hold, release, wheel, pad, shot, state, quit)
// against the engine.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/comfort_event_lines.h"
#include "platform/game_pad.h"
#include "platform/headless_audio.h"
#include "platform/platform.h"

namespace orvane {

// The real local date and time, its fields counted as UTC.
int64_t RealLocalTimeAsUtc();

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform() = default;
    // The sound device reads this object's clock.
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    uint64_t Now() const override { return clock_; }
    void Sleep(int ms) override;
    // The wall clock at start plus the virtual time since; local time is read as UTC.
    WallTime WallClock() const override;
    // The wall clock at start, in seconds since 1970 (UTC); by default the real local time.
    void SetWallClockStart(int64_t utcSeconds) { wallClockStart_ = utcSeconds; }
    bool OpenWindow() override { return windowAvailable; }
    void Present(const Image& frame) override;
    void ShowMessage(std::string_view cp1251Text) override;
    // Plays the event file given to LoadEvents (none: returns at once).
    void Run(EventHandler& handler) override;
    AudioDevice& audio() override { return audio_; }
    void SetCursor(const Image& picture, int hotX, int hotY) override;
    void SetFullscreen(bool on) override { fullscreen_ = on; }
    bool Fullscreen() const override { return fullscreen_; }

    // Reads and checks the whole event file first, so that a typo fails before anything runs.
    bool LoadEvents(const std::filesystem::path& file, std::string& error);
    // Lines of event text (for tests); `origin` names them in messages.
    bool LoadEventText(const std::string& text, const std::string& origin, std::string& error);

    // Plays one line of event text at once, as if it came next in an event file; "quit" and
    // lines after a quit request do nothing. False, with the reason, for a line that cannot
    // be read.
    bool PlayLine(EventHandler& handler, const std::string& line, std::string& error);

    // Hears when the event loop moves on and when the engine blocks, so that a driver can tell
    // an engine stuck in a loop of waits from one that plays. Null: nobody listens.
    class Watcher {
    public:
        virtual ~Watcher() = default;
        // A frame was presented, or the loop hands over a timer or an event.
        virtual void OnLoopProgress() = 0;
        // The engine blocked in a wait of its own (the clock has advanced already).
        virtual void OnEngineSlept() = 0;
    };
    void SetWatcher(Watcher* watcher) { watcher_ = watcher; }

    // Advances the virtual clock to `time`, firing the timers that fall due in time order.
    void AdvanceTo(EventHandler& handler, uint64_t time);

    const Image& lastFrame() const { return lastFrame_; }
    const std::vector<std::string>& messages() const { return messages_; }
    // The pointer picture last set (empty: the system's own) and its hot spot.
    const Image& cursor() const { return cursor_; }
    int cursorHotX() const { return cursorHotX_; }
    int cursorHotY() const { return cursorHotY_; }
    // What the engine asked of the sound device, and the mix on the virtual clock.
    HeadlessAudioDevice& recordingAudio() { return audio_; }
    // False when a `shot` or `state` could not be written.
    bool succeeded() const { return succeeded_; }

    bool windowAvailable = true;  // tests turn it off to see the engine fail to start

private:
    struct Event {
        std::string verb;
        std::vector<int> numbers;
        std::string word;  // button, key name, or file
        int line = 0;
        ComfortLine comfort;  // hold, release, wheel, pad
    };
    // An empty verb: the line holds no event.
    bool ParseEventLine(const std::string& raw, int lineNumber, Event& event,
                        std::string& error) const;
    void Dispatch(EventHandler& handler, const Event& event);
    // `wait`: the clock runs to `until`, and a pad-steered pointer moves on the way.
    void Wait(EventHandler& handler, uint64_t until);

    uint64_t clock_ = 0;
    int64_t wallClockStart_ = RealLocalTimeAsUtc();
    std::vector<Event> events_;
    std::string origin_;
    Image lastFrame_;
    std::vector<std::string> messages_;
    Image cursor_;
    int cursorHotX_ = 0;
    int cursorHotY_ = 0;
    bool fullscreen_ = false;
    HeadlessAudioDevice audio_{[this] { return clock_; }};
    bool succeeded_ = true;
    Watcher* watcher_ = nullptr;
    GamePad pad_;
};

// The Windows key code of a key name of the event file; 0 when unknown.
int KeyCodeFromName(const std::string& name);

}  // namespace orvane
