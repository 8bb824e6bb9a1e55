#include "render/step_pacer.h"

#include <algorithm>

namespace orvane {

void StepPacer::Wait(int ms) {
    thirds_ += 50;
    const long refresh = thirds_ / 3 - slept_;
    const long wait = std::max<long>(ms, refresh);
    platform_.Sleep(static_cast<int>(wait));
    slept_ += wait;
    // A long step starts the refresh count afresh.
    if (wait > refresh) thirds_ = slept_ * 3;
}

}  // namespace orvane
