#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "host/engine.h"
#include "host/installed_demo.h"
#include "host/options.h"
#include "host/soak_run.h"
#include "platform/headless_platform.h"
#include "platform/sdl_platform.h"

namespace {

constexpr int kExitStartFailed = 1;
constexpr int kExitUsage = 2;

}  // namespace

int main(int argc, char** argv) {
    using namespace orvane;
    LaunchOptions options;
    std::string error;
    if (!ParseLaunchOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "orvane: %s\nTry 'orvane --help'.\n", error.c_str());
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::puts("orvane 0.1.0");
        return 0;
    }

    auto getenv = [](const char* name) { return std::getenv(name); };
    const std::filesystem::path configFile = options.configFile.value_or(DefaultConfigFile(getenv));
    const ConfigValues config = ReadConfigFile(configFile);
    std::error_code ec;
    PlayInstalledDemoWhenNoGame(config, options.folders, std::filesystem::current_path(ec),
                                argv[0]);
    const GameFolders folders = ResolveGameFolders(config, options.folders,
                                                   std::filesystem::current_path(ec),
                                                   DefaultPlayerDataDir(getenv));
    if (!std::filesystem::is_directory(folders.gameDir, ec)) {
        std::fprintf(stderr, "orvane: the game folder %s does not exist\n",
                     folders.gameDir.c_str());
        return kExitStartFailed;
    }

    if (options.soakSeconds) {
        SoakSettings soak;
        soak.folders = folders;
        if (options.configFile) soak.settingsFile = configFile;
        soak.seconds = *options.soakSeconds;
        soak.seed = options.seed.value_or(1);
        // A clock fixed at start, so that the events written replay with the same clock.
        soak.wallClockStart = options.clock.value_or(RealLocalTimeAsUtc());
        soak.keepEvents = options.keepEvents;
        soak.stateOut = options.stateOut;
        return RunSoak(soak);
    }

    std::unique_ptr<Platform> platform;
    HeadlessPlatform* headless = nullptr;
    if (options.headless) {
        auto backend = std::make_unique<HeadlessPlatform>();
        headless = backend.get();
        if (options.eventsFile && !backend->LoadEvents(*options.eventsFile, error)) {
            std::fprintf(stderr, "orvane: %s\n", error.c_str());
            return kExitUsage;
        }
        if (options.audioOut) backend->recordingAudio().StartRecording(*options.audioOut);
        if (options.clock) backend->SetWallClockStart(*options.clock);
        platform = std::move(backend);
    } else {
        platform = std::make_unique<SdlPlatform>(
            WithDisplayOptions(options, ReadDisplaySettings(configFile), configFile));
    }

    Engine engine(*platform, folders);
    // A headless run keeps settings only in a file named for it, so that it neither depends on
    // nor changes the player's own.
    if (!options.headless || options.configFile) engine.settingsFile = configFile;
    if (!engine.Start()) {
        engine.FormDestroy();
        return kExitStartFailed;
    }
    platform->Run(engine);
    if (options.stateOut && !engine.WriteStateDump(options.stateOut->string())) {
        engine.FormDestroy();
        return kExitStartFailed;
    }
    engine.FormDestroy();
    if (headless && options.audioOut && !headless->recordingAudio().StopRecording(error)) {
        std::fprintf(stderr, "orvane: %s\n", error.c_str());
        return kExitStartFailed;
    }
    if (headless && !headless->succeeded()) return kExitStartFailed;
    return 0;
}
