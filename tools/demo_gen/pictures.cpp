#include "pictures.h"

#include "canvas.h"
#include "drawn_once.h"

namespace orvane::demo {
namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

Image BlackScreen() {
    return SolidImage(kScreenWidth, kScreenHeight, MakePixel(0, 0, 0));
}
Image WhiteScreen() {
    return SolidImage(kScreenWidth, kScreenHeight, MakePixel(255, 255, 255));
}
Image RedBox() {
    return SolidImage(20, 20, MakePixel(255, 0, 0));
}

}  // namespace

const std::vector<DemoPicture>& DemoPictures() {
    using enum PictureFormat;
    static const std::vector<DemoPicture> pictures = {
        {"blackscreen.jpg", Jpeg, BlackScreen},
        {"whitescreen.jpg", Jpeg, WhiteScreen},
        {"redbox.bmp", Bmp24, RedBox},
        // The opening strips are cut from these, so each is drawn once for both.
        {"bg_title.jpg", Jpeg, [] { return DrawnOnce(DrawTitleBackground); }},
        {"bg_forest.jpg", Jpeg, [] { return DrawnOnce(DrawForestBackground); }},
        {"bg_room.jpg", Jpeg, DrawRoomBackground},
        {"bg_sea.jpg", Jpeg, [] { return DrawnOnce(DrawSeaBackground); }},
        {"bg_nameentry.jpg", Jpeg, DrawNameEntryBackground},
        // The card table's portraits are cut from these.
        {"ch_anna.bmp", Bmp32, [] { return DrawnOnce(DrawAnna); }},
        {"ch_boris.bmp", Bmp32, [] { return DrawnOnce(DrawBoris); }},
        {"obj_lantern.bmp", Bmp32, DrawLantern},
        {"obj_bird.bmp", Bmp32, DrawBird},
        {"obj_fire1.bmp", Bmp32, DrawFire1},
        {"obj_fire2.bmp", Bmp32, DrawFire2},
        {"obj_fire3.bmp", Bmp32, DrawFire3},
        {"obj_panel.bmp", Bmp32, DrawTextPanel},
        {"topline.bmp", Bmp24, DrawTopLine},
        {"bottomline.bmp", Bmp24, DrawBottomLine},
        {"podlozhka.bmp", Bmp24, DrawBandUnderlay},
        {"strip1.jpg", Jpeg, DrawOpeningStrip1},
        {"strip2.jpg", Jpeg, DrawOpeningStrip2},
        {"strip3.jpg", Jpeg, DrawOpeningStrip3},
        {"right_button.jpg", Jpeg, DrawGameMenu},
        {"right_buttons.bmp", Bmp24, DrawGameMenuAndLoadButtons},
        {"saved.bmp", Bmp32, DrawSavedNotice},
        {"load.jpg", Jpeg, DrawLoadScreen},
        {"load_ramka.bmp", Bmp32, DrawLoadFrame},
        {"gallery.jpg", Jpeg, DrawGalleryScreen},
        {"not_opened.bmp", Bmp24, DrawGalleryClosed},
        {"bortzhur.bmp", Bmp32, DrawJournalBlank},
        {"bortzhur_save.bmp", Bmp32, DrawJournalPage},
        {"bortzhur_save_y.bmp", Bmp32, DrawJournalPageSaveLit},
        {"bortzhur_save_n.bmp", Bmp32, DrawJournalPageCloseLit},
        {"bortzhur_sure.bmp", Bmp32, DrawJournalQuestion},
        {"bortzhur_sure_y.bmp", Bmp32, DrawJournalQuestionYesLit},
        {"bortzhur_sure_n.bmp", Bmp32, DrawJournalQuestionNoLit},
        {"bortzhur_game_saved.bmp", Bmp32, DrawJournalSaved},
        {"code.bmp", Bmp32, DrawCodePanel},
        {"code_.bmp", Bmp32, DrawCodePanelPressed},
        {"code_digits.bmp", Bmp32, DrawCodeDigits},
        {"main_menu.jpg", Jpeg, DrawMainMenuPicture},
        {"main_menu2.jpg", Jpeg, DrawMainMenuToldPicture},
        {"options.jpg", Jpeg, DrawOptionsPicture},
        {"chapters.jpg", Jpeg, DrawChapterMenuPlain},
        {"chapters_start.jpg", Jpeg, DrawChapterMenuStartLit},
        {"chapters_forest.jpg", Jpeg, DrawChapterMenuForestLit},
        {"chapters_house.jpg", Jpeg, DrawChapterMenuHouseLit},
        {"chapters_sea.jpg", Jpeg, DrawChapterMenuSeaLit},
        {"chapters_back.jpg", Jpeg, DrawChapterMenuBackLit},
        {"chapters_screen.jpg", Jpeg, DrawChapterMenuScreenLit},
        {"coast_panorama.jpg", Jpeg, DrawPanoramaBackground},
        {"if_strip.bmp", Bmp24, DrawLookoutStrip},
        {"if_compass.bmp", Bmp24, DrawLookoutCompass},
        {"cards_all.bmp", Bmp32, DrawCardFaces},
        {"coat.bmp", Bmp32, DrawCardBack},
        {"deck.bmp", Bmp32, DrawCardTableFelt},
        {"bg_red_comp_space3.jpg", Jpeg, DrawCardRoom},
        {"avatar_right.jpg", Jpeg, DrawBorisPortrait},
        {"avatar_left.jpg", Jpeg, DrawAnnaPortrait},
        {"kozyr.bmp", Bmp24, DrawTrumpPlaque},
        {"kozyr_icons.bmp", Bmp32, DrawTrumpIconsAndRoles},
        {"cards_plashka.bmp", Bmp32, DrawTalonPlate},
        {"cards_left.bmp", Bmp24, DrawTalonLabel},
        {"numerals.bmp", Bmp24, DrawTalonDigits},
        {"cards_commands.bmp", Bmp32, DrawCardCommands},
        {"your_turn.bmp", Bmp32, DrawYourTurn},
        {"you_win.bmp", Bmp32, DrawYouWin},
        {"you_lose.bmp", Bmp32, DrawYouLose},
        {"take_green.bmp", Bmp32, DrawTakeGreen},
        {"play.bmp", Bmp24, DrawPlayAgainQuestion},
        {"play_y.bmp", Bmp24, DrawPlayAgainYesLit},
        {"play_n.bmp", Bmp24, DrawPlayAgainNoLit},
        {"phone.bmp", Bmp32, DrawPhone},
        {"phone_pressed.bmp", Bmp32, DrawPhonePressed},
        {"main_menu_necro.bmp", Bmp24, DrawPhoneMenu},
        {"necro_if.bmp", Bmp24, DrawPhoneStrips},
        {"foreground.bmp", Bmp32, DrawPhoneForeground},
        {"title1.bmp", Bmp24, DrawPhoneTitleMaker},
        {"title2.bmp", Bmp24, DrawPhoneTitleGame},
        {"dot.bmp", Bmp24, DrawPhoneNoPicture},
        {"necrofont1.bmp", Bmp32, DrawPhoneFontSigns},
        {"necrofont2.bmp", Bmp32, DrawPhoneFontSmall},
        {"necrofont3.bmp", Bmp32, DrawPhoneFontCapitals},
        {"necro_coast.jpg", Jpeg, DrawPhoneCoast},
        {"necro_stairs.jpg", Jpeg, DrawPhoneStairs},
        {"necro_lamp.jpg", Jpeg, DrawPhoneLampRoom},
        {"necro_dawn.jpg", Jpeg, DrawPhoneDawn},
        {"necro_ghost.bmp", Bmp32, DrawPhoneGhost},
        {"necro_boat.bmp", Bmp32, DrawPhoneBoat},
    };
    return pictures;
}

}  // namespace orvane::demo
