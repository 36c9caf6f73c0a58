#pragma once
// The board's message boxes as the players read them: prompt, icon and title. Each kind of box
// has a title of its own.

#include "BoardView.h"

namespace kivo {

struct Message {
    const char* prompt;
    int style;
    const char* title;
};

inline constexpr Message kLuckyHand{"You won one more chance...", kExclamation, "LUCKY HAND"};
inline constexpr Message kSnakeBite{"Oh no! it's a snake", kStop, "GO DOWN..."};
inline constexpr Message kLadderClimb{"wow! it's luck ", kInformation, "MOVE UP"};
inline constexpr Message kCollision{"It's collission!!move out", kExclamation, "COLLISSION......."};
inline constexpr Message kWinner[3] = {{"You are the first winner.", kInformation, "CONGRATS..."},
                                       {"You are the second winner.", kInformation, "CONGRATS..."},
                                       {"You are the third winner.", kInformation, "CONGRATS..."}};
inline constexpr Message kGameOver{"Game is over...", kInformation, "FINISH"};

inline void showMessage(BoardView& v, const Message& m) {
    v.msgBox(m.prompt, m.style, m.title);
}

}  // namespace kivo
