#include "archive/pak_format.h"
#include "archive/pak_reader.h"
#include "base/text.h"
#include "commands.h"

namespace orvane::pak_tool {

int RunCat(const Arguments& args) {
    if (args.size() != 2) return UsageError("usage: orvane-pak cat ARCHIVE NAME");
    const std::optional<std::string> name = CommandLineNameToCp1251(args[1]);
    if (!name) return Fail("no entry can be named '" + args[1] + "' (not a Windows-1251 name)");
    PakRead read = ReadPakBytes(args[0], *name);
    if (read.status == PakStatus::Broken) return Fail(read.error);
    if (read.status == PakStatus::Missing) {
        return Fail(args[0] + " has no entry named '" + args[1] + "'");
    }
    // Shown as the engine's reader splits it, one line per line it would see; the empty line
    // that follows a final CR LF is the usual end of a text file, not a line of its own here.
    const std::vector<std::string> lines = SplitArchiveScriptLines(DecodeScriptBytes(read.bytes));
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i + 1 == lines.size() && lines[i].empty()) break;
        out += Cp1251ToUtf8(lines[i]);
        out += '\n';
    }
    return WriteStdout(out) ? kExitOk : kExitFailure;
}

}  // namespace orvane::pak_tool
