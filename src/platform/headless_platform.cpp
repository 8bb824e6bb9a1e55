#include "platform/headless_platform.h"

#include <cstdio>
#include <sstream>

#include "base/decimal.h"
#include "base/files.h"
#include "base/log.h"
#include "base/text.h"
#include "platform/keycodes.h"
#include "platform/png_writer.h"

namespace orvane {
namespace {

struct Verb {
    const char* name;
    int numbers;     // how many coordinates or milliseconds follow
    bool takesWord;  // a button, key or file name follows
    bool wordNeeded;
};

constexpr Verb kVerbs[] = {
    {"wait", 1, false, false}, {"move", 2, false, false}, {"down", 2, true, false},
    {"up", 2, true, false},    {"click", 2, true, false}, {"drag", 4, false, false},
    {"key", 0, true, true},    {"shot", 0, true, true},   {"state", 0, true, true},
    {"quit", 0, false, false},
};

bool ParseButton(const std::string& word, MouseButton& button) {
    if (word.empty() || word == "left") button = MouseButton::Left;
    else if (word == "right") button = MouseButton::Right;
    else if (word == "middle") button = MouseButton::Middle;
    else return false;
    return true;
}

}  // namespace

int KeyCodeFromName(const std::string& name) {
    static const std::pair<const char*, int> kNames[] = {
        {"esc", vk::Escape}, {"enter", vk::Return}, {"backspace", vk::Back},
        {"f2", vk::F2},      {"left", vk::Left},    {"up", vk::Up},
        {"right", vk::Right}, {"down", vk::Down},   {"space", vk::Space},
        {"ctrl", vk::Control}, {"shift", vk::Shift}, {"alt", vk::Alt},
        {"tab", vk::Tab},     {"pagedown", vk::PageDown},
    };
    for (const auto& [text, code] : kNames) {
        if (name == text) return code;
    }
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') return vk::LetterA + (name[0] - 'a');
    if (const std::optional<int32_t> code = ParseDecimal(name); code && *code > 0 && *code < 256) {
        return *code;
    }
    return 0;
}

int64_t RealLocalTimeAsUtc() {
    const WallTime now = LocalWallTime();
    return UtcSecondsOf(now.year, now.month, now.day, now.hour, now.minute, now.second);
}

WallTime HeadlessPlatform::WallClock() const {
    return WallTimeFromUtcSeconds(wallClockStart_ + static_cast<int64_t>(clock_ / 1000));
}

void HeadlessPlatform::Sleep(int ms) {
    if (ms > 0) clock_ += static_cast<uint64_t>(ms);
    if (watcher_) watcher_->OnEngineSlept();
}

void HeadlessPlatform::Present(const Image& frame) {
    lastFrame_ = frame;
    ++presents_;
    if (watcher_) watcher_->OnLoopProgress();
}

void HeadlessPlatform::SetCursor(const Image& picture, int hotX, int hotY) {
    cursor_ = picture;
    cursorHotX_ = hotX;
    cursorHotY_ = hotY;
}

void HeadlessPlatform::ShowMessage(std::string_view cp1251Text) {
    messages_.emplace_back(cp1251Text);
    LogError(Cp1251ToUtf8(cp1251Text));
}

bool HeadlessPlatform::LoadEvents(const std::filesystem::path& file, std::string& error) {
    std::string text;
    if (!ReadFileBounded(file, 16 << 20, text, error)) return false;
    return LoadEventText(text, file.string(), error);
}

bool HeadlessPlatform::LoadEventText(const std::string& text, const std::string& origin,
                                     std::string& error) {
    events_.clear();
    origin_ = origin;
    int lineNumber = 0;
    for (const std::string& raw : SplitTextFileLines(text)) {
        Event event;
        if (!ParseEventLine(raw, ++lineNumber, event, error)) return false;
        if (!event.verb.empty()) events_.push_back(std::move(event));
    }
    return true;
}

bool HeadlessPlatform::ParseEventLine(const std::string& raw, int lineNumber, Event& event,
                                      std::string& error) const {
    std::string line = raw.substr(0, raw.find('#'));
    std::istringstream words(line);
    event.line = lineNumber;
    if (!(words >> event.verb)) return true;
    if (IsComfortVerb(event.verb)) {
        if (ParseComfortLine(event.verb, words, event.comfort, error)) return true;
        error = origin_ + ":" + std::to_string(lineNumber) + ": " + error;
        return false;
    }
    const Verb* verb = nullptr;
    for (const Verb& candidate : kVerbs) {
        if (event.verb == candidate.name) verb = &candidate;
    }
    const std::string where = origin_ + ":" + std::to_string(lineNumber) + ": ";
    if (!verb) {
        error = where + "unknown event \"" + event.verb + "\"";
        return false;
    }
    for (int i = 0; i < verb->numbers; ++i) {
        std::string word;
        std::optional<int32_t> value;
        if (words >> word) value = ParseDecimal(word);
        if (!value || *value < 0) {
            error = where + "\"" + event.verb + "\" needs " + std::to_string(verb->numbers) +
                    " numbers of zero or more";
            return false;
        }
        event.numbers.push_back(*value);
    }
    if (verb->takesWord) words >> event.word;
    std::string extra;
    if ((verb->wordNeeded && event.word.empty()) || (words >> extra)) {
        error = where + "cannot read \"" + std::string(Trim(line)) + "\"";
        return false;
    }
    MouseButton button;
    if ((event.verb == "down" || event.verb == "up" || event.verb == "click") &&
        !ParseButton(event.word, button)) {
        error = where + "unknown button \"" + event.word + "\"";
        return false;
    }
    if (event.verb == "key" && KeyCodeFromName(event.word) == 0) {
        error = where + "unknown key \"" + event.word + "\"";
        return false;
    }
    return true;
}

bool HeadlessPlatform::PlayLine(EventHandler& handler, const std::string& line,
                                std::string& error) {
    Event event;
    if (!ParseEventLine(line, 0, event, error)) return false;
    if (event.verb.empty() || event.verb == "quit" || quitRequested_) return true;
    Dispatch(handler, event);
    return true;
}

void HeadlessPlatform::AdvanceTo(EventHandler& handler, uint64_t time) {
    while (!quitRequested_) {
        const std::optional<TimerId> due = timers_.NextDue(time);
        if (!due) break;
        const uint64_t dueTime = *timers_.NextDueTime();
        if (dueTime > clock_) clock_ = dueTime;
        timers_.MarkFired(*due, clock_);
        if (watcher_) watcher_->OnLoopProgress();
        handler.OnTimer(*due);
    }
    if (time > clock_) clock_ = time;
}

void HeadlessPlatform::Wait(EventHandler& handler, uint64_t until) {
    while (pad_.Steering() && clock_ + GamePad::kStepMs <= until && !quitRequested_) {
        AdvanceTo(handler, clock_ + GamePad::kStepMs);
        if (const std::optional<FramePoint> at = pad_.Step(clock_)) {
            handler.FormMouseMove(at->x, at->y);
        }
    }
    AdvanceTo(handler, until);
}

void HeadlessPlatform::Dispatch(EventHandler& handler, const Event& event) {
    const std::vector<int>& n = event.numbers;
    MouseButton button = MouseButton::Left;
    ParseButton(event.word, button);
    if (watcher_) watcher_->OnLoopProgress();
    // The pad steers on from wherever the mouse left the pointer.
    if (event.verb == "move" || event.verb == "down" || event.verb == "up" ||
        event.verb == "click" || event.verb == "drag") {
        pad_.PointerAt(n[n.size() - 2], n[n.size() - 1]);
    }
    if (event.verb == "wait") {
        Wait(handler, clock_ + static_cast<uint64_t>(n[0]));
    } else if (IsComfortVerb(event.verb)) {
        PlayComfortLine(event.comfort, pad_, handler);
    } else if (event.verb == "move") {
        handler.FormMouseMove(n[0], n[1]);
    } else if (event.verb == "down") {
        handler.FormMouseDown(button, n[0], n[1]);
    } else if (event.verb == "up") {
        handler.FormMouseUp(button, n[0], n[1]);
    } else if (event.verb == "click") {
        handler.FormMouseDown(button, n[0], n[1]);
        handler.FormMouseUp(button, n[0], n[1]);
    } else if (event.verb == "drag") {
        constexpr int kSteps = 8;
        handler.FormMouseDown(MouseButton::Left, n[0], n[1]);
        for (int step = 1; step <= kSteps; ++step) {
            handler.FormMouseMove(n[0] + (n[2] - n[0]) * step / kSteps,
                                  n[1] + (n[3] - n[1]) * step / kSteps);
        }
        handler.FormMouseUp(MouseButton::Left, n[2], n[3]);
    } else if (event.verb == "key") {
        handler.FormKeyDown(KeyCodeFromName(event.word));
        handler.FormKeyUp(KeyCodeFromName(event.word));
    } else if (event.verb == "shot") {
        std::string error;
        if (!WritePng(event.word, lastFrame_, error)) {
            LogError(origin_ + ":" + std::to_string(event.line) + ": " + error);
            succeeded_ = false;
        }
    } else if (event.verb == "state") {
        if (!handler.WriteStateDump(event.word)) succeeded_ = false;
    }
}

void HeadlessPlatform::Run(EventHandler& handler) {
    for (const Event& event : events_) {
        if (event.verb == "quit" || quitRequested_) return;
        Dispatch(handler, event);
    }
}

}  // namespace orvane
