// orvane-pak: lists, extracts, creates and prints the engine's .pak archives.
#include <cstdio>
#include <exception>
#include <string_view>

#include "commands.h"

namespace orvane::pak_tool {

void PrintUsage(bool toStdout) {
    static constexpr char kUsage[] =
        "Usage: orvane-pak COMMAND ARGUMENTS\n"
        "\n"
        "  list ARCHIVE                     size, offset and name of every entry\n"
        "  extract ARCHIVE DIR [NAME...]    write the entries (all, or those named) into DIR;\n"
        "                                   backslashes in names become folders\n"
        "  create [--scripts] ARCHIVE FILE...\n"
        "                                   pack the files in the order given; FILE is a path\n"
        "                                   (the entry takes its base name) or NAME=PATH\n"
        "  cat ARCHIVE NAME                 print a script entry as UTF-8 text\n"
        "  state FILE.sav                   print the state a saved game holds as UTF-8 text:\n"
        "                                   its scene, then each list under a heading\n"
        "  state --thumbnail OUT.png FILE.sav\n"
        "                                   write the thumbnail of a saved game as PNG\n"
        "  --help                           show this text\n"
        "\n"
        "With --scripts, entries ending in .scn are made ready for the engine: UTF-8 text is\n"
        "converted to Windows-1251, line breaks become CR LF, and every byte is encoded.\n"
        "A path containing '=' is given as ./PATH. Names compare without regard to case; when\n"
        "an archive holds a name twice, the engine reads the first, and so does extract.\n"
        "Extract writes entries as stored, so .scn entries stay encoded; cat shows them.\n"
        "Exit status: 0 success, 1 failure, 2 wrong command line.\n";
    std::fputs(kUsage, toStdout ? stdout : stderr);
}

namespace {

int Dispatch(const Arguments& all) {
    if (all.empty()) {
        PrintUsage(false);
        return kExitUsage;
    }
    const std::string_view command = all[0];
    const Arguments rest(all.begin() + 1, all.end());
    if (command == "--help" || command == "-h" || command == "help" ||
        (rest.size() == 1 && (rest[0] == "--help" || rest[0] == "-h"))) {
        PrintUsage(true);
        return kExitOk;
    }
    if (command == "list") return RunList(rest);
    if (command == "extract") return RunExtract(rest);
    if (command == "create") return RunCreate(rest);
    if (command == "cat") return RunCat(rest);
    if (command == "state") return RunState(rest);
    return UsageError("unknown command '" + std::string(command) + "'");
}

}  // namespace
}  // namespace orvane::pak_tool

int main(int argc, char** argv) {
    using namespace orvane::pak_tool;
    try {
        return Dispatch(Arguments(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        // File system errors the commands did not foresee still end with a message, not abort().
        return Fail(e.what());
    }
}
