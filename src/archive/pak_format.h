// The archive format: a directory of ASCII-decimal fields followed by the entries' data.
//   count (4) | per entry: name length (4), name, size (10), offset (10) | data ...
// Offsets count from the first byte after the directory. Script entries are stored with every
// byte plus one (modulo 256).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

inline constexpr int kPakCountWidth = 4;
inline constexpr int kPakNameLengthWidth = 4;
inline constexpr int kPakNumberWidth = 10;
inline constexpr int kPakMaxEntries = 9999;
inline constexpr int kPakMaxNameLength = 9999;
// Sizes and offsets are read as signed 32-bit numbers.
inline constexpr int64_t kPakMaxDataBytes = INT32_MAX;

struct PakEntry {
    std::string name;  // as stored, cut at the first zero byte
    int64_t size = 0;
    int64_t offset = 0;  // from the end of the directory
};

// Script text as stored and as read: every byte shifted by one.
std::string EncodeScriptBytes(std::string_view plain);
std::string DecodeScriptBytes(std::string_view stored);

// Lines of decoded archive script text: a CR ends a line and the byte after it is skipped
// (taken to be the LF); the text after the last CR is always a line, even when empty.
std::vector<std::string> SplitArchiveScriptLines(std::string_view decoded);

}  // namespace orvane
