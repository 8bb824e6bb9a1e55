// A folder of this process's own for the files a reader insists on opening by path (archives,
// saves, music, loose pictures). Created on first use, removed when the process exits.
#pragma once

#include <filesystem>
#include <string_view>

namespace orvane::fuzz {

const std::filesystem::path& ScratchFolder();

// Writes `bytes` to `path`, replacing the file.
void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Writes `bytes` to `name` in the scratch folder (replacing it) and returns its path. Not
// atomic: nothing else reads the folder while the target runs.
std::filesystem::path WriteScratchFile(std::string_view name, std::string_view bytes);

// An empty folder `name` inside the scratch folder, emptied again at every call, so that one
// input never sees what the last one left.
std::filesystem::path FreshScratchFolder(std::string_view name);

}  // namespace orvane::fuzz
