// Paces effects that present one step at a time: every step lasts at least one display refresh
// (1/60 s), so an effect takes as long on a fast machine as on the slow ones it was made on.
#pragma once

#include "platform/platform.h"

namespace orvane {

class StepPacer {
public:
    explicit StepPacer(Platform& platform) : platform_(platform) {}

    // Waits `ms` milliseconds, or until the next refresh when that is later.
    void Wait(int ms);

private:
    Platform& platform_;
    long thirds_ = 0;  // refresh time so far, in thirds of a millisecond (a refresh is 50)
    long slept_ = 0;   // milliseconds slept so far
};

}  // namespace orvane
