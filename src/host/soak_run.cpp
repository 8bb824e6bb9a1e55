#include "host/soak_run.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "base/log.h"
#include "base/process_usage.h"
#include "base/wall_time.h"
#include "host/engine.h"
#include "host/event_record.h"
#include "host/random_player.h"
#include "host/soak_guard.h"
#include "platform/headless_platform.h"
#include "shell/save_folder.h"

namespace orvane {
namespace {

// An engine that neither presents nor gets back to its event loop for this long of virtual time
// is waiting in a loop it will not leave.
constexpr uint64_t kStallMs = 60'000;
// Real time one event may take, even under the sanitizers, before it counts as endless.
constexpr int kStuckRealSeconds = 120;
constexpr int64_t kMemorySampleMs = 600'000;

std::atomic<uint64_t> gHeartbeat{0};

// Tells an engine that sleeps on and on from one that plays.
class StallWatch : public HeadlessPlatform::Watcher {
public:
    explicit StallWatch(const HeadlessPlatform& platform) : platform_(platform) {}
    void OnLoopProgress() override {
        progressClock_ = platform_.Now();
        gHeartbeat.fetch_add(1, std::memory_order_relaxed);
    }
    void OnEngineSlept() override {
        if (platform_.Now() - progressClock_ >= kStallMs) {
            SoakGuard::Fail("the engine waited a virtual minute without presenting a frame "
                            "or getting back to its event loop");
        }
    }

private:
    const HeadlessPlatform& platform_;
    uint64_t progressClock_ = 0;
};

std::string Megabytes(std::optional<uint64_t> bytes) {
    if (!bytes) return "?";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(*bytes) / (1 << 20));
    return text;
}

std::string Count(std::optional<int> value) { return value ? std::to_string(*value) : "?"; }

// Files of the save folder, by name.
std::vector<std::string> SaveFolderFiles(const GameFolders& folders) {
    std::vector<std::string> names;
    // The engine makes the folder at start-up anyway.
    const std::optional<std::filesystem::path> folder = PrepareSaveFolder(folders.playerDir);
    if (!folder) return names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(*folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    return names;
}

bool IsSaveName(std::string name) {
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return name.find(".sav") != std::string::npos;
}

std::string ReplayHeader(const SoakSettings& settings, int session, int64_t clockStart) {
    const WallTime clock = WallTimeFromUtcSeconds(clockStart);
    char when[32];
    std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d:%02d", clock.year, clock.month,
                  clock.day, clock.hour, clock.minute, clock.second);
    return "# Random play, seed " + std::to_string(settings.seed) + ", run " +
           std::to_string(session) + " of the game. It replays from the player's files as they\n"
           "# were when that run started:\n# orvane --headless --game-dir '" +
           settings.folders.gameDir.string() + "' --clock \"" + when + "\" --events FILE\n";
}

enum class SessionEnd { TimeUp, GameQuit, StartFailed };

}  // namespace

int RunSoak(const SoakSettings& settings) {
    const auto realStart = std::chrono::steady_clock::now();
    const std::optional<int> fdsAtStart = OpenFileDescriptors();
    const std::optional<uint64_t> memoryAtStart = ResidentBytes();
    const std::vector<std::string> savesAtStart = SaveFolderFiles(settings.folders);

    const std::filesystem::path eventFile =
        settings.keepEvents.value_or(settings.folders.playerDir /
                                     ("soak-" + std::to_string(settings.seed) + ".events"));
    EventRecord::SetFile(eventFile.string());
    SoakGuard::Install(gHeartbeat, kStuckRealSeconds);

    RandomPlayer player(settings.seed);
    const uint64_t totalMs = static_cast<uint64_t>(settings.seconds) * 1000;
    uint64_t elapsedMs = 0;  // of all runs of the game before the current one
    int64_t nextSample = kMemorySampleMs;
    std::vector<std::string> samples;
    int sessions = 0;
    SessionEnd end = SessionEnd::TimeUp;
    do {
        ++sessions;
        HeadlessPlatform platform;
        const int64_t clockStart = settings.wallClockStart + static_cast<int64_t>(elapsedMs / 1000);
        platform.SetWallClockStart(clockStart);
        StallWatch watch(platform);
        platform.SetWatcher(&watch);
        EventRecord::Restart(ReplayHeader(settings, sessions, clockStart));

        Engine engine(platform, settings.folders);
        engine.settingsFile = settings.settingsFile;
        end = SessionEnd::TimeUp;
        if (!engine.Start()) {
            end = SessionEnd::StartFailed;
        } else {
            std::string error;
            while (elapsedMs + platform.Now() < totalMs) {
                if (platform.quitRequested()) {
                    end = SessionEnd::GameQuit;
                    break;
                }
                const std::string line = player.NextLine(totalMs - elapsedMs - platform.Now());
                if (!EventRecord::Append(line)) {
                    LogError("random play: the record of events is full; the run ends here");
                    break;
                }
                gHeartbeat.fetch_add(1, std::memory_order_relaxed);
                if (!platform.PlayLine(engine, line, error)) SoakGuard::Fail(error.c_str());
                while (static_cast<int64_t>(elapsedMs + platform.Now()) >= nextSample) {
                    samples.push_back(std::to_string(nextSample / 60'000) + " min " +
                                      Megabytes(ResidentBytes()));
                    nextSample += kMemorySampleMs;
                }
            }
        }
        if (end != SessionEnd::GameQuit && settings.stateOut &&
            !engine.WriteStateDump(settings.stateOut->string())) {
            SoakGuard::Fail("the state dump could not be written");
        }
        engine.FormDestroy();
        elapsedMs += platform.Now();
        platform.SetWatcher(nullptr);
    } while (end == SessionEnd::GameQuit);
    SoakGuard::Remove();

    if (end == SessionEnd::StartFailed) SoakGuard::Fail("the game did not start");
    if (settings.keepEvents && !EventRecord::Write()) {
        std::fprintf(stderr, "orvane: the events could not be written to %s\n",
                     eventFile.c_str());
        return 1;
    }

    const double realSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - realStart).count();
    const double virtualSeconds = static_cast<double>(elapsedMs) / 1000;
    const std::optional<int> fdsAtEnd = OpenFileDescriptors();
    const std::optional<uint64_t> memoryAtEnd = ResidentBytes();
    const std::vector<std::string> savesAtEnd = SaveFolderFiles(settings.folders);
    std::vector<std::string> strays;
    int newSaves = 0;
    for (const std::string& name : savesAtEnd) {
        bool old = false;
        for (const std::string& before : savesAtStart) old = old || before == name;
        if (old) continue;
        if (IsSaveName(name)) ++newSaves;
        else strays.push_back(name);
    }
    // Saves are named after the minute of the clock, so a run cannot add more than one a minute.
    const int saveBound = static_cast<int>(elapsedMs / 60'000) + sessions;

    std::printf("virtual time %.1f s, real time %.1f s, %.0f virtual seconds per real second\n",
                virtualSeconds, realSeconds, realSeconds > 0 ? virtualSeconds / realSeconds : 0.0);
    std::printf("runs of the game %d (seed %llu)\n", sessions,
                static_cast<unsigned long long>(settings.seed));
    std::printf("memory %s at start, %s at end", Megabytes(memoryAtStart).c_str(),
                Megabytes(memoryAtEnd).c_str());
    for (const std::string& sample : samples) std::printf("; %s", sample.c_str());
    std::printf("\nfile descriptors %s at start, %s at end\n", Count(fdsAtStart).c_str(),
                Count(fdsAtEnd).c_str());
    std::printf("save folder %zu files at start, %zu at end, %d new saves\n", savesAtStart.size(),
                savesAtEnd.size(), newSaves);

    int status = 0;
    if (fdsAtStart && fdsAtEnd && *fdsAtEnd > *fdsAtStart) {
        std::fprintf(stderr, "orvane: random play left %d file descriptors open\n",
                     *fdsAtEnd - *fdsAtStart);
        status = 1;
    }
    if (newSaves > saveBound) {
        std::fprintf(stderr, "orvane: random play added %d saves in %d minutes of play\n", newSaves,
                     saveBound - sessions);
        status = 1;
    }
    for (const std::string& name : strays) {
        std::fprintf(stderr, "orvane: random play left \"%s\" in the save folder\n", name.c_str());
        status = 1;
    }
    if (status != 0 && EventRecord::Write()) {
        std::fprintf(stderr, "orvane: the events of the last run are in %s\n", eventFile.c_str());
    }
    return status;
}

}  // namespace orvane
