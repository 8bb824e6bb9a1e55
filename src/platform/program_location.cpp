#include "platform/program_location.h"

#include <string_view>

namespace orvane {

std::optional<std::filesystem::path> RunningProgramFile(const char* argv0) {
    std::error_code ec;
    std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && file.is_absolute()) return file;
    // A bare name was found through PATH, which says nothing about the folder.
    if (argv0 == nullptr || std::string_view(argv0).find('/') == std::string_view::npos) {
        return std::nullopt;
    }
    file = std::filesystem::weakly_canonical(argv0, ec);
    if (ec) return std::nullopt;
    return file;
}

}  // namespace orvane
