#pragma once
// What a screen reader says of the board: every square and die face; the tokens, the roll
// display, the turn pointer and the winners as the game changes them; who rolled what, on
// "Move"; how the last walk ended and whose turn it is, on "Shuffle"; and whom each message
// box concerns.

#include <QString>
#include <QStringList>
#include <string>

#include "BoardState.h"
#include "Controls.h"

namespace kivo::ui {

class Form1Window;

class BoardSpeech {
public:
    BoardSpeech(Form1Window& board, const BoardState& state) : b_(board), s_(state) {}

    // Names every control that has something to say; once, when the board is built.
    void nameAll();
    // Keeps what is said of a control current after the rules changed it.
    void changed(ControlRef c);
    // "Move" sets the current player's token walking.
    void walkStarts();
    // Whom the box about to open concerns: "Ann slides from 46 to 17".
    QString boxAbout(const std::string& title);

private:
    QString name(int slot) const;
    int square(int slot) const;     // 0 at the start
    QString where(int slot) const;  // "on square 12", "at the start"
    void rolled();
    void turnPassed();

    // What happened on the last walk, told once the turn has passed.
    struct Walk {
        int slot = -1;  // none yet
        QString name;
        QStringList via;       // "up the ladder from 7"
        QStringList sentBack;  // players sent back to the start
        int place = 0;         // 1 to 3 when the walk finished on 100
    };

    Form1Window& b_;
    const BoardState& s_;
    Walk walk_;
};

}  // namespace kivo::ui
