// The pictures that the engine's screens load by their own names: each screen is checked when
// the game can reach it, at the line that opens it, or for the game as a whole when any scene
// can (the in-game menu, and the options and load screens behind it).
#include <set>

#include "base/text.h"
#include "checks.h"
#include "minigames/card_table_screen.h"
#include "minigames/code_puzzle.h"
#include "minigames/necro_game.h"
#include "render/display.h"
#include "script/cinematic_pictures.h"
#include "script/command_params.h"
#include "shell/gallery_screen.h"
#include "shell/game_menu.h"
#include "shell/journal_screen.h"
#include "shell/load_screen.h"
#include "shell/menu_screen.h"
#include "shell/options_screen.h"
#include "shell/section_files.h"

namespace orvane::lint {
namespace {

// Where a screen is first opened; line 0 of the archive when any scene can open it.
struct Opener {
    std::string file = kMainArchive;
    int line = 0;
};

class ScreenPictures {
public:
    explicit ScreenPictures(LintContext& c) : c_(c) {}

    void Check(std::string_view screen, const FixedPictures& pictures, const Opener& at) {
        for (const FixedPicture& picture : pictures) {
            // A picture that two screens share is reported for the first.
            if (picture.need == PictureNeed::Fallback || !checked_.insert(picture.name).second) {
                continue;
            }
            if (c_.data.HasPicture(picture.name)) continue;
            std::string message = std::string(screen) + " needs picture " + Quoted(picture.name) +
                                  ", which is neither in the game folder nor in Orvane.pak";
            if (picture.need == PictureNeed::Required) {
                c_.findings.Error(at.file, at.line, std::move(message));
            } else {
                c_.findings.Warning(at.file, at.line, message + "; a part of it is missing");
            }
        }
    }

private:
    LintContext& c_;
    std::set<std::string> checked_;
};

// The first line of master.scn that runs `command` (and, for "game=", names `game`).
std::optional<Opener> FirstLine(const LintContext& c, Command command, std::string_view game = {}) {
    for (size_t k = 0; k < c.master.size(); ++k) {
        const std::string_view line = Trim(c.master[k]);
        if (MatchCommand(line) != command) continue;
        if (!game.empty() && MiniGameName(line) != game) continue;
        return Opener{kMasterFile, static_cast<int>(k) + 1};
    }
    return std::nullopt;
}

std::optional<Opener> MenuAction(const LintContext& c, const std::string& action) {
    const auto it = c.menuActions.find(action);
    if (it == c.menuActions.end()) return std::nullopt;
    return Opener{kMenusFile, it->second};
}

std::optional<Opener> MainMenu(const LintContext& c) {
    if (c.mainMenuLine == 0) return std::nullopt;
    return Opener{kMasterFile, c.mainMenuLine};
}

// The main menu's own "cards" item acts from its second variant on.
std::optional<Opener> MainMenuCards(const LintContext& c) {
    for (const char* unlock : {"sys_1", "sys_2", "sys_3"}) {
        if (c.Declared(unlock)) return MainMenu(c);
    }
    return std::nullopt;
}

template <typename... Openers>
std::optional<Opener> FirstOf(const Openers&... openers) {
    std::optional<Opener> first;
    ((first = first ? first : openers), ...);
    return first;
}

}  // namespace

bool CardsReachable(const LintContext& c) {
    return FirstLine(c, Command::Game, "cards") || MainMenuCards(c) || MenuAction(c, "cards");
}

void CheckFixedPictures(LintContext& c, bool galleryHasEntries) {
    ScreenPictures screens(c);
    const Opener anyScene;
    screens.Check("the game", StartupPictures(), anyScene);
    if (const auto at = MainMenu(c)) {
        screens.Check("the main menu", MainMenuPictures(c.Declared("sys_3")), *at);
    }
    screens.Check("the in-game menu", GameMenuPictures(), anyScene);
    screens.Check("the options screen", OptionsPictures(), anyScene);
    screens.Check("the load screen", LoadScreenPictures(), anyScene);
    // The gallery does not open without an entry to show.
    const auto gallery = FirstOf(MainMenu(c), MenuAction(c, "gallery"));
    if (gallery && galleryHasEntries) screens.Check("the gallery", GalleryPictures(), *gallery);
    if (const auto at = FirstLine(c, Command::Qmove)) {
        screens.Check("\"qmove \"", QmovePictures(), *at);
    }
    if (const auto at = FirstLine(c, Command::SetSpacing)) {
        screens.Check("\"set spacing\"", SpacingPictures(), *at);
    }
    if (const auto at = FirstLine(c, Command::SetJournal)) {
        screens.Check("the journal", JournalPictures(), *at);
    }
    if (const auto at = FirstLine(c, Command::Game, "code")) {
        screens.Check("the code puzzle", CodePuzzlePictures(), *at);
    }
    if (const auto at = FirstLine(c, Command::Game, "necro")) {
        screens.Check("the phone game", NecroPictures(), *at);
    }
    const auto menuCards = FirstOf(MainMenuCards(c), MenuAction(c, "cards"));
    if (menuCards) screens.Check("the card table", CardTablePictures(true), *menuCards);
    if (const auto at = FirstLine(c, Command::Game, "cards")) {
        screens.Check("the card table", CardTablePictures(false), *at);
    }
}

}  // namespace orvane::lint
