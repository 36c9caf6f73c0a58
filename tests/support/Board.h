#pragma once
// The board as the players know it, written down once for every test: where each snake and
// ladder runs, where the squares lie (twips), what each square says and its colour. Kept apart
// from the game's own tables on purpose, so a slip in those shows up against these.

#include <array>
#include <cstdint>
#include <string>

namespace kivo::board {

// Snake i runs from its head down to its tail, ladder i from its foot up to its top.
inline constexpr std::array<int, 11> kHead{46, 52, 59, 65, 70, 74, 78, 85, 89, 93, 98};
inline constexpr std::array<int, 11> kTail{17, 11, 15, 23, 2, 33, 9, 22, 51, 24, 13};
inline constexpr std::array<int, 11> kFoot{7, 18, 21, 28, 36, 41, 50, 54, 58, 61, 66};
inline constexpr std::array<int, 11> kTop{26, 39, 82, 55, 57, 77, 92, 88, 96, 99, 87};

// Where each line ends away from its marker's square: snake i's tail end, ladder i's top end.
struct Point {
    float x, y;
};
// clang-format off
inline constexpr std::array<Point, 11> kSnakeTailEnd{{
    {6600, 7440}, {11160, 7440}, {7800, 7440}, {5760, 6600}, {4920, 8280}, {9480, 5880},
    {10440, 8400}, {4920, 6600}, {11160, 4200}, {6600, 6720}, {9600, 7560}}};
inline constexpr std::array<Point, 11> kLadderTopEnd{{
    {8280, 7080}, {4920, 6240}, {4800, 1920}, {8280, 4560}, {6600, 4560}, {6120, 2760},
    {10560, 1200}, {9600, 2040}, {6960, 1200}, {4560, 1200}, {8640, 1920}}};
// clang-format on

// Ten squares to a row, 795 x 750 twips on a pitch of 840, square 1 at the bottom left; the
// rows run right and left in turn, so square 11 lies above square 10.
inline constexpr float kSquareWidth = 795, kSquareHeight = 750, kPitch = 840;
inline constexpr float kFirstLeft = 3480, kFirstTop = 8160;

struct Box {
    float left, top, width, height;
    bool contains(float x, float y) const {
        return x >= left && x <= left + width && y >= top && y <= top + height;
    }
};

constexpr int rowOf(int n) {
    return (n - 1) / 10;
}
// Counted from the left edge of the board, whichever way the row runs.
constexpr int columnOf(int n) {
    const int along = (n - 1) % 10;
    return rowOf(n) % 2 == 0 ? along : 9 - along;
}
constexpr Box square(int n) {
    return {kFirstLeft + kPitch * static_cast<float>(columnOf(n)),
            kFirstTop - kPitch * static_cast<float>(rowOf(n)), kSquareWidth, kSquareHeight};
}

template <std::size_t N>
constexpr bool isOneOf(const std::array<int, N>& squares, int n) {
    for (int s : squares)
        if (s == n) return true;
    return false;
}

// A marker hides its square's number: three blanks at a ladder's foot, seven at a snake's
// head, none at all on 65; 64 carries a blank after its number.
inline std::string caption(int n) {
    if (isOneOf(kFoot, n)) return "   ";
    if (n == 65) return "";
    if (isOneOf(kHead, n)) return "       ";
    if (n == 64) return "64 ";
    return std::to_string(n);
}

// Square colours, 0x00BBGGRR, bottom row first: entry k of a row is square 10 * row + k + 1.
// clang-format off
inline constexpr std::uint32_t kColours[10][10] = {
    {0xC46F9B, 0xFF80FF, 0x808000, 0xC0FFC0, 0xABA3F5, 0x3FA7DE, 0xE98C10, 0xFFC0C0, 0xFFFFC0, 0xC0C0FF},
    {0x80FFFF, 0xC0C0FF, 0xFFFFC0, 0xFFC0C0, 0xE98C10, 0x3FA7DE, 0xABA3F5, 0xC0FFC0, 0x808000, 0xFF80FF},
    {0x808000, 0xC0FFC0, 0xABA3F5, 0x3FA7DE, 0xE98C10, 0xFFC0C0, 0xFFFFC0, 0xC0C0FF, 0x80FFFF, 0xC061DC},
    {0xC0FFFF, 0xC061DC, 0x80FFFF, 0xC0C0FF, 0xFFFFC0, 0xFFC0C0, 0xE98C10, 0x3FA7DE, 0xABA3F5, 0xC0FFC0},
    {0xABA3F5, 0x3FA7DE, 0xE98C10, 0xFFC0C0, 0xFFFFC0, 0xC0C0FF, 0x80FFFF, 0xC061DC, 0xC0FFFF, 0xC6E974},
    {0xFFC0FF, 0xC6E974, 0xC0FFFF, 0xC061DC, 0x80FFFF, 0xC0C0FF, 0xFFFFC0, 0xFFC0C0, 0xE98C10, 0x3FA7DE},
    {0xE98C10, 0xFFC0C0, 0xFFFFC0, 0xC0C0FF, 0x80FFFF, 0xC061DC, 0xC0FFFF, 0xC6E974, 0xFFC0FF, 0xC0E0FF},
    {0xB08B1C, 0xC0E0FF, 0xFFC0FF, 0xC6E974, 0xC0FFFF, 0xC061DC, 0x80FFFF, 0xC0C0FF, 0xFFFFC0, 0xFFC0C0},
    {0xFFFFC0, 0xC0C0FF, 0x80FFFF, 0xC061DC, 0xC0FFFF, 0xC6E974, 0xFFC0FF, 0xC0E0FF, 0xB08B1C, 0xC0C000},
    {0x88CD2C, 0xC0C000, 0xB08B1C, 0xC0E0FF, 0xFFC0FF, 0xC6E974, 0xC0FFFF, 0xC061DC, 0x80FFFF, 0xC0C0FF},
};
// clang-format on
constexpr std::uint32_t colour(int n) {
    return kColours[rowOf(n)][(n - 1) % 10];
}

// The board's message boxes: prompt, icon (16 stop, 48 exclamation, 64 information), title.
struct BoxText {
    const char* prompt;
    int style;
    const char* title;
};
inline constexpr BoxText kLuckyBox{"You won one more chance...", 48, "LUCKY HAND"};
inline constexpr BoxText kSnakeBox{"Oh no! it's a snake", 16, "GO DOWN..."};
inline constexpr BoxText kLadderBox{"wow! it's luck ", 64, "MOVE UP"};
inline constexpr BoxText kCollisionBox{"It's collission!!move out", 48, "COLLISSION......."};
inline constexpr std::array<BoxText, 3> kRankBoxes{{
    {"You are the first winner.", 64, "CONGRATS..."},
    {"You are the second winner.", 64, "CONGRATS..."},
    {"You are the third winner.", 64, "CONGRATS..."},
}};
inline constexpr BoxText kGameOverBox{"Game is over...", 64, "FINISH"};

}  // namespace kivo::board
