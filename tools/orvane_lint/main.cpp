// orvane-lint: checks a game's scripts for what the engine would silently ignore or misread.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "checks.h"

namespace {

constexpr char kUsage[] =
    "Usage: orvane-lint [--cd-dir DIR] GAME_DIR\n"
    "\n"
    "Reads the game's scripts as the engine does (a loose file first, else the entry of\n"
    "Orvane.pak) and reports what the engine would ignore or misread, one finding a line:\n"
    "  FILE:LINE: error: MESSAGE     or     FILE:LINE: warning: MESSAGE\n"
    "\n"
    "Errors: jumps (goto, if, else goto, menu actions, the phone game's endings) to scenes that\n"
    "do not exist or that are written with capitals; blocks (set cycle, set playlist) that are\n"
    "not closed; lines taken by a command tested before the one they begin with, and lines that\n"
    "match no command; numbers that do not parse; items that objects.scn lacks; pictures,\n"
    "voices, tracks and cursors that exist neither loose nor in their archive; menu and\n"
    "interface sections and phone-game labels that are missing; triggers tested or set that\n"
    "triggers.scn does not declare; code.scn lines without \";\" or with an answer the keypad\n"
    "cannot type; a main menu whose lines a screen cannot find again; pictures that the\n"
    "screens the game can reach (menus, journal, gallery, mini-games) load by their own names;\n"
    "gallery.scn lines the gallery cannot read, and their pictures and triggers.\n"
    "Warnings: labels with capitals or given twice, commands that do nothing, alignment and\n"
    "speed words the engine does not know, triggers tested that nothing sets, name variables\n"
    "that names.scn lacks, sections not closed by \"end\", catalogue names given twice,\n"
    "screen pictures that only a part of a screen needs, gallery pictures never unlocked.\n"
    "\n"
    "  --cd-dir DIR   the folder that holds Sounds.pak (default: GAME_DIR)\n"
    "  --help         show this text\n"
    "\n"
    "Exit status: 0 no error (warnings allowed), 1 errors found, 2 wrong command line.\n";

int Usage(std::string_view problem) {
    std::fprintf(stderr, "orvane-lint: %.*s\n\n%s", static_cast<int>(problem.size()),
                 problem.data(), kUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<std::filesystem::path> gameDir, cdDir;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--cd-dir") {
            if (++i == argc) return Usage("--cd-dir needs a folder");
            cdDir = argv[i];
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage("unknown option " + std::string(arg));
        } else if (gameDir) {
            return Usage("only one game folder, please");
        } else {
            gameDir = arg;
        }
    }
    if (!gameDir) return Usage("which game folder?");
    if (!std::filesystem::is_directory(*gameDir)) {
        std::fprintf(stderr, "orvane-lint: %s is not a folder\n", gameDir->c_str());
        return 2;
    }
    try {
        orvane::lint::Findings findings;
        orvane::lint::LintGame(*gameDir, cdDir.value_or(*gameDir), findings);
        findings.Print(stdout);
        return findings.HasErrors() ? 1 : 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvane-lint: %s\n", e.what());
        return 1;
    }
}
