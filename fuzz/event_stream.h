// Input events as bytes, for the targets that drive the whole engine: five bytes to an event (a
// kind and two little-endian numbers), so that every byte string is a valid stream and a
// mutation changes one event, not the meaning of all that follow. A run is bounded in events and
// in virtual time, so that no input can keep the fuzzer waiting.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/events.h"
#include "platform/headless_platform.h"

namespace orvane::fuzz {

enum class EventKind : uint8_t {
    Wait,         // first number: milliseconds, at most kMaxWaitMs
    Move,         // x, y (taken modulo the 1024 x 768 frame)
    LeftDown,     // x, y
    LeftUp,       // x, y
    LeftClick,    // x, y
    RightClick,   // x, y
    Key,          // first number: the Windows key code (low byte)
    Window,       // first number: 0 paint, 1 minimise, 2 restore, 3 full screen switched
    MiddleClick,  // x, y
};
inline constexpr int kEventKinds = 9;
inline constexpr size_t kEventBytes = 5;
inline constexpr int kMaxEvents = 64;
inline constexpr int kMaxWaitMs = 1000;
// Waits beyond this much virtual time in all are cut short.
inline constexpr uint64_t kMaxWaitedMs = 8000;

std::string EncodeEvent(EventKind kind, int first = 0, int second = 0);

// Plays the stream on `platform` against `handler`; time passes only through the waits.
void PlayEvents(HeadlessPlatform& platform, EventHandler& handler, std::string_view stream);

// What the targets play when an input brings no events of its own: clicks through the dialogue
// with time for the animations between them.
std::string DefaultEvents();

}  // namespace orvane::fuzz
