// The window timers: an interval and an enabled flag each, as window timers behave. Enabling a
// timer or changing its interval starts its count anew; a timer that fell behind fires once.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/events.h"

namespace orvane {

class TimerSet {
public:
    TimerSet();

    void SetInterval(TimerId id, int ms, uint64_t now);
    void SetEnabled(TimerId id, bool enabled, uint64_t now);
    int Interval(TimerId id) const { return slot(id).interval; }
    bool Enabled(TimerId id) const { return slot(id).enabled; }

    // The earliest enabled timer due at or before `limit`, ties in timer order.
    std::optional<TimerId> NextDue(uint64_t limit) const;
    // When the next enabled timer is due; nothing when none is enabled.
    std::optional<uint64_t> NextDueTime() const;
    // Records that `id` fired at `now`; its next turn comes one interval later.
    void MarkFired(TimerId id, uint64_t now);

private:
    struct Slot {
        int interval = 0;
        bool enabled = false;
        uint64_t due = 0;
    };
    Slot& slot(TimerId id) { return slots_[static_cast<int>(id)]; }
    const Slot& slot(TimerId id) const { return slots_[static_cast<int>(id)]; }
    std::array<Slot, kTimerCount> slots_;
};

}  // namespace orvane
