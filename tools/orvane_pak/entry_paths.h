// Where extract may put an entry. Archive names come from a file we did not make, so a name is
// only ever a path below the target folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::pak_tool {

// The folder components of a stored name ('\' and '/' both separate folders), still CP1251.
// Nothing, with the reason, for a name that is absolute, starts with a drive letter, has a ".."
// component or names no file at all. "." and empty components are dropped, as a file system would
// read them.
std::optional<std::vector<std::string>> EntryPathComponents(std::string_view cp1251Name,
                                                            std::string& why);

// Creates the folders of `components` below `root` and returns the file's path (in UTF-8). Refuses
// to pass through a symbolic link or anything that is not a folder, so that the file cannot land
// outside `root` whatever the folder already holds.
bool PrepareEntryTarget(const std::filesystem::path& root,
                        const std::vector<std::string>& components, std::filesystem::path& target,
                        std::string& error);

}  // namespace orvane::pak_tool
