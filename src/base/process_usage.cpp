#include "base/process_usage.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace orvane {

std::optional<uint64_t> ResidentBytes() {
    FILE* file = std::fopen("/proc/self/statm", "r");
    if (!file) return std::nullopt;
    unsigned long long sizePages = 0, residentPages = 0;
    const int read = std::fscanf(file, "%llu %llu", &sizePages, &residentPages);
    std::fclose(file);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (read != 2 || pageSize <= 0) return std::nullopt;
    return static_cast<uint64_t>(residentPages) * static_cast<uint64_t>(pageSize);
}

std::optional<int> OpenFileDescriptors() {
    std::error_code ec;
    std::filesystem::directory_iterator it("/proc/self/fd", ec);
    if (ec) return std::nullopt;
    int count = 0;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec) return std::nullopt;
        ++count;
    }
    // The listing itself holds one descriptor while it runs.
    return count > 0 ? count - 1 : 0;
}

}  // namespace orvane
