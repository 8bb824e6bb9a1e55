#include "host/options.h"

#include "base/decimal.h"
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
        } else if (arg == "--soak" || arg == "--seed") {
            std::string text;
            if (!value(text)) return false;
            const std::optional<int32_t> number = ParseDecimal(text);
            if (!number || *number < 0 || text.find_first_not_of("0123456789") != std::string::npos) {
                error = arg + " wants a whole number of zero or more, not \"" + text + "\"";
                return false;
            }
            if (arg == "--soak") options.soakSeconds = *number;
            else options.seed = static_cast<uint64_t>(*number);
        } else if (arg == "--keep-events") {
            if (!value(options.keepEvents)) return false;
        } else if (arg == "--state-out") {
            if (!value(options.stateOut)) return false;
        } else if (arg == "--scaling" || arg == "--renderer" || arg == "--audio-buffer") {
            std::string text;
            if (!value(text)) return false;
            bool understood = false;
            if (arg == "--scaling") {
                options.scaling = ParseFrameScaling(text);
                understood = options.scaling.has_value();
            } else if (arg == "--renderer") {
                options.renderer = ParseRendererChoice(text);
                understood = options.renderer.has_value();
            } else {
                options.audioBufferFrames = ParseAudioBufferFrames(text);
                understood = options.audioBufferFrames.has_value();
            }
            if (!understood) {
                error = arg + " wants " +
                        (arg == "--scaling"    ? "smooth or sharp"
                         : arg == "--renderer" ? "auto, gpu or software"
                                               : "a number of frames from 64 to 8192") +
                        ", not \"" + text + "\"";
                return false;
            }
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    if ((options.eventsFile || options.audioOut || options.clock || options.soakSeconds ||
         options.stateOut) &&
        !options.headless) {
        error = "--events, --soak, --audio-out, --clock and --state-out work with --headless only";
        return false;
    }
    if (options.soakSeconds && (options.eventsFile || options.audioOut)) {
        error = "--soak plays by itself: it takes neither --events nor --audio-out";
        return false;
    }
    if ((options.seed || options.keepEvents) && !options.soakSeconds) {
        error = "--seed and --keep-events go with --soak";
        return false;
    }
    return true;
}

std::string UsageText() {
    return R"(Usage: orvane [OPTIONS]

Plays the game in the game folder: its scripts and pictures in "Orvane.pak" (or as loose files
beside it) and its voices in "Sounds.pak".

Options:
  --game-dir DIR   the game folder (default: "Path" of orvane.ini, else the current folder
                   when it holds a game, else the demo installed with orvane)
  --cd-dir DIR     the folder that holds "Sounds.pak" (default: "CD_Path" of orvane.ini,
                   else the game folder)
  --config FILE    read FILE instead of $XDG_CONFIG_HOME/orvane/orvane.ini
  --headless       run without a window or sound on a virtual clock, then exit
  --events FILE    with --headless: play the events of FILE (wait MS, move X Y, down/up/click
                   X Y [left|right|middle], drag X1 Y1 X2 Y2, key NAME, shot FILE.png,
                   state FILE, quit)
  --soak SECONDS   with --headless: play the game with random input for SECONDS of virtual
                   time; a crash, a sanitizer report, an endless loop or a leaked file
                   descriptor ends it with status 1 and the events that lead there written
                   beside the player's files; else it prints the virtual and real time taken
  --seed N         the random input of --soak (default 1)
  --keep-events FILE
                   with --soak: write its events to FILE, also when nothing went wrong
  --state-out FILE with --headless: write the state dump when the run ends
  --audio-out FILE with --headless: write the sound the game made as a WAV file
  --clock "YYYY-MM-DD HH:MM:SS"
                   with --headless: the wall clock at start (default: the real time), which
                   names saved games and seeds the random numbers
  --scaling smooth|sharp
                   how the frame fills a larger window: smooth (filtered, the default) or
                   sharp (whole-number steps where the window allows, unfiltered)
  --renderer auto|gpu|software
                   what draws the window: auto (the default) takes the graphics card unless
                   its OpenGL runs on the processor anyway
  --audio-buffer FRAMES
                   the sound device's buffer, 64 to 8192 frames (default: about 20 ms);
                   smaller answers sooner, larger stops crackling on a busy machine
  --version        print the version
  -h, --help       print this help

orvane.ini holds lines "Path=DIR" and "CD_Path=DIR", and the player's volumes and full screen
("SoundVolume", "MusicVolume", "FullScreen"), which the game writes back when they change; with
--headless only a file named by --config is read for them or written. "Scaling=", "Renderer=" and
"Audio_Buffer=" there are the defaults of the three options above; the window's size is kept
in "WindowWidth" and "WindowHeight". Saved games, screenshots
and the player's "triggers.scn" are kept in the game folder when it is writable, else in
$XDG_DATA_HOME/orvane/NAME-HASH (the game folder's name and a hash of its path).
F11 switches full screen on and off.
)";
}

DisplaySettings WithDisplayOptions(const LaunchOptions& options, DisplaySettings fromFile,
                                   const std::filesystem::path& settingsFile) {
    if (options.scaling) fromFile.scaling = *options.scaling;
    if (options.renderer) fromFile.renderer = *options.renderer;
    if (options.audioBufferFrames) fromFile.audioBufferFrames = *options.audioBufferFrames;
    fromFile.settingsFile = settingsFile;
    return fromFile;
}

}  // namespace orvane
