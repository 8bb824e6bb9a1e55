#include "platform/display_settings.h"

#include "base/decimal.h"
#include "base/text.h"
#include "platform/config.h"

namespace orvane {
namespace {

// Larger than any screen yet made, small enough that width x height x 4 cannot overflow.
constexpr int kMaxWindowSide = 16384;

std::optional<int> WholeNumber(std::string_view text, int low, int high) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<int32_t> number = ParseDecimal(text);
    if (!number || *number < low || *number > high) return std::nullopt;
    return *number;
}

}  // namespace

std::optional<FrameScaling> ParseFrameScaling(std::string_view text) {
    const std::string lower = LowerCaseCp1251(text);
    if (lower == "smooth") return FrameScaling::Smooth;
    if (lower == "sharp") return FrameScaling::Sharp;
    return std::nullopt;
}

std::optional<RendererChoice> ParseRendererChoice(std::string_view text) {
    const std::string lower = LowerCaseCp1251(text);
    if (lower == "auto") return RendererChoice::Auto;
    if (lower == "gpu") return RendererChoice::Gpu;
    if (lower == "software") return RendererChoice::Software;
    return std::nullopt;
}

std::optional<int> ParseAudioBufferFrames(std::string_view text) {
    return WholeNumber(text, kMinAudioBufferFrames, kMaxAudioBufferFrames);
}

DisplaySettings ReadDisplaySettings(const std::filesystem::path& file, DisplaySettings settings) {
    ForEachSetting(file, [&](const std::string& key, const std::string& value) {
        if (key == "scaling") {
            if (const auto scaling = ParseFrameScaling(value)) {
                settings.scaling = *scaling;
            } else {
                ReportIgnoredSetting(file, key, value, "smooth or sharp");
            }
        } else if (key == "renderer") {
            if (const auto renderer = ParseRendererChoice(value)) {
                settings.renderer = *renderer;
            } else {
                ReportIgnoredSetting(file, key, value, "auto, gpu or software");
            }
        } else if (key == "audio_buffer") {
            if (const auto frames = ParseAudioBufferFrames(value)) {
                settings.audioBufferFrames = *frames;
            } else {
                ReportIgnoredSetting(file, key, value, "a number of frames from 64 to 8192");
            }
        } else if (key == "windowwidth" || key == "windowheight") {
            if (const auto side = WholeNumber(value, 1, kMaxWindowSide)) {
                (key == "windowwidth" ? settings.windowWidth : settings.windowHeight) = *side;
            } else {
                ReportIgnoredSetting(file, key, value, "a size in pixels");
            }
        }
    });
    // Half a size is no size: the frame's own stands.
    if (settings.windowWidth == 0 || settings.windowHeight == 0) {
        settings.windowWidth = settings.windowHeight = 0;
    }
    return settings;
}

bool WriteWindowSize(const std::filesystem::path& file, int width, int height,
                     std::string& error) {
    return WriteSettings(
        file, {{"WindowWidth", std::to_string(width)}, {"WindowHeight", std::to_string(height)}},
        error);
}

}  // namespace orvane
