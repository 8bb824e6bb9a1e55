// What the card rules ask of the table screen. The rules never draw: they call these at the
// moments the game shows something, in the order a player sees it, so that a screen renders the
// game and a test records it.
#pragma once

namespace orvane {

class CardTableView {
public:
    virtual ~CardTableView() = default;

    // Copies the saved table background over the whole frame.
    virtual void RestoreBackground() = 0;
    // Draws the table from the rules' state (DrawCardTable) and presents it.
    virtual void DrawTable() = 0;
    // Draws the your-turn picture over the table; the rules present and wait afterwards.
    virtual void ShowYourTurn() = 0;
    // Draws the you-win (won) or you-lose picture; the rules present and wait afterwards.
    virtual void ShowEnd(bool won) = 0;
    virtual void Present() = 0;
    // A blocking pause, during which input is dropped.
    virtual void Wait(int ms) = 0;
    // The game has ended: switch to the play-again screen.
    virtual void ShowPlayAgain() = 0;
};

}  // namespace orvane
