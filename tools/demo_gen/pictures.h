// The demo's pictures, each drawn by code. Everything drawn here is packed into the demo's
// archive (demo/pack_demo.cmake takes every picture of the staging folder).
#pragma once

#include <string_view>
#include <vector>

#include "base/image.h"

namespace orvane::demo {

// Backgrounds and the opening strips are JPEGs; the engine copies the letter-box strips and
// the band picture as they are (24-bit BMP) and blends characters and objects by the T byte
// that only a 32-bit BMP carries.
enum class PictureFormat { Jpeg, Bmp24, Bmp32 };

struct DemoPicture {
    std::string_view file;
    PictureFormat format;
    Image (*draw)();
};

const std::vector<DemoPicture>& DemoPictures();

// Backgrounds, 1024 x 768.
Image DrawTitleBackground();      // dusk over hills
Image DrawForestBackground();     // a sunlit clearing among firs
Image DrawRoomBackground();       // a cosy room in the evening
Image DrawSeaBackground();        // a beach on a clear day; the letter-boxed journey shows its top
Image DrawNameEntryBackground();  // a parchment card with a white field for the typed name

// Characters, 300 x 600, standing on the bottom edge.
Image DrawAnna();
Image DrawBoris();

// Objects.
Image DrawLantern();  // 120 x 200, with a see-through glow
Image DrawBird();     // a gull in flight
Image DrawFire1();    // three frames of a camp fire, the same size and the logs in the same place
Image DrawFire2();
Image DrawFire3();
Image DrawTextPanel();  // 1024 x 170, the see-through band behind the dialogue

// The letter-box: strips above and below the band and the picture in the band.
Image DrawTopLine();       // 1024 x 103
Image DrawBottomLine();    // 1024 x 98
Image DrawBandUnderlay();  // 1024 x 570

// The opening's three strips, 1024 x 190: glimpses of the places of the story.
Image DrawOpeningStrip1();
Image DrawOpeningStrip2();
Image DrawOpeningStrip3();

// The in-game menu: the menu screen (1024 x 768), the strip its yes/no panels are cut from
// (402 x 302) and the notice after a save (300 x 100).
Image DrawGameMenu();
Image DrawGameMenuPanels();
Image DrawSavedNotice();

// The load screen (1024 x 768), the frame of the save in its centre (402 x 303), and the buttons
// picture of the in-game menu's panels with the load screen's buttons and action bar added below
// them (402 x 302).
Image DrawLoadScreen();
Image DrawLoadFrame();
Image DrawGameMenuAndLoadButtons();

// The gallery (1024 x 768) with the load screen's buttons, and the picture of a locked entry that
// frames every entry too (402 x 302).
Image DrawGalleryScreen();
Image DrawGalleryClosed();

// The journal's pages, 1024 x 570: the empty book, the page with its save and close buttons
// (plain, save lit, close lit), the question whether to save (plain, yes lit, no lit) and the
// notice that the game was saved.
Image DrawJournalBlank();
Image DrawJournalPage();
Image DrawJournalPageSaveLit();
Image DrawJournalPageCloseLit();
Image DrawJournalQuestion();
Image DrawJournalQuestionYesLit();
Image DrawJournalQuestionNoLit();
Image DrawJournalSaved();

// The code puzzle: the keypad (1024 x 570), plain and with every key pressed, and the digits of
// its display (406 x 40).
Image DrawCodePanel();
Image DrawCodePanelPressed();
Image DrawCodeDigits();

// The main menu, 1024 x 768: over the dusk while the story is under way, over the sea once it is
// told.
Image DrawMainMenuPicture();
Image DrawMainMenuToldPicture();
// The options screen with its two volume bars, 1024 x 768.
Image DrawOptionsPicture();
// The chapter menu, 1024 x 768: plain, and with each of its items lit in turn (the four chapter
// cards, back to the main menu, full screen).
Image DrawChapterMenuPlain();
Image DrawChapterMenuStartLit();
Image DrawChapterMenuForestLit();
Image DrawChapterMenuHouseLit();
Image DrawChapterMenuSeaLit();
Image DrawChapterMenuBackLit();
Image DrawChapterMenuScreenLit();

// The card table: the 36 faces (860 x 537) and the back (54 x 77) of the deck; the felt laid
// over the scene (1024 x 298); the room behind a game from the main menu (1024 x 768, the top
// 570 rows shown); the opponents' portraits (166 x 87, Boris on the left, Anna on the right);
// the trump plaque (166 x 87) and the strip of trump icons and role labels (824 x 40); the talon
// counter's plate (200 x 32), label and digits (166 x 87 each); the command button's six states
// (996 x 32); "your turn" (166 x 87); the ends of a game and the unused green notice (200 x 32);
// the play-again question, plain and with yes or no lit (1024 x 768).
Image DrawCardFaces();
Image DrawCardBack();
Image DrawCardTableFelt();
Image DrawCardRoom();
Image DrawBorisPortrait();
Image DrawAnnaPortrait();
Image DrawTrumpPlaque();
Image DrawTrumpIconsAndRoles();
Image DrawTalonPlate();
Image DrawTalonLabel();
Image DrawTalonDigits();
Image DrawCardCommands();
Image DrawYourTurn();
Image DrawYouWin();
Image DrawYouLose();
Image DrawTakeGreen();
Image DrawPlayAgainQuestion();
Image DrawPlayAgainYesLit();
Image DrawPlayAgainNoLit();

// The lookout: the coast twice the screen's width (2048 x 768), the strip along the bottom
// (1024 x 60) and the compass (64 x 64) of its interface.
Image DrawPanoramaBackground();
Image DrawLookoutStrip();
Image DrawLookoutCompass();

// The phone game. The phone (400 x 740), plain and with every key pressed; on its display
// (176 x 220): the main menu (176 x 253), the picture of its highlights and panels (176 x 253),
// the frame over every screen (176 x 218), the maker's sign (95 x 108) and the game's title,
// and the 1 x 1 picture that stands for "no second picture".
Image DrawPhone();
Image DrawPhonePressed();
Image DrawPhoneMenu();
Image DrawPhoneStrips();
Image DrawPhoneForeground();
Image DrawPhoneTitleMaker();
Image DrawPhoneTitleGame();
Image DrawPhoneNoPicture();
// Its three bitmap fonts (196 x 220): "!" to "?", the small Cyrillic letters, the capitals.
Image DrawPhoneFontSigns();
Image DrawPhoneFontSmall();
Image DrawPhoneFontCapitals();
// The story's scenes (176 x 150) and figures.
Image DrawPhoneCoast();
Image DrawPhoneStairs();
Image DrawPhoneLampRoom();
Image DrawPhoneDawn();
Image DrawPhoneGhost();
Image DrawPhoneBoat();

}  // namespace orvane::demo
