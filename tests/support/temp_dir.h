// A fresh folder for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    // Writes `bytes` to `name` inside the folder (creating sub-folders) and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

std::string ReadWholeFile(const std::filesystem::path& path);

// The team's shared real-world test files; empty when they are not beside the repository.
std::filesystem::path SharedTestData();
// The build folder (where the orvane and orvane-pak programs are).
std::filesystem::path BinaryDir();

}  // namespace orvane::testing
