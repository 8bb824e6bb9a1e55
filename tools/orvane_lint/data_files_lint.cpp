// The data files beside the script: the catalogue, the code puzzle's lines and the music.
#include <map>

#include "base/text.h"
#include "checks.h"
#include "line_checker.h"
#include "minigames/code_puzzle.h"

namespace orvane::lint {

void LintCatalog(LintContext& c) {
    std::map<std::string, int> first;
    for (size_t k = 0; k < c.catalog.size(); ++k) {
        const std::string& line = c.catalog[k];
        if (Trim(line).empty() || StartsWith(Trim(line), "--")) continue;
        const int number = static_cast<int>(k) + 1;
        LineChecker check(c, kCatalogFile, number);
        const size_t colon = line.find(':');
        if (colon == std::string::npos) {
            check.Error("is not NAME:FILE");
            continue;
        }
        const std::string name = line.substr(0, colon);
        if (const auto [at, added] = first.emplace(name, number); !added) {
            check.Warning("item " + Quoted(name) + " is listed at line " +
                          std::to_string(at->second) + " already; this line is never used");
            continue;
        }
        check.Picture(std::string_view(line).substr(colon + 1));
    }
}

void LintCodeLines(LintContext& c, int gameLine) {
    c.codeChecked = true;
    const std::optional<StringList>& lines = c.data.Script(kCodeFile);
    LineChecker game(c, kMasterFile, gameLine);
    if (!lines) {
        if (gameLine > 0) game.Error("code.scn is not found; the code puzzle is skipped");
        return;
    }
    int sequences = 0;
    for (size_t k = 0; k < lines->size(); ++k) {
        const std::string& line = (*lines)[k];
        if (Trim(line).empty()) continue;
        ++sequences;
        LineChecker check(c, kCodeFile, static_cast<int>(k) + 1);
        const size_t split = line.find(';');
        if (split == std::string::npos) {
            check.Error("has no \";\" between the sequence and its answer");
        } else if (!IsTypeableCodeAnswer(std::string_view(line).substr(split + 1))) {
            check.Error("the answer " + Quoted(std::string_view(line).substr(split + 1)) +
                        " is not 1 to 4 digits; it cannot be typed on the keypad");
        }
    }
    if (gameLine == 0) return;
    if (sequences == 0) {
        game.Error("code.scn has no sequences; the code puzzle is skipped");
    } else if (sequences < 3) {
        game.Warning("code.scn has " + std::to_string(sequences) +
                     " sequence(s); the code puzzle asks for three");
    }
}

void CheckTrack(LintContext& c, std::string_view file, int number, std::string_view name) {
    const std::string_view track = Trim(name);
    if (track.empty() || c.data.HasLooseFile(track)) return;
    c.findings.Error(file, number,
                     "track " + Quoted(track) +
                         " is not in the game folder (music is never read from an archive)");
}

void LintPlaylist(LintContext& c) {
    const std::optional<StringList>& lines = c.data.Script(kPlaylistFile);
    if (!lines) return;
    for (size_t k = 0; k < lines->size(); ++k) {
        CheckTrack(c, kPlaylistFile, static_cast<int>(k) + 1, (*lines)[k]);
    }
}

}  // namespace orvane::lint
