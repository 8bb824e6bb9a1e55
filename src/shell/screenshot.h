// Screenshots: the back buffer as a 24-bit BMP named "screenshot" plus a number, in the
// player's folder, one more than the largest number already there.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "script/game_state.h"

namespace orvane {

// The next free number among the screenshots in `folder`; nothing when it cannot be listed.
std::optional<int> NextScreenshotNumber(const std::filesystem::path& folder);
// "screenshot00.bmp" .. "screenshot99.bmp", then "screenshot100.bmp" and on.
std::string ScreenshotName(int number);

// Saves the screenshot; shows "Unable to open directory" when the folder cannot be listed.
// Returns the file written, or nothing.
std::optional<std::filesystem::path> TakeScreenshot(GameState& game);

}  // namespace orvane
