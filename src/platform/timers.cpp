#include "platform/timers.h"

#include <algorithm>

namespace orvane {

TimerSet::TimerSet() {
    // The intervals of the window definition, then the skip pace; every timer starts disabled.
    constexpr int kDefaults[kTimerCount] = {50, 50, 50, 1000, 750, 1000, 500, 100};
    for (int i = 0; i < kTimerCount; ++i) slots_[i].interval = kDefaults[i];
}

void TimerSet::SetInterval(TimerId id, int ms, uint64_t now) {
    Slot& s = slot(id);
    // Setting the interval a timer already has does not restart its count.
    if (s.interval == std::max(ms, 0)) return;
    s.interval = std::max(ms, 0);
    s.due = now + static_cast<uint64_t>(std::max(s.interval, 1));
}

void TimerSet::SetEnabled(TimerId id, bool enabled, uint64_t now) {
    Slot& s = slot(id);
    if (enabled && !s.enabled) s.due = now + static_cast<uint64_t>(std::max(s.interval, 1));
    s.enabled = enabled;
}

std::optional<TimerId> TimerSet::NextDue(uint64_t limit) const {
    std::optional<TimerId> best;
    uint64_t bestDue = 0;
    for (int i = 0; i < kTimerCount; ++i) {
        const Slot& s = slots_[i];
        // A window timer with interval 0 never fires.
        if (!s.enabled || s.interval <= 0 || s.due > limit) continue;
        if (!best || s.due < bestDue) {
            best = static_cast<TimerId>(i);
            bestDue = s.due;
        }
    }
    return best;
}

std::optional<uint64_t> TimerSet::NextDueTime() const {
    std::optional<uint64_t> best;
    for (const Slot& s : slots_) {
        if (s.enabled && s.interval > 0 && (!best || s.due < *best)) best = s.due;
    }
    return best;
}

void TimerSet::MarkFired(TimerId id, uint64_t now) {
    Slot& s = slot(id);
    // A timer that fell behind fires once, not once for every missed interval.
    s.due = std::max(s.due, now) + static_cast<uint64_t>(std::max(s.interval, 1));
}

}  // namespace orvane
