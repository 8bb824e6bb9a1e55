// The rules of the card game and its computer opponents: three players on a 36-card deck, the
// human (player 1) against player 2 (left) and player 3 (right). Attacks go round 1 -> 2 -> 3 -> 1;
// the defender beats every attack card or takes the table; the game ends as soon as a hand is
// empty. The class never draws: it tells a CardTableView what to show and when.
//
// How the table screen uses it:
// - Construct it with the screen as the view and GameState's `random` and `Triggers`.
// - Deal with DealCards(the wall clock's seconds since 1970, as GameState::SeedRandom takes
//   them) when the screen opens and on play again. Every computer move runs to completion inside
//   the call that set it off (a deal, a dropped card, the command button), pausing only through
//   CardTableView::Wait, so after each call the game waits for the human again, or has ended
//   (GameOver, after the view's ShowPlayAgain).
// - A hand card dropped on the table: PlayHumanCard(index in Hand(1)). The command button:
//   PressCommandButton(). Both do nothing once the game is over.
// - Draw from the public fields: Hands (compacted, in the order SortHands keeps), Talon places,
//   TableAttack/TableDefence (defence place k beats attack place k), TrumpSuit, Defender,
//   ActingPlayer; and the counts below. The command button acts while ActingPlayer is 1 and an
//   attack card lies on the table; AnyUndefended tells which of its states to draw.
// - The state dump's card keys: CardDumpValues (card_dump.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/random_generator.h"
#include "minigames/card.h"
#include "minigames/card_table_view.h"

namespace orvane {

class CardGame {
public:
    // The random generator and the trigger store are the engine's, shared with the script.
    CardGame(CardTableView& view, RandomGenerator& random, std::vector<std::string>& triggers)
        : view_(view), random_(random), triggers_(triggers) {}

    // Seeds the generator with `clockSeconds` and deals a new game; a deal that gives any player
    // six cards of one suit is thrown away and dealt again, continuing the same sequence. A
    // computer that attacks first has led when this returns.
    void DealCards(uint32_t clockSeconds);

    // The human drops the card at `index` of their hand on the table: an attack or throw-in while
    // player 2 or 3 defends, a defence of the last attack card while the human defends. Returns
    // whether the card was accepted; a refused card stays in the hand and the table is unchanged.
    bool PlayHumanCard(int index);
    // The command button: the defender takes, or, with every attack card beaten, the round ends.
    void PressCommandButton();

    // Lets `player` act: defend the last attack card, throw in, end the round, or lead, after which
    // `nextPlayer` answers at once. Player 1 here only hands the move to the human.
    void ComputerMove(int player, int nextPlayer);
    // Refills the hands from the talon, clears the table and checks for the end of the game.
    // Returns true when the game has ended.
    bool EndRound();
    // The human's hand from the highest trump down; a computer's from its lowest trump up, each
    // plain suit from its lowest card, so that its first fitting card is always its cheapest.
    void SortHands();
    bool Beats(const Card& card, const Card& target) const;
    // Sets the first of gal_trg51..gal_trg62 that has no value to "yes".
    void UnlockNextGalleryPicture();
    // The holder of the lowest trump among the first six places of each hand; else the only
    // holder of the lowest rank that exactly one player holds; else player 1 or 2 at random.
    int FirstAttacker();

    CardHand& Hand(int player) { return Hands[player - 1]; }
    const CardHand& Hand(int player) const { return Hands[player - 1]; }
    int HandCount(int player) const;
    int TalonCount() const;
    int AttackCount() const;
    bool AnyUndefended() const;

    CardHand Hands[3];
    CardTalon Talon;
    CardTable TableAttack;
    CardTable TableDefence;
    int TrumpSuit = 0;
    int ActingPlayer = 1;         // whose action the game waits for; 1 the human
    int Defender = 2;             // the attacker is the player before it in the cycle
    bool CardGameActive = false;  // set by the first deal, never cleared
    bool GameOver = false;        // from the end of a game until the next deal

private:
    void Deal();
    Card DrawNewCard(std::vector<Card>& dealt);
    bool ShowsEndOfGame(bool unlockOnLoss);
    void ShowYourTurn();
    void ClearTable();
    Card TakeFromHand(int player, int index);
    void TakeTable(int player);
    // The place of the first card of `player`'s hand that `fits`, or -1.
    template <class Fits>
    int FirstCardOf(int player, Fits fits) const;

    CardTableView& view_;
    RandomGenerator& random_;
    std::vector<std::string>& triggers_;
};

// The player after `player` in the cycle 1 -> 2 -> 3 -> 1.
inline int NextCardPlayer(int player) {
    return player % 3 + 1;
}

// The gallery's triggers that won games set to "yes", one a game, in this order.
std::vector<std::string> CardPrizeTriggers();

}  // namespace orvane
