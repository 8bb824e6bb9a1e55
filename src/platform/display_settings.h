// How the player's machine shows and plays the game: scaling, renderer, sound buffer and the
// window's size. None of it reaches the game's scripts.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/frame_pointer.h"

namespace orvane {

// Auto takes an accelerated renderer unless the only one on offer draws on the CPU anyway.
enum class RendererChoice { Auto, Gpu, Software };

struct DisplaySettings {
    FrameScaling scaling = FrameScaling::Smooth;
    RendererChoice renderer = RendererChoice::Auto;
    int audioBufferFrames = 0;  // 0: chosen from the device's rate
    // The window's size when it last closed (not full screen); 0 for the frame's own size.
    int windowWidth = 0;
    int windowHeight = 0;
    // Where the window's size is kept when it changes; none keeps nothing.
    std::optional<std::filesystem::path> settingsFile;

    bool operator==(const DisplaySettings&) const = default;
};

inline constexpr int kMinAudioBufferFrames = 64;
inline constexpr int kMaxAudioBufferFrames = 8192;

std::optional<FrameScaling> ParseFrameScaling(std::string_view text);
std::optional<RendererChoice> ParseRendererChoice(std::string_view text);
// A whole number of frames from kMinAudioBufferFrames to kMaxAudioBufferFrames.
std::optional<int> ParseAudioBufferFrames(std::string_view text);

// "Scaling", "Renderer", "Audio_Buffer", "WindowWidth" and "WindowHeight" of orvane.ini in place
// of those of `settings`; a bad value is reported and the one in `settings` stands.
DisplaySettings ReadDisplaySettings(const std::filesystem::path& file,
                                    DisplaySettings settings = {});

// Keeps the window's size in the file; every other line stays as it was.
bool WriteWindowSize(const std::filesystem::path& file, int width, int height,
                     std::string& error);

}  // namespace orvane
