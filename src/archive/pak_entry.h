// Reading an entry and handing its bytes to the consumer the caller names.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/image.h"
#include "platform/audio_device.h"

namespace orvane {

enum class PakMode : int { ScriptText = 1, Bitmap = 2, Sound = 3, Picture = 5 };

inline constexpr int kPakEntryRead = 0;
inline constexpr int kPakEntryMissing = -1;
// The archive cannot be opened, its directory is damaged, or the entry cannot be decoded.
inline constexpr int kPakBroken = -2;

// Where each mode puts what it read. Only the consumer of the chosen mode is used.
struct PakConsumers {
    std::vector<std::string>* lines = nullptr;  // ScriptText: decoded lines replace the list
    Image* bitmap = nullptr;                    // Bitmap: the decoded BMP
    Image* picture = nullptr;                   // Picture: the decoded JPEG
    std::string* voiceBuffer = nullptr;         // Sound: keeps the bytes while they play
    AudioDevice* audio = nullptr;               // Sound: plays them
};

// Finds `name` in `archive` and consumes it by `mode` (a number; one the engine does not know
// reads the entry and does nothing with it). Returns kPakEntryRead, kPakEntryMissing, or
// kPakBroken with the reason in `error`. Unless the result is kPakEntryRead the consumers are
// left as they were.
int ReadPakEntry(std::string_view name, int mode, const PakConsumers& consumers,
                 const std::filesystem::path& archive, std::string& error);

}  // namespace orvane
