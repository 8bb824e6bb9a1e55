#include "host/options.h"

#include "base/wall_time.h"

namespace orvane {

bool ParseLaunchOptions(const std::vector<std::string>& args, LaunchOptions& options,
                        std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](auto& into) {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = arg + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--game-dir") {
            if (!value(options.folders.gameDir)) return false;
        } else if (arg == "--cd-dir") {
            if (!value(options.folders.cdDir)) return false;
        } else if (arg == "--config") {
            if (!value(options.configFile)) return false;
        } else if (arg == "--events") {
            if (!value(options.eventsFile)) return false;
        } else if (arg == "--audio-out") {
            if (!value(options.audioOut)) return false;
        } else if (arg == "--clock") {
            std::string text;
            if (!value(text)) return false;
            options.clock = ParseWallTimeText(text);
            if (!options.clock) {
                error = "--clock wants a date and time as \"YYYY-MM-DD HH:MM:SS\", not \"" + text +
                        "\"";
                return false;
            }
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    if ((options.eventsFile || options.audioOut || options.clock) && !options.headless) {
        error = "--events, --audio-out and --clock work with --headless only";
        return false;
    }
    return true;
}

std::string UsageText() {
    return R"(Usage: orvane [OPTIONS]

Plays the game in the game folder: its scripts and pictures in "Orvane.pak" (or as loose files
beside it) and its voices in "Sounds.pak".

Options:
  --game-dir DIR   the game folder (default: "Path" of orvane.ini, else the current folder)
  --cd-dir DIR     the folder that holds "Sounds.pak" (default: "CD_Path" of orvane.ini,
                   else the game folder)
  --config FILE    read FILE instead of $XDG_CONFIG_HOME/orvane/orvane.ini
  --headless       run without a window or sound on a virtual clock, then exit
  --events FILE    with --headless: play the events of FILE (wait MS, move X Y, down/up/click
                   X Y [left|right|middle], drag X1 Y1 X2 Y2, key NAME, shot FILE.png,
                   state FILE, quit)
  --audio-out FILE with --headless: write the sound the game made as a WAV file
  --clock "YYYY-MM-DD HH:MM:SS"
                   with --headless: the wall clock at start (default: the real time), which
                   names saved games and seeds the random numbers
  --version        print the version
  -h, --help       print this help

orvane.ini holds lines "Path=DIR" and "CD_Path=DIR", and the player's volumes and full screen
("SoundVolume", "MusicVolume", "FullScreen"), which the game writes back when they change; with
--headless only a file named by --config is read for them or written. Saved games, screenshots
and the player's "triggers.scn" are kept in the game folder when it is writable, else in
$XDG_DATA_HOME/orvane/NAME-HASH (the game folder's name and a hash of its path).
F11 switches full screen on and off.
)";
}

}  // namespace orvane
