#pragma once
// The board window's handlers and procedures: setting up a game, the die, the walk, the
// landing rules and the finishing order. Each acts on the game's record and, through the
// view, on the window's controls, in the order the players can see.

#include <array>
#include <string>

#include "BoardNews.h"
#include "BoardState.h"
#include "BoardView.h"
#include "DieSource.h"

namespace kivo {

// What the set-up window shows when "GO" is pressed.
struct SetupChoice {
    bool op2 = true;   // "Two"
    bool op3 = false;  // "Three"
    bool op4 = false;  // "Four"
    std::array<std::string, 4> names{"Player 1", "Player 2", "Player 3", "Player 4"};
};

// " 4", " 11": how a number is written into a caption.
std::string numberCaption(int n);

class BoardRules {
public:
    // news: who hears what happens, as it happens.
    BoardRules(BoardState& state, BoardView& view, DieSource& die, BoardNews& news)
        : s_(state), v_(view), die_(die), news_(news) {}
    BoardRules(BoardState& state, BoardView& view, DieSource& die)
        : BoardRules(state, view, die, silence_) {}

    // New game (the window's load handler).
    void Form_Load(const SetupChoice& setup);

    // The die.
    void cmdshuffle_Click();
    void tdie_Timer();
    void rolldie();
    void cmdmove_Click();

    // The walk.
    void tmov_Timer();
    void placeToken(int p, int n);
    void placeAtStart(int p);
    void passTurn();

    // Where the walk ends.
    void applyLandingRules();
    void finishPlayer();

    // True once "Game is over..." has ended the process; every handler is inert after it.
    bool ended() const { return ended_; }

private:
    void showFace(int pips);
    bool gameOverCheck();

    int square(int slot) const { return s_.pos[slot] - 1; }  // 0 at the start

    BoardNews silence_;
    BoardState& s_;
    BoardView& v_;
    DieSource& die_;
    BoardNews& news_;
    int walkFrom_ = 0;  // the square the walk started from
    bool ended_ = false;
};

}  // namespace kivo
