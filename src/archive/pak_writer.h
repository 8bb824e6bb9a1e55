// Writing archives: the directory first, then every entry's data in the same order.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

struct PakSource {
    std::string name;                  // the entry name stored (CP1251)
    std::filesystem::path file;        // where the data comes from, unless `bytes` is given
    std::optional<std::string> bytes;  // data held in memory
};

// Writes the archive atomically; on any failure the old file (if any) is left as it was and
// `error` says why. Names, counts and sizes must fit the format's fixed-width fields.
bool WritePak(const std::vector<PakSource>& sources, const std::filesystem::path& archive,
              std::string& error);

// The engine's writer: each string of `fileList` names both the file to read (relative to
// `baseDir`, found without regard to case) and the entry stored.
bool WritePakArchive(const std::vector<std::string>& fileList, const std::filesystem::path& baseDir,
                     const std::filesystem::path& archive, std::string& error);

}  // namespace orvane
