// The options screen (mode 20): the volume bars of the sound effects and of the music, and the
// way back to the game or to the main menu. It also keeps the player's settings (the volumes and
// full screen) in the configuration file between runs.
#pragma once

#include <filesystem>
#include <optional>

#include "archive/fixed_picture.h"
#include "platform/config.h"

namespace orvane {

class Shell;

class OptionsScreen {
public:
    explicit OptionsScreen(Shell& shell) : shell_(shell) {}

    // From the main menu, or from the in-game menu (`fromGame`: "back" then returns to the game
    // screen that the in-game menu kept).
    void Open(bool fromGame);
    void Hover(int x, int y);
    void Click(int x, int y);

    // At start-up: the settings of `file` (none: nothing is kept between runs) take the place of
    // the game's defaults and are applied.
    void UseSettingsFile(std::optional<std::filesystem::path> file);
    // Writes the settings when they differ from what the file holds.
    void SaveSettings();

    bool OptionsFromGame = false;

private:
    // A click on a bar at `x`: the level of the box hit, and the bar drawn again.
    void ClickBar(int& level, int x, int y);
    void Back();
    PlayerSettings Current() const;

    Shell& shell_;
    std::optional<std::filesystem::path> settingsFile_;
    PlayerSettings kept_;
};

inline constexpr char kOptionsPicture[] = "options.jpg";
FixedPictures OptionsPictures();

}  // namespace orvane
