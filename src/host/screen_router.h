// Input of the screens that own a screen mode, handed to the screen that owns it: one line a
// hook. It sits here, above the mini-games, so that it reaches the shell's screens and theirs.
#pragma once

#include "minigames/card_table_screen.h"
#include "minigames/code_puzzle.h"
#include "minigames/necro_game.h"
#include "shell/screen_hooks.h"
#include "shell/shell.h"

namespace orvane {

class ScreenRouter : public ScreenHooks {
public:
    ScreenRouter(Shell& shell, CodePuzzle& codePuzzle, CardTableScreen& cards, NecroGame& necro)
        : shell_(shell), codePuzzle_(codePuzzle), cards_(cards), necro_(necro) {}

    // Menus and options.
    void MainMenuHover(int x, int y) override { shell_.menu.MainMenuHover(x, y); }
    void SectionMenuHover(int x, int y) override { shell_.menu.SectionMenuHover(x, y); }
    void MenuAction() override { shell_.menu.PerformMenuAction(); }
    void OptionsHover(int x, int y) override { shell_.options.Hover(x, y); }
    void OptionsClick(int x, int y) override { shell_.options.Click(x, y); }

    // The in-game menu with its panels, and the journal.
    void OpenGameMenu() override { shell_.gameMenu.Open(); }
    void CloseGameMenu() override { shell_.gameMenu.Close(); }
    void GameMenuHover(int x, int y) override { shell_.gameMenu.Hover(x, y); }
    void GameMenuClick() override { shell_.gameMenu.Click(); }
    void ConfirmPanelHover(int x, int y) override { shell_.gameMenu.PanelHover(x, y); }
    void ConfirmPanelClick(int x, int y) override { shell_.gameMenu.PanelClick(x, y); }
    void JournalHover(int x, int y) override { shell_.journal.Hover(x, y); }
    void JournalClick() override { shell_.journal.Click(); }

    // The load screen.
    void LoadCarouselHover(int x, int y) override { shell_.load.CarouselHover(x, y); }
    void LoadCarouselClick() override { shell_.load.CarouselClick(); }
    bool LoadActionBarHover(int x, int y) override { return shell_.load.ActionBarHover(x, y); }
    void LoadActionBarClick(int x, int y) override { shell_.load.ActionBarClick(x, y); }

    // The gallery.
    void GalleryHover(int x, int y) override { shell_.gallery.Hover(x, y); }
    void GalleryClick() override { shell_.gallery.Click(); }
    void GalleryFullViewClick() override { shell_.gallery.FullViewClick(); }

    // The code puzzle.
    void CodePuzzleHover(int x, int y) override { codePuzzle_.Hover(x, y); }
    void CodePuzzleClick(int, int) override { codePuzzle_.Click(); }

    // The phone game.
    void NecroHover(int x, int y) override { necro_.Hover(x, y); }
    void NecroClick(int x, int y) override { necro_.Click(x, y); }

    // The card table and its play-again question.
    void CardsClick(int x, int y) override { cards_.MouseDown(x, y); }
    void CardsHover(int x, int y) override { cards_.MouseMove(x, y); }
    bool CardBeingDragged() const override { return cards_.Dragging(); }
    void CardDrop(int x, int y) override { cards_.Drop(x, y); }
    void StartCardsFromMenu() override { cards_.StartFromMenu(); }
    bool ResumeAfterGameMenu(int mode) override { return cards_.ComeBack(mode); }

private:
    Shell& shell_;
    CodePuzzle& codePuzzle_;
    CardTableScreen& cards_;
    NecroGame& necro_;
};

}  // namespace orvane
