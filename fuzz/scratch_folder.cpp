#include "scratch_folder.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace orvane::fuzz {
namespace {

// Targets replace their files at every input. On a disk mounted with "discard" each replacement
// waits for the old blocks to be released, which holds a target to a few hundred runs a second;
// a folder in memory, where there is one, does not wait.
std::filesystem::path MakeScratchFolder() {
    std::string pattern = "/dev/shm/orvane-fuzz-XXXXXX";
    if (mkdtemp(pattern.data())) return pattern;
    pattern = (std::filesystem::temp_directory_path() / "orvane-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("orvane fuzz: mkdtemp");
        std::abort();
    }
    return pattern;
}

}  // namespace

const std::filesystem::path& ScratchFolder() {
    // Never destroyed: the handler that removes it runs after static destructors may have.
    static const std::filesystem::path* const folder = [] {
        auto* made = new std::filesystem::path(MakeScratchFolder());
        // libFuzzer leaves by exit() when its time is up; a crash leaves the folder behind, with
        // the files of the input that crashed, which is no loss.
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(ScratchFolder(), ec);
        });
        return made;
    }();
    return *folder;
}

void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::filesystem::path WriteScratchFile(std::string_view name, std::string_view bytes) {
    const std::filesystem::path path = ScratchFolder() / name;
    WriteWholeFile(path, bytes);
    return path;
}

std::filesystem::path FreshScratchFolder(std::string_view name) {
    const std::filesystem::path path = ScratchFolder() / name;
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
    std::filesystem::create_directories(path);
    return path;
}

}  // namespace orvane::fuzz
