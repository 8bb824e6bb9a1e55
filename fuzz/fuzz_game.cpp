#include "fuzz_game.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "archive/pak_format.h"
#include "base/files.h"
#include "event_stream.h"
#include "picture_encoding.h"
#include "pictures.h"
#include "pointer.h"
#include "scratch_folder.h"
#include "script_source.h"
#include "support/game_folder.h"

namespace orvane::fuzz {
namespace {

// The clock of every run: the random numbers of the card deal and the code puzzle follow it.
constexpr int64_t kWallClock = 1796703840;

constexpr const char* kDemoScripts[] = {
    "master.scn",    "objects.scn", "code.scn",         "playlist.scn",
    "triggers.scn",  "gallery.scn", "default_text.scn", "names.scn",
    "interface.scn", "menus.scn",   "default.scn",
};

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "orvane fuzz: cannot build the game: %s\n", why.c_str());
    std::abort();
}

// Draws the pictures and packs them with the scripts into `folder`.
bool WriteGame(const std::filesystem::path& folder, std::string& error) {
    testing::GameArchive archive;
    for (const demo::DemoPicture& picture : demo::DemoPictures()) {
        std::string bytes = demo::EncodePicture(picture.draw(), picture.format);
        if (bytes.empty()) {
            error = "cannot encode " + std::string(picture.file);
            return false;
        }
        archive.Entry(std::string(picture.file), std::move(bytes));
    }
    for (const char* name : kDemoScripts) {
        std::string stored;
        std::ifstream in(std::filesystem::path(ORVANE_DEMO_SCRIPTS) / name, std::ios::binary);
        std::ostringstream source;
        source << in.rdbuf();
        if (!in) {
            error = std::string("cannot read the demo's ") + name;
            return false;
        }
        if (!pak_tool::PrepareScriptForPak(source.str(), name, stored, error)) return false;
        archive.Entry(name, std::move(stored));
    }
    std::filesystem::create_directories(folder);
    try {
        archive.WriteTo(folder / "Orvane.pak");
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    return WriteFileAtomic(folder / demo::kPointerFile,
                           demo::EncodeCursor(demo::DrawPointer(), 1, 1), error);
}

std::filesystem::path BuildGameFolder() {
    const std::filesystem::path folder = FreshScratchFolder("game");
    const std::filesystem::path cache = ORVANE_FUZZ_GAME_CACHE;
    std::error_code ec;
    if (std::filesystem::is_regular_file(cache / "Orvane.pak", ec) &&
        std::filesystem::is_regular_file(cache / demo::kPointerFile, ec)) {
        // Linked, not copied: the loose files a target writes stay in its own folder.
        std::filesystem::create_symlink(cache / "Orvane.pak", folder / "Orvane.pak");
        std::filesystem::create_symlink(cache / demo::kPointerFile, folder / demo::kPointerFile);
        return folder;
    }
    std::string error;
    if (!WriteGame(folder, error)) Fail(error);
    return folder;
}

}  // namespace

const std::filesystem::path& GameFolder() {
    static const std::filesystem::path* const folder = new std::filesystem::path(BuildGameFolder());
    return *folder;
}

bool WriteGameCache(std::string& error) {
    return WriteGame(ORVANE_FUZZ_GAME_CACHE, error);
}

std::string DemoScript(std::string_view name) {
    std::ifstream in(std::filesystem::path(ORVANE_DEMO_SCRIPTS) / name, std::ios::binary);
    std::ostringstream source;
    source << in.rdbuf();
    std::string stored, error;
    if (!in || !pak_tool::PrepareScriptForPak(source.str(), name, stored, error)) return {};
    // A loose file holds the bytes as they are, not shifted as in the archive.
    return DecodeScriptBytes(stored);
}

EngineRun::EngineRun() : player_(FreshScratchFolder("player")) {
    platform.SetWallClockStart(kWallClock);
    engine.emplace(platform, GameFolders{GameFolder(), GameFolder(), player_});
}

EngineRun::~EngineRun() {
    engine->FormDestroy();
}

bool EngineRun::Start() {
    return engine->Start();
}

void EngineRun::Play(std::string_view events) {
    PlayEvents(platform, *engine, events);
    const std::string dump = engine->StateDumpText();
    if (dump.empty()) std::abort();  // never: the dump always has its keys
}

}  // namespace orvane::fuzz
