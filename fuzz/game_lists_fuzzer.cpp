// The small list files of a game and the player's settings file, each through the reader the
// engine uses on it. The first byte chooses the file (ListFile below), the rest is its text.
// Every field a reader hands back is read byte by byte, so that one that points past its line
// shows under AddressSanitizer; what is written back must read back the same.

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string>

#include "base/files.h"
#include "base/text.h"
#include "input_parts.h"
#include "platform/config.h"
#include "platform/headless_platform.h"
#include "scratch_folder.h"
#include "script/game_state.h"
#include "script/stage.h"
#include "script/text_commands.h"
#include "shell/gallery_entries.h"
#include "shell/section_files.h"

namespace {

using namespace orvane;

enum class ListFile {
    Settings,      // orvane.ini
    Catalogue,     // objects.scn
    Menus,         // menus.scn
    Interface,     // interface.scn
    Gallery,       // gallery.scn
    TextDefaults,  // default_text.scn
    Names,         // names.scn
    Count,
};

volatile uint8_t sink;

// Sections and names looked up per input: each lookup reads the list from the top, and a long
// input of short lines would otherwise cost the square of its length.
constexpr size_t kMaxLookups = 16;

// The first lines of `lines`, as many as are looked up.
std::span<const std::string> Lookups(const StringList& lines) {
    return std::span(lines).first(std::min(lines.size(), kMaxLookups));
}

void Touch(std::string_view text) {
    uint8_t sum = 0;
    for (char c : text) sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
    sink = sum;
}

void Require(bool holds) {
    if (!holds) std::abort();
}

void FuzzSettings(std::string_view text) {
    const std::filesystem::path file = fuzz::ScratchFolder() / kConfigFileName;
    fuzz::WriteWholeFile(file, text);
    const ConfigValues before = ReadConfigFile(file);
    Touch(before.path.value_or(""));
    Touch(before.cdPath.value_or(""));
    const PlayerSettings read = ReadPlayerSettings(file);
    Require(read.soundVolume >= -1 && read.soundVolume <= 9);
    Require(read.musicVolume >= -1 && read.musicVolume <= 9);
    // The options screen writes its levels back; the folders must stay as the file named them.
    const PlayerSettings changed{(read.soundVolume + 3) % 11 - 1, -1, !read.fullscreen};
    std::string error;
    if (!WritePlayerSettings(file, changed, error)) return;
    Require(ReadPlayerSettings(file) == changed);
    const ConfigValues after = ReadConfigFile(file);
    Require(after.path == before.path && after.cdPath == before.cdPath);
}

void FuzzCatalogue(const StringList& lines) {
    for (const std::string& line : Lookups(lines)) {
        const size_t colon = line.find(':');
        const std::optional<std::string> file = CatalogFile(lines, line.substr(0, colon));
        // Every line that holds a colon names a picture; the first of that name wins.
        Require(file.has_value() || colon == std::string::npos);
        Touch(file.value_or(""));
    }
    Touch(CatalogFile(lines, "bg_room").value_or(""));
}

void FuzzMenus(const StringList& lines) {
    size_t looked = 0;
    for (const std::string& line : lines) {
        if (looked == kMaxLookups) break;
        // Each " NAME;" on a line may start a section.
        const size_t semicolon = line.find(';');
        if (semicolon == std::string::npos) continue;
        const size_t blank = line.rfind(' ', semicolon);
        if (blank == std::string::npos) continue;
        const std::string name = line.substr(blank + 1, semicolon - blank - 1);
        ++looked;
        const std::optional<MenuSection> section = FindMenuSection(lines, name);
        if (!section) continue;
        Require(section->header < lines.size() && section->firstEntry <= section->end &&
                section->end <= lines.size());
        Touch(section->background);
        for (size_t at = section->firstEntry; at < section->end; ++at) {
            const std::optional<MenuEntryLine> entry = ParseMenuEntryLine(lines[at]);
            if (!entry) continue;
            Touch(entry->picture);
            const std::optional<MenuEntry> again = MenuEntry::Parse(entry->entry.Format());
            // The menu's record is what a saved game keeps: it must read back as it was.
            Require(again && again->name == entry->entry.name && again->x1 == entry->entry.x1 &&
                    again->y1 == entry->entry.y1 && again->x2 == entry->entry.x2 &&
                    again->y2 == entry->entry.y2 && again->action == entry->entry.action);
        }
    }
}

void FuzzInterface(const StringList& lines) {
    for (const std::string& line : Lookups(lines)) {
        const std::string name = line.substr(0, line.find(' '));
        const std::optional<InterfaceSection> section = FindInterfaceSection(lines, name);
        if (!section) continue;
        Require(section->header < section->end && section->end <= lines.size());
        for (size_t at = section->header + 1; at < section->end; ++at) {
            const std::optional<InterfaceItemLine> item = ParseInterfaceItemLine(lines[at]);
            if (!item) continue;
            for (const std::string* field :
                 {&item->name, &item->x, &item->y, &item->flag, &item->rest}) {
                Touch(*field);
            }
        }
    }
}

void FuzzGallery(const StringList& lines) {
    for (const GalleryEntry& entry : ReadGalleryEntries(lines)) {
        Require(!entry.picture.empty());
        Touch(entry.trigger);
        Touch(entry.picture);
    }
}

// The text defaults go into a game's text settings; one game serves every input.
GameState& Game() {
    static HeadlessPlatform* const platform = new HeadlessPlatform;
    static GameState* const game = new GameState(*platform, GameFolders{});
    return *game;
}

void FuzzTextDefaults(const StringList& lines) {
    GameState& game = Game();
    game.text = TextState{};
    game.lists.TextDefaults = lines;
    ApplyTextDefaults(game);
    const TextState& text = game.text;
    const TextDefaults& read = text.defaults;
    for (const std::string* field :
         {&read.position, &read.font, &read.speed, &read.spacing, &read.maxLines, &read.click,
          &read.nameFont, &read.nameX, &read.nameY, &read.tenth, &text.TextFontFace,
          &text.TextFontStyle, &text.TextSpeed, &text.TextClickSetting, &text.NameFontFace,
          &text.NameFontStyle}) {
        Touch(*field);
    }
}

void FuzzNames(std::string_view text, const StringList& lines) {
    std::string asked;
    for (const std::string& line : Lookups(lines))
        asked += "/v" + line.substr(0, line.find(':')) + "/ ";
    Touch(ReplaceNameVariables(asked, lines));
    Touch(ReplaceNameVariables(text, lines));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto file = static_cast<ListFile>(data[0] % static_cast<int>(ListFile::Count));
    const std::string_view text = fuzz::Bytes(data + 1, size - 1);
    const StringList lines = SplitTextFileLines(text);
    switch (file) {
        case ListFile::Settings:
            FuzzSettings(text);
            break;
        case ListFile::Catalogue:
            FuzzCatalogue(lines);
            break;
        case ListFile::Menus:
            FuzzMenus(lines);
            break;
        case ListFile::Interface:
            FuzzInterface(lines);
            break;
        case ListFile::Gallery:
            FuzzGallery(lines);
            break;
        case ListFile::TextDefaults:
            FuzzTextDefaults(lines);
            break;
        case ListFile::Names:
            FuzzNames(text, lines);
            break;
        case ListFile::Count:
            break;
    }
    return 0;
}
