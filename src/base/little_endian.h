// Numbers stored least significant byte first, as the file formats of the original's platform
// hold them. The caller has checked that the bytes are there.
#pragma once

#include <cstdint>

namespace orvane {

inline uint16_t ReadU16Le(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t ReadU32Le(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace orvane
