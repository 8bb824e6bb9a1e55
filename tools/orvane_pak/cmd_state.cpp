#include <filesystem>

#include "base/text.h"
#include "commands.h"
#include "platform/png_writer.h"
#include "shell/save_game.h"

namespace orvane::pak_tool {
namespace {

void AddSection(std::string& out, const char* heading, const StringList& lines) {
    out += "[";
    out += heading;
    out += "]\n";
    for (const std::string& line : lines) {
        out += DisplayName(line);
        out += '\n';
    }
}

}  // namespace

int RunState(const Arguments& args) {
    std::optional<std::string> thumbnailOut;
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--thumbnail" && i + 1 < args.size()) {
            thumbnailOut = args[++i];
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1) {
        return UsageError("usage: orvane-pak state [--thumbnail OUT.png] FILE.sav");
    }
    const std::filesystem::path save = files[0];
    // The engine's own reader: what it refuses to load is refused here too.
    std::string error;
    const std::optional<SavedState> state = ReadSaveGame(save, error);
    if (!state) return Fail(error);
    if (thumbnailOut) {
        Surface thumbnail;
        if (!ReadSaveThumbnail(save, thumbnail, error)) return Fail(error);
        if (!WritePng(*thumbnailOut, thumbnail, error)) return Fail(error);
        return kExitOk;
    }
    std::string out = "scene=" + DisplayName(state->sceneName) + "\n";
    AddSection(out, "names", state->names);
    AddSection(out, "stage", state->stageItems);
    AddSection(out, "moves", state->moves);
    AddSection(out, "menu", state->menuItems);
    AddSection(out, "triggers", state->triggers);
    AddSection(out, "interface", state->interfaceItems);
    return WriteStdout(out) ? kExitOk : kExitFailure;
}

}  // namespace orvane::pak_tool
