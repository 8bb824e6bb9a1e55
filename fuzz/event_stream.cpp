#include "event_stream.h"

#include <algorithm>

namespace orvane::fuzz {
namespace {

constexpr int kFrameWidth = 1024;
constexpr int kFrameHeight = 768;

int Number(std::string_view bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]) | (static_cast<uint8_t>(bytes[at + 1]) << 8);
}

void Click(EventHandler& handler, MouseButton button, int x, int y) {
    handler.FormMouseDown(button, x, y);
    handler.FormMouseUp(button, x, y);
}

}  // namespace

std::string EncodeEvent(EventKind kind, int first, int second) {
    std::string bytes(kEventBytes, '\0');
    bytes[0] = static_cast<char>(kind);
    bytes[1] = static_cast<char>(first & 0xFF);
    bytes[2] = static_cast<char>((first >> 8) & 0xFF);
    bytes[3] = static_cast<char>(second & 0xFF);
    bytes[4] = static_cast<char>((second >> 8) & 0xFF);
    return bytes;
}

void PlayEvents(HeadlessPlatform& platform, EventHandler& handler, std::string_view stream) {
    uint64_t waited = 0;
    for (size_t at = 0, played = 0; at + kEventBytes <= stream.size() && played < kMaxEvents;
         at += kEventBytes, ++played) {
        const auto kind = static_cast<EventKind>(static_cast<uint8_t>(stream[at]) % kEventKinds);
        const int first = Number(stream, at + 1);
        const int x = first % kFrameWidth;
        const int y = Number(stream, at + 3) % kFrameHeight;
        switch (kind) {
            case EventKind::Wait: {
                const uint64_t ms =
                    std::min<uint64_t>(first % (kMaxWaitMs + 1), kMaxWaitedMs - waited);
                waited += ms;
                platform.AdvanceTo(handler, platform.Now() + ms);
                break;
            }
            case EventKind::Move:
                handler.FormMouseMove(x, y);
                break;
            case EventKind::LeftDown:
                handler.FormMouseDown(MouseButton::Left, x, y);
                break;
            case EventKind::LeftUp:
                handler.FormMouseUp(MouseButton::Left, x, y);
                break;
            case EventKind::LeftClick:
                Click(handler, MouseButton::Left, x, y);
                break;
            case EventKind::RightClick:
                Click(handler, MouseButton::Right, x, y);
                break;
            case EventKind::MiddleClick:
                Click(handler, MouseButton::Middle, x, y);
                break;
            case EventKind::Key:
                handler.FormKeyDown(first & 0xFF);
                break;
            case EventKind::Window:
                switch (first % 4) {
                    case 0:
                        handler.FormPaint();
                        break;
                    case 1:
                        handler.OnMinimize();
                        break;
                    case 2:
                        handler.OnRestore();
                        break;
                    default:
                        handler.OnFullscreenChanged(true);
                        break;
                }
                break;
        }
    }
}

std::string DefaultEvents() {
    std::string events;
    for (int i = 0; i < 6; ++i) {
        events += EncodeEvent(EventKind::Move, 500, 700);
        events += EncodeEvent(EventKind::LeftClick, 500, 700);
        events += EncodeEvent(EventKind::Wait, 700);
    }
    return events;
}

}  // namespace orvane::fuzz
