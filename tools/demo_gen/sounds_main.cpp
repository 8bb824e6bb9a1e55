// orvane-demo-sounds: writes the demo game's music and voices, from which the build fills the
// game folder (the music) and packs Sounds.pak (the voices).
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/files.h"
#include "music.h"
#include "phone_sounds.h"
#include "voices.h"

extern char** environ;

namespace {

using namespace orvane;
namespace fs = std::filesystem;

constexpr char kUsage[] =
    "Usage: orvane-demo-sounds music DIR\n"
    "       orvane-demo-sounds voices LIST DIR [--espeak PROGRAM]\n"
    "Writes the demo game's music tracks and the phone game's sounds, or one wave file for\n"
    "every line of the voice list, into DIR. With --espeak, PROGRAM (espeak-ng) speaks each\n"
    "line; a line it cannot speak, and every line without it, gets a tone pattern instead.\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "orvane-demo-sounds: %s\n", message.c_str());
    return 1;
}

bool MakeFolder(const fs::path& folder, std::string& error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (fs::is_directory(folder, ec)) return true;
    error = "cannot create the folder " + folder.string();
    return false;
}

int WriteMusic(const fs::path& folder) {
    std::string error;
    if (!MakeFolder(folder, error)) return Fail(error);
    for (const demo::DemoTrack& track : demo::DemoTracks()) {
        if (!WriteFileAtomic(folder / track.file, demo::WaveFile16(track.compose()), error)) {
            return Fail(error);
        }
    }
    // The phone game plays its sounds from the game folder too.
    for (const demo::PhoneSound& sound : demo::PhoneSounds()) {
        if (!WriteFileAtomic(folder / sound.file, demo::WaveFile16(sound.compose()), error)) {
            return Fail(error);
        }
    }
    return 0;
}

// Runs espeak-ng on one line; true when it wrote something that starts like a wave file with
// samples in it.
bool Speak(const std::string& program, const demo::VoiceLine& line, const fs::path& file) {
    std::vector<std::string> words = {program, "-v", line.voice, "-w", file.string(), line.text};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return false;
    }
    std::string bytes, error;
    return ReadFileBounded(file, kMaxFileBytes, bytes, error) &&
           bytes.size() > demo::kWaveHeaderBytes && bytes.starts_with("RIFF") &&
           bytes.compare(8, 4, "WAVE") == 0;
}

int WriteVoices(const fs::path& listFile, const fs::path& folder, const std::string& espeak) {
    std::string list, error;
    if (!ReadFileBounded(listFile, kMaxFileBytes, list, error)) return Fail(error);
    std::vector<demo::VoiceLine> lines;
    if (!demo::ParseVoiceList(list, lines, error)) return Fail(listFile.string() + ": " + error);
    if (!MakeFolder(folder, error)) return Fail(error);
    for (const demo::VoiceLine& line : lines) {
        const fs::path file = folder / line.file;
        if (!espeak.empty()) {
            if (Speak(espeak, line, file)) continue;
            std::fprintf(stderr, "orvane-demo-sounds: %s could not speak %s; a tone stands in\n",
                         espeak.c_str(), line.file.c_str());
        }
        if (!WriteFileAtomic(file, demo::ToneVoiceFile(line), error)) return Fail(error);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (args.size() == 2 && args[0] == "music") return WriteMusic(args[1]);
    if (args.size() == 3 && args[0] == "voices") return WriteVoices(args[1], args[2], "");
    if (args.size() == 5 && args[0] == "voices" && args[3] == "--espeak") {
        return WriteVoices(args[1], args[2], args[4]);
    }
    std::fputs(kUsage, stderr);
    return 2;
}
