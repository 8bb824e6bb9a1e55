// The card table (mode 3) and the play-again question after a game (mode 31): the screen side of
// CardGame. It loads the table's pictures, draws the table from the rules' state, lets the player
// drag hand cards onto the table and press the command button, and after a game offers another.
// A game from the script goes back to the script, after three replays at most; a game from the
// main menu may be replayed without limit and goes back to the main menu.
#pragma once

#include "archive/fixed_picture.h"
#include "minigames/card_dump.h"
#include "minigames/card_game.h"
#include "minigames/card_table_view.h"
#include "render/surface.h"

namespace orvane {

class Shell;

class CardTableScreen : public CardTableView {
public:
    explicit CardTableScreen(Shell& shell);

    // "game=cards" (the interpreter has moved ScriptPos past the line): the script waits.
    void StartFromScript();
    // The main menu's "cards": the table over a backdrop of its own.
    void StartFromMenu();
    // After the in-game menu, which took slots 12 and 13 for its own pictures: the table (mode 3)
    // or the play-again question (31) comes back as it was. False for any other mode.
    bool ComeBack(int mode);

    // Modes 3 and 31.
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    // Mode 3 while a card is dragged: the card is played when it lands between the opponents and
    // the command button, and goes back to the hand anywhere else.
    bool Dragging() const { return fields.CardDragging != 0 && game.CardGameActive; }
    void Drop(int x, int y);

    // Draws the whole table except the rows below 40 of the background, keeps it in slot 25 for
    // dragging, and presents.
    void DrawCardTable();

    // CardTableView.
    void RestoreBackground() override;
    void DrawTable() override { DrawCardTable(); }
    void ShowYourTurn() override;
    void ShowEnd(bool won) override;
    void Present() override;
    void Wait(int ms) override;
    void ShowPlayAgain() override;

    CardGame game;
    CardTableFields fields;

private:
    void Open(bool fromMenu);
    void ComposeMenuBackdrop();
    void LoadPictures();
    void Deal();

    void TableMove(int x, int y);
    void DrawRaisedCard(int place, int step);
    void DrawDraggedCard(int x, int y);
    void DrawButtonHighlight();
    void DrawCommandButton();
    void DrawTalonCounter();
    void DrawRoleLabels();

    void PlayAgainMove(int x, int y);
    void PlayAgainClick(int x, int y);
    void BackToScript();

    Shell& shell_;
    // Slot 12 as the table was composed: the in-game menu takes that slot, and the scene it was
    // made from is gone by then.
    Surface savedTable_;
};

// What the table loads; `fromMenu` adds the backdrop of a game started from a menu.
FixedPictures CardTablePictures(bool fromMenu);

}  // namespace orvane
