#include "render/blend_path.h"

#include <atomic>
#include <cstdlib>
#include <string>

#include "base/log.h"

namespace orvane {
namespace {

BlendPath FastestAvailable() {
    if (BlendPathAvailable(BlendPath::kAvx2)) return BlendPath::kAvx2;
    if (BlendPathAvailable(BlendPath::kSse2)) return BlendPath::kSse2;
    return BlendPath::kScalar;
}

BlendPath InitialPath() {
    const char* wanted = std::getenv("ORVANE_BLEND");
    if (!wanted || !*wanted) return FastestAvailable();
    const std::optional<BlendPath> path = BlendPathFromName(wanted);
    if (path && BlendPathAvailable(*path)) return *path;
    LogWarning(std::string("ORVANE_BLEND=") + wanted +
               " is not a blend path this processor runs; using the fastest one");
    return FastestAvailable();
}

std::atomic<BlendPath>& Current() {
    static std::atomic<BlendPath> current{InitialPath()};
    return current;
}

}  // namespace

bool BlendPathAvailable(BlendPath path) {
    switch (path) {
        case BlendPath::kScalar:
            return true;
#if defined(__x86_64__)
        case BlendPath::kSse2:
            return true;
        case BlendPath::kAvx2:
            return __builtin_cpu_supports("avx2");
#endif
        default:
            return false;
    }
}

BlendPath ActiveBlendPath() {
    return Current().load(std::memory_order_relaxed);
}

bool SetBlendPath(BlendPath path) {
    if (!BlendPathAvailable(path)) return false;
    Current().store(path, std::memory_order_relaxed);
    return true;
}

std::string_view BlendPathName(BlendPath path) {
    switch (path) {
        case BlendPath::kSse2:
            return "sse2";
        case BlendPath::kAvx2:
            return "avx2";
        default:
            return "scalar";
    }
}

std::optional<BlendPath> BlendPathFromName(std::string_view name) {
    for (BlendPath path : {BlendPath::kScalar, BlendPath::kSse2, BlendPath::kAvx2}) {
        if (name == BlendPathName(path)) return path;
    }
    return std::nullopt;
}

}  // namespace orvane
