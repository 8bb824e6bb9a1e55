#include "base/log.h"

#include <cstdio>

namespace orvane {

void LogError(std::string_view message) {
    std::fprintf(stderr, "orvane: %.*s\n", static_cast<int>(message.size()), message.data());
}

void LogWarning(std::string_view message) {
    std::fprintf(stderr, "orvane: warning: %.*s\n", static_cast<int>(message.size()),
                 message.data());
}

}  // namespace orvane
