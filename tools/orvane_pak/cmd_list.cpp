#include <cstdio>

#include "archive/pak_reader.h"
#include "commands.h"

namespace orvane::pak_tool {

int RunList(const Arguments& args) {
    if (args.size() != 1) return UsageError("usage: orvane-pak list ARCHIVE");
    std::vector<PakEntry> entries;
    std::string error;
    if (!ListPakEntries(args[0], entries, error)) return Fail(error);
    std::string out;
    char numbers[32];
    for (const PakEntry& entry : entries) {
        std::snprintf(numbers, sizeof numbers, "%10lld %10lld ", static_cast<long long>(entry.size),
                      static_cast<long long>(entry.offset));
        out += numbers;
        out += DisplayName(entry.name);
        out += '\n';
    }
    return WriteStdout(out) ? kExitOk : kExitFailure;
}

}  // namespace orvane::pak_tool
