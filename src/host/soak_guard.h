// What ends a random-play run that went wrong: a fatal signal, a sanitizer report, an event
// that never returns. Each writes the event record (event_record.h), names its file on stderr
// and ends the process with status 1.
#pragma once

#include <atomic>
#include <cstdint>

namespace orvane {

class SoakGuard {
public:
    // Catches fatal signals (those a sanitizer reports on its own are left to it, which then
    // calls back here) and starts a real-time watchdog: when `heartbeat` stays unchanged for
    // `stuckSeconds` of real time, the engine is taken to be stuck in an endless loop.
    static void Install(const std::atomic<uint64_t>& heartbeat, int stuckSeconds);
    // Stops the watchdog and gives the signals back to their defaults.
    static void Remove();
    // Ends the run now for `reason`: writes the record, says so, exits with status 1.
    [[noreturn]] static void Fail(const char* reason);
};

}  // namespace orvane
