#include "host/soak_guard.h"

#include <signal.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstring>

#include "host/event_record.h"

#if defined(__SANITIZE_ADDRESS__)
#define ORVANE_WITH_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANE_WITH_ASAN 1
#endif
#endif

#ifdef ORVANE_WITH_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

namespace orvane {
namespace {

constexpr int kWatchdogTickSeconds = 5;

const std::atomic<uint64_t>* gHeartbeat = nullptr;
uint64_t gLastBeat = 0;
int gQuietTicks = 0;
int gStuckTicks = 0;

void Say(const char* text) {
    size_t length = std::strlen(text);
    while (length > 0) {
        const ssize_t wrote = write(STDERR_FILENO, text, length);
        if (wrote <= 0) return;
        text += wrote;
        length -= static_cast<size_t>(wrote);
    }
}

// Only what a signal handler may call.
void Report(const char* reason) {
    Say("orvane: random play failed: ");
    Say(reason);
    if (EventRecord::Write()) {
        Say("\norvane: the events that lead there are in ");
        Say(EventRecord::file());
        Say("\n");
    } else {
        Say("\norvane: the events could not be written to ");
        Say(EventRecord::file());
        Say("\n");
    }
}

const char* SignalReason(int signal) {
    switch (signal) {
        case SIGSEGV: return "the engine crashed (SIGSEGV)";
        case SIGBUS: return "the engine crashed (SIGBUS)";
        case SIGFPE: return "the engine crashed (SIGFPE)";
        case SIGILL: return "the engine crashed (SIGILL)";
        case SIGABRT: return "the engine aborted (SIGABRT)";
        default: return "the engine was stopped by a signal";
    }
}

void OnFatalSignal(int signal) {
    Report(SignalReason(signal));
    _exit(1);
}

void OnWatchdogTick(int) {
    const uint64_t beat = gHeartbeat ? gHeartbeat->load() : 0;
    if (beat != gLastBeat) {
        gLastBeat = beat;
        gQuietTicks = 0;
        return;
    }
    if (++gQuietTicks < gStuckTicks) return;
    Report("one event has not returned for a long time of real time (an endless loop?)");
    _exit(1);
}

#ifdef ORVANE_WITH_ASAN
void OnSanitizerDeath() { Report("the sanitizer reported an error (see above)"); }
// The sanitizers catch these themselves, report, and call back.
constexpr int kFatalSignals[] = {SIGABRT, SIGILL};
#else
constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
#endif

void Handle(int signal, void (*handler)(int), int flags) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = flags;
    sigaction(signal, &action, nullptr);
}

}  // namespace

void SoakGuard::Install(const std::atomic<uint64_t>& heartbeat, int stuckSeconds) {
    static_assert(std::atomic<uint64_t>::is_always_lock_free);
    gHeartbeat = &heartbeat;
    gLastBeat = heartbeat.load();
    gQuietTicks = 0;
    gStuckTicks = (stuckSeconds + kWatchdogTickSeconds - 1) / kWatchdogTickSeconds;
    // A crash inside a handler must not come back into it.
    for (int signal : kFatalSignals) Handle(signal, OnFatalSignal, SA_RESETHAND | SA_NODEFER);
#ifdef ORVANE_WITH_ASAN
    __sanitizer_set_death_callback(OnSanitizerDeath);
#endif
    // Interrupted reads and writes of the engine start again.
    Handle(SIGALRM, OnWatchdogTick, SA_RESTART);
    itimerval tick{};
    tick.it_interval.tv_sec = kWatchdogTickSeconds;
    tick.it_value.tv_sec = kWatchdogTickSeconds;
    setitimer(ITIMER_REAL, &tick, nullptr);
}

void SoakGuard::Remove() {
    itimerval off{};
    setitimer(ITIMER_REAL, &off, nullptr);
    Handle(SIGALRM, SIG_DFL, 0);
    for (int signal : kFatalSignals) Handle(signal, SIG_DFL, 0);
    // The sanitizer's callback stays: a leak found at exit belongs to the run too.
    gHeartbeat = nullptr;
}

void SoakGuard::Fail(const char* reason) {
    Report(reason);
    _exit(1);
}

}  // namespace orvane
