// Which implementation of the translucent blit runs. All of them give identical pixels; the
// choice exists so that tests and benchmarks can compare them on one machine.
#pragma once

#include <optional>
#include <string_view>

namespace orvane {

enum class BlendPath { kScalar, kSse2, kAvx2 };

// The fastest path this processor runs, unless ORVANE_BLEND=scalar|sse2|avx2 asked for another
// (a path the processor lacks is refused with a warning).
BlendPath ActiveBlendPath();
bool BlendPathAvailable(BlendPath path);
// Forces a path; false, with nothing changed, when the processor cannot run it.
bool SetBlendPath(BlendPath path);

std::string_view BlendPathName(BlendPath path);
std::optional<BlendPath> BlendPathFromName(std::string_view name);

}  // namespace orvane
