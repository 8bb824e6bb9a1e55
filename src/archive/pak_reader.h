// Finding and reading one entry of an archive by name.
//
// The first entry whose name matches (without regard to letter case, CP1251 Cyrillic included)
// wins. The directory of each archive is parsed once and kept with an index by name; a changed
// archive file (size, time or identity) is parsed again.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "archive/pak_format.h"

namespace orvane {

enum class PakStatus { Found, Missing, Broken };

struct PakRead {
    PakStatus status = PakStatus::Missing;
    std::string bytes;  // the entry's data as stored, when found
    std::string error;  // why, when broken
};

// The raw bytes of the first entry named `name`.
PakRead ReadPakBytes(const std::filesystem::path& archive, std::string_view name);

// Every entry in directory order. False with a message when the archive is broken.
bool ListPakEntries(const std::filesystem::path& archive, std::vector<PakEntry>& entries,
                    std::string& error);

// Forgets every parsed directory (tests and tools that rewrite archives in place use it).
void ForgetPakIndexes();

}  // namespace orvane
