// orvane-lint on small games made here: a clean game lints clean, and each mistake the engine
// would pass over in silence is reported at its file and line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "minigames/card_table_screen.h"
#include "minigames/code_puzzle.h"
#include "minigames/necro_game.h"
#include "render/display.h"
#include "script/cinematic_pictures.h"
#include "shell/gallery_screen.h"
#include "shell/game_menu.h"
#include "shell/journal_screen.h"
#include "shell/load_screen.h"
#include "shell/menu_screen.h"
#include "shell/options_screen.h"
#include "support/game_folder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

// Scripts in the archive, lines given one a string; pictures as entries of any content.
const Files kBaseScripts = {
    {"master.scn",
     "scene start\n"
     "set bg level=1 align=center bg=bg_a\n"
     "set object level=2 align=:10:20 object=obj_b\n"
     "set text default name=/vhero/ voice=hello.wav text=Hello /vhero/\n"
     "if flag=1 goto second\n"
     "scene second\n"
     "set trigger flag=1\n"
     "set section menu=m\n"},
    {"objects.scn", "bg_a:bg_a.bmp\nobj_b:obj_b.bmp\n"},
    {"triggers.scn", "flag=0\n"},
    {"names.scn", "hero:Ann\n"},
    {"menus.scn",
     "menu m;\n"
     "bg=menu.bmp\n"
     "item:0:0:10:10 action=second bg=menu_lit.bmp\n"
     "back:0:20:10:30 action=main bg=menu_lit.bmp\n"
     "end\n"},
    {"interface.scn", "strip\n5:obj_b:0:700:0\nend\n"},
};
const std::vector<std::string> kPictures = {"bg_a.bmp", "obj_b.bmp", "menu.bmp", "menu_lit.bmp"};

// Every picture that a screen loads by its own name, so that a case can take one away.
std::set<std::string> ScreenPictures() {
    std::set<std::string> names;
    for (const FixedPictures& screen :
         {StartupPictures(), MainMenuPictures(true), GameMenuPictures(), OptionsPictures(),
          LoadScreenPictures(), GalleryPictures(), JournalPictures(), CodePuzzlePictures(),
          NecroPictures(), CardTablePictures(true), SpacingPictures()}) {
        for (const FixedPicture& picture : screen) names.insert(picture.name);
    }
    return names;
}

// The engine reads archive scripts with CR LF line ends.
std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char ch : text) out += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    return out;
}

struct Case {
    const char* what;
    Files scripts;                         // replace or add archive scripts
    Files loose;                           // loose files of the game folder
    const char* expected;                  // the start of the one line reported
    std::vector<std::string> absent = {};  // screen pictures left out of the archive
};

// The base master.scn has 8 lines; a case that appends starts at line 9.
std::string MasterPlus(const std::string& lines) {
    return kBaseScripts.at("master.scn") + lines;
}

const std::string kNecroStory =
    "phone story\n"
    "--\n"
    "SET TRIGGER 11_necro=1\n"
    "//SCREEN\n"
    "first:bg_a.bmp\n"
    "secondpic:dot.bmp\n"
    "//IF//go on//later\n"
    "//later\n"
    "//END//\n";

const std::vector<Case> kCases = {
    {"goto to a scene that is missing",
     {{"master.scn", MasterPlus("goto nowhere\n")}},
     {},
     "master.scn:9: error: jump to \"nowhere\": no line"},
    {"a jump target with capitals, read from the loose file that wins over the archive",
     {},
     {{"master.scn", MasterPlus("goto Second\n")}},
     "master.scn:9: error: jump to \"Second\": it has capital letters"},
    {"else goto to a missing scene",
     {{"master.scn", MasterPlus("if flag=1 goto second else goto gone\n")}},
     {},
     "master.scn:9: error: jump to \"gone\""},
    {"a menu action in upper case",
     {{"menus.scn", "menu m;\nbg=menu.bmp\nitem:0:0:10:10 action=Second bg=menu_lit.bmp\nend\n"}},
     {},
     "menus.scn:3: error: jump to \"Second\": it has capital letters"},
    {"a phone game ending without its scene",
     {{"master.scn", MasterPlus("game=necro\nscene 11xx_necro_off\n")},
      {"triggers.scn", "flag=0\n11_necro=0\n"},
      {"default.scn", kNecroStory}},
     {},
     "master.scn:9: error: the phone game goes on at scene \"11xx_necro_end\""},
    {"a phone game choice whose label is missing",
     {{"default.scn",
       "phone story\n--\n//SCREEN\nfirst:bg_a.bmp\nsecondpic:dot.bmp\n"
       "//IF//go on//nowhere\n//END//\n"}},
     {},
     "default.scn:6: error: the choice goes to \"//nowhere\""},
    {"a cycle that is not closed",
     {{"master.scn", MasterPlus("set cycle run:4:2\n1 obj_b\n")}},
     {},
     "master.scn:9: error: \"set cycle\" is not closed"},
    {"a playlist that is not closed",
     {{"master.scn", MasterPlus("set playlist\nsong.wav\n")}},
     {{"song.wav", "RIFF"}},
     "master.scn:9: error: \"set playlist\" is not closed"},
    {"dialogue holding a keyword tested first",
     {{"master.scn", MasterPlus("set text text=Look if you can\n")}},
     {},
     "master.scn:9: error: taken as \"if \", which is tested before \"set text\""},
    {"a line that matches no command",
     {{"master.scn", MasterPlus("Set text text=Hi\n")}},
     {},
     "master.scn:9: error: matches no command"},
    {"a number that does not parse",
     {{"master.scn", MasterPlus("move delay=0 start= 0:0 finish= 9:x time= 10:1 object=obj_b\n")}},
     {},
     "master.scn:9: error: finish= \"x\" is not a number"},
    {"an item that objects.scn lacks",
     {{"master.scn", MasterPlus("set character level=2 character=ch_nobody\n")}},
     {},
     "master.scn:9: error: item \"ch_nobody\" is not in objects.scn"},
    {"a catalogue picture that is neither loose nor in the archive",
     {{"objects.scn", "bg_a:bg_a.bmp\nobj_b:obj_b.bmp\nobj_c:obj_c.bmp\n"}},
     {},
     "objects.scn:3: error: picture \"obj_c.bmp\" is neither"},
    {"a voice that is in no folder and no Sounds.pak",
     {{"master.scn", MasterPlus("set text voice=gone.wav text=Hi\n")}},
     {},
     "master.scn:9: error: voice \"gone.wav\""},
    {"a music track that is not a loose file",
     {{"playlist.scn", "bg_a.bmp\n"}},
     {},
     "playlist.scn:1: error: track \"bg_a.bmp\" is not in the game folder"},
    {"a menu section that is missing",
     {{"master.scn", MasterPlus("set section menu=options2\n")}},
     {},
     "master.scn:9: error: menu \"options2\": menus.scn has no line"},
    {"an interface section that is missing",
     {{"master.scn", MasterPlus("set interface compass\n")}},
     {},
     "master.scn:9: error: interface \"compass\""},
    {"an interface item that objects.scn lacks",
     {{"master.scn", MasterPlus("set interface strip\n")},
      {"interface.scn", "strip\n5:if_gone:0:700:0\nend\n"}},
     {},
     "interface.scn:2: error: item \"if_gone\" is not in objects.scn"},
    {"a trigger tested that nothing declares",
     {{"master.scn", MasterPlus("if ghost=1 goto second\n")}},
     {},
     "master.scn:9: error: trigger \"ghost\" is not declared"},
    {"a trigger declared with capitals, which a condition never finds",
     {{"master.scn", MasterPlus("if lamp=1 goto second\nset trigger Lamp=1\n")},
      {"triggers.scn", "flag=0\nLamp=0\n"}},
     {},
     "master.scn:9: error: trigger \"lamp\" is declared with other capitals"},
    {"a trigger tested that nothing sets (a warning)",
     {{"master.scn", MasterPlus("if lamp=1 goto second\n")}, {"triggers.scn", "flag=0\nlamp=0\n"}},
     {},
     "master.scn:9: warning: nothing sets trigger \"lamp\""},
    {"a code.scn line without \";\"",
     {{"master.scn", MasterPlus("game=code\n")}, {"code.scn", "1 2 _;3\n2 4 _ 8\n1 _ 3;2\n"}},
     {},
     "code.scn:2: error: has no \";\""},
    {"a main menu variant whose line a screen cannot find",
     {{"master.scn", MasterPlus("set section menu=main_menu1\nset section menu=main_menu2 \n")},
      {"triggers.scn", "flag=0\nsys_1=0\n"}},
     {{"main_menu.jpg", "x"}},
     "master.scn:9: error: no line is exactly \"set section menu=main_menu2\""},
    {"a picture of the in-game menu, which any scene can open",
     {},
     {},
     "Orvane.pak: error: the in-game menu needs picture \"right_button.jpg\"",
     {"right_button.jpg"}},
    {"an optional picture of a screen (a warning)",
     {},
     {},
     "Orvane.pak: warning: the load screen needs picture \"load_ramka.bmp\"",
     {"load_ramka.bmp"}},
    {"a letter-box strip of the cinematic move (a warning)",
     {{"master.scn",
       MasterPlus("qmove delay=0 start= 0:0 finish= 9:9 params= 1:1 object=obj_b\n")}},
     {},
     "master.scn:9: warning: \"qmove \" needs picture \"topline.bmp\"",
     {"topline.bmp"}},
    {"a journal picture, at the line that opens the journal",
     {{"master.scn", MasterPlus("set journal\n")}},
     {},
     "master.scn:9: error: the journal needs picture \"bortzhur_sure.bmp\"",
     {"bortzhur_sure.bmp", "code.bmp"}},
    {"a card table picture, at the menu item that starts a game",
     {{"menus.scn", "menu m;\nbg=menu.bmp\nitem:0:0:10:10 action=cards bg=menu_lit.bmp\nend\n"}},
     {},
     "menus.scn:3: error: the card table needs picture \"deck.bmp\"",
     {"deck.bmp"}},
    {"a gallery picture, at the main menu that opens the gallery",
     {{"master.scn", MasterPlus("set section menu=main_menu1\nset trigger gal_a=yes\n")},
      {"triggers.scn", "flag=0\ngal_a=0\n"},
      {"gallery.scn", "gal_a:bg_a.bmp\n"}},
     {},
     "master.scn:9: error: the gallery needs picture \"gallery.jpg\"",
     {"gallery.jpg"}},
    {"a gallery line that the gallery cannot read",
     {{"gallery.scn", "gal_a\n"}},
     {},
     "gallery.scn:1: error: is not TRIGGER:PICTURE"},
    {"a gallery picture that is neither loose nor in the archive",
     {{"gallery.scn", "gal_a:gone.bmp\n"},
      {"triggers.scn", "flag=0\ngal_a=0\n"},
      {"master.scn", MasterPlus("set trigger gal_a=yes\n")}},
     {},
     "gallery.scn:1: error: picture \"gone.bmp\" is neither"},
    {"a gallery trigger not declared; a card game's prize is set by the game",
     {{"gallery.scn", "gal_trg51:bg_a.bmp\ngal_trg52:bg_a.bmp\n"},
      {"triggers.scn", "flag=0\ngal_trg51=\n"},
      {"master.scn", MasterPlus("game=cards\n")}},
     {},
     "gallery.scn:2: error: trigger \"gal_trg52\" is not declared"},
    {"a gallery trigger that nothing sets to \"yes\" (a warning)",
     {{"gallery.scn", "gal_a:bg_a.bmp\n"},
      {"triggers.scn", "flag=0\ngal_a=0\n"},
      {"master.scn", MasterPlus("set trigger gal_a=1\n")}},
     {},
     "gallery.scn:1: warning: nothing sets trigger \"gal_a\""},
};

// The base game in `folder`, with `scripts` in its archive in place of or beside the base ones.
void MakeGame(const testing::TempDir& folder, const Files& scripts, const Files& loose,
              const std::vector<std::string>& absent = {}) {
    Files all = kBaseScripts;
    for (const auto& [name, text] : scripts) all[name] = text;
    testing::GameArchive archive;
    for (const auto& [name, text] : all) archive.Script(name, WithCrLf(text));
    for (const std::string& picture : kPictures) archive.Entry(picture, "picture");
    for (const std::string& picture : ScreenPictures()) {
        if (std::find(absent.begin(), absent.end(), picture) == absent.end()) {
            archive.Entry(picture, "picture");
        }
    }
    archive.WriteTo(folder / "Orvane.pak");
    folder.Write("hello.wav", "RIFF");
    for (const auto& [name, bytes] : loose) folder.Write(name, bytes);
}

testing::ProgramResult Lint(const fs::path& folder) {
    return testing::RunProgram(testing::BinaryDir() / "orvane-lint", {folder.string()}, folder);
}

TEST(OrvaneLintTest, TheBaseGameIsClean) {
    testing::TempDir game;
    MakeGame(game, {}, {});
    const testing::ProgramResult result = Lint(game.path());
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(result.out, "");
}

TEST(OrvaneLintTest, EachMistakeIsReportedAtItsLine) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        testing::TempDir game;
        MakeGame(game, c.scripts, c.loose, c.absent);
        const testing::ProgramResult result = Lint(game.path());
        const bool warning = std::string(c.expected).find(": warning: ") != std::string::npos;
        EXPECT_EQ(result.exitCode, warning ? 0 : 1) << result.out << result.err;
        EXPECT_EQ(result.out.rfind(c.expected, 0), 0u) << result.out;
        EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1) << result.out;
    }
}

TEST(OrvaneLintTest, TheDemoGameLintsClean) {
    const fs::path demo = testing::BinaryDir() / "demo" / "game";
    ASSERT_TRUE(fs::exists(demo / "Orvane.pak")) << "build the demo_game target first";
    const testing::ProgramResult result = Lint(demo);
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
}

}  // namespace
}  // namespace orvane
