// The script files and the lists they fill.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

using StringList = std::vector<std::string>;

// Fills `lines` from the loose file `name` in the game folder (plain text, found without regard
// to case) or else from the entry of that name in the main archive (scrambled text). A file that
// is in neither place leaves `lines` as it was and returns false; a damaged archive or an
// unreadable file is reported on stderr.
bool LoadScriptFile(const std::filesystem::path& gameDir, std::string_view name, StringList& lines);

// Every list that start-up fills from a file.
struct ScriptLists {
    StringList ScriptLines;    // "master.scn": the running script
    StringList ObjectCatalog;  // "objects.scn": NAME:FILE
    StringList CodeLines;      // "code.scn": the code puzzle's sequences
    StringList Playlist;       // "playlist.scn": music file names
    StringList GalleryList;    // "gallery.scn"
    StringList TextDefaults;   // "default_text.scn", later a scratch list for section files
    StringList NameList;       // "names.scn": NAME:VALUE
    // Bumped by whoever replaces ScriptLines or changes a line of it in place, so that what the
    // interpreter derives from the script is rebuilt. (A list that grows or shrinks is noticed
    // without it; a freed list's memory may be reused by the next one, so replacing counts.)
    uint64_t scriptEdits = 0;
};

}  // namespace orvane
