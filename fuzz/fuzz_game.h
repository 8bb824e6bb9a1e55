// The game that the targets running the whole engine play: the demo game, its pictures drawn and
// its scripts packed in memory once per process, as the build would pack them. Each run starts
// an engine of its own on it, with an empty player folder and a fixed clock, so that an input
// plays the same way every time.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "host/engine.h"
#include "platform/headless_platform.h"

namespace orvane::fuzz {

// The game folder with "Orvane.pak" and the pointer; loose files a target writes there win over
// the archive's. The folder is the process's own; the archive and the pointer are those that
// WriteGameCache() left, or drawn anew when there are none.
const std::filesystem::path& GameFolder();

// Draws and packs the game into the cache folder of the build (fuzz_seeds does, before the
// targets run), so that each target does not spend its first seconds drawing.
bool WriteGameCache(std::string& error);

// A demo script as the engine reads it from a loose file: Windows-1251, CR LF. Empty when the
// demo has no such file.
std::string DemoScript(std::string_view name);

class EngineRun {
public:
    EngineRun();
    ~EngineRun();
    EngineRun(const EngineRun&) = delete;
    EngineRun& operator=(const EngineRun&) = delete;

    // Start-up, which runs the script up to its first wait. False when the engine did not start.
    bool Start();
    // Plays an event stream (event_stream.h), then reads the state dump, which walks every list
    // that the run may have filled.
    void Play(std::string_view events);

    const std::filesystem::path& playerFolder() const { return player_; }

    HeadlessPlatform platform;
    std::optional<Engine> engine;

private:
    std::filesystem::path player_;
};

}  // namespace orvane::fuzz
