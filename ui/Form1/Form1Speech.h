#pragma once
// What a screen reader says of the board. It hears the rules' news and tells it where a
// reader finds it: in the name of the control that takes the focus for it ("Move, Ann rolled
// 4"; "Shuffle, Ann walked from 3 to 7. Bob's turn, at the start."), and, for what happens
// without the focus moving, in a notification (a slide, a climb, a token sent back, a finish,
// the game's end, its first turn). Squares, tokens, the die, the roll and the winners are named
// for a reader looking round the board.

#include <QString>

#include "BoardNews.h"
#include "BoardState.h"

namespace kivo::ui {

class Form1Window;
class Notice;

class BoardSpeech : public BoardNews {
public:
    BoardSpeech(Form1Window& board, const BoardState& state, Notice& notice);

    void gameSetUp(int players) override;
    void thrown(int value, int total) override;
    void walkEnded(int slot, int from, int to) override;
    void slid(int slot, int head, int tail) override;
    void climbed(int slot, int foot, int top) override;
    void sentBack(int slot, int square) override;
    void finished(int slot, int place) override;
    void turnPassed(int slot, int square) override;
    void gameOver() override;

private:
    QString name(int slot) const;  // as the board shows it
    void nameTokens();

    Form1Window& b_;
    const BoardState& s_;
    Notice& notice_;
    QString walk_;  // how the last walk ended, told when the turn passes
};

}  // namespace kivo::ui
