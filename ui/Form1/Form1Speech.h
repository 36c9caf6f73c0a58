#pragma once
// What a screen reader says of the board: every square, the die's faces, and the tokens, the
// roll display and the winners as the game changes them.

#include "Controls.h"

namespace kivo::ui {

class Form1Window;

// Names every control that has something to say; once, when the board is built.
void describeBoard(Form1Window& board);

// Keeps what is said of a control current after the rules changed it.
void describe(Form1Window& board, ControlRef c);

}  // namespace kivo::ui
