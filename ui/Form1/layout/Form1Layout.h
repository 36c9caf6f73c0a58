#pragma once
// The board window's layout as plain data: every position in twips, every colour as
// 0x00BBGGRR. The window is built from it and the rules' tests start their view from it.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "Controls.h"
#include "LayoutTypes.h"

namespace kivo::layout::form1 {

struct Pip {
    float left, top;
};

// The state a control of the rules starts in.
struct Design {
    Rect rect;
    bool visible;
    bool enabled;
    std::uint32_t back;
    std::string caption;
};

// The window.
inline constexpr std::uint32_t kFormBack = 0x00404080;
inline constexpr FormLook kForm{"Form1", 11850, 9000, kFormBack, "Kivo: board"};

// The board's left edge: the panel's names and winners stop there.
inline constexpr float kBoardLeft = 3480;

// Squares: square n is Lpos(n - 1).
Rect squareRect(int n);
std::uint32_t squareColor(int n);
std::string squareCaption(int n);
// The square whose rectangle holds the point, or 0 off the board.
int squareAt(float x, float y);
// The looks are kept as the layout's table rows.
// clang-format off
inline constexpr LabelLook kSquareLook{kWindowText, 0, true, {"Matisse ITC", 20.25f, true, false},
                                       Align::Center, false, false, true};

// clang-format on

// Snake and ladder markers stand on the head and foot squares; lines run head to tail and
// top to foot and show only while their message is open.
Rect snakeMarker(int i);
Rect ladderMarker(int i);
extern const std::array<Segment, 11> kSnakeLines;
extern const std::array<Segment, 11> kLadderLines;
inline constexpr std::uint32_t kSnakeLineColor = 0x000000FF;
inline constexpr std::uint32_t kLadderLineColor = 0x0000FFFF;
inline constexpr int kSnakeLadderLinePx = 3;

// Tokens and the turn marker.
inline constexpr std::uint32_t kTokenBack = 0x00400000;
inline constexpr std::uint32_t kMarkerColor = 0x00400000;
inline constexpr int kMarkerBorderPx = 6;

// The die: six frames at one place, each a silver square with a black border and black pips.
inline constexpr Rect kDieSquare{120, 240, 615, 615};
inline constexpr std::uint32_t kDieSilver = 0x00C0C0C0;
inline constexpr std::uint32_t kDieBorder = 0x00000000;
inline constexpr std::uint32_t kPipColor = 0x00000000;
inline constexpr float kPipSize = 135;
std::span<const Pip> pips(int face);

// Fixed furniture the rules never touch.
// clang-format off
inline constexpr Text kLstart{{1200, 8160, 1335, 585},
                                      "Start ->",
                                      {0x00FFC0FF, kFormBack, true, {"Matisse ITC", 24, false, true},
                                       Align::Left, true, false}};
inline constexpr Segment kLine1{120, 3480, 3240, 3480};
inline constexpr int kLine1Px = 2;
inline constexpr Text kLabel1{{360, 3600, 2055, 420},
                                      "Winners:",
                                      {0x00C0E0FF, kFormBack, true,
                                       {"OCR A Extended", 20.25f, true, true}, Align::Left, true,
                                       false}};
inline constexpr Text kLabel2{{3450, 0, 8475, 465},
                                      "Kivo  -  snakes and ladders for two to four players",
                                      {0x00E0E0E0, kFormBack, false,
                                       {"Tempus Sans ITC", 18, true, true}, Align::Center, false,
                                       false}};

// Looks of the controls the rules touch.
inline constexpr LabelLook kLpLook{0x00C0E0FF, kFormBack, true,
                                   {"Tempus Sans ITC", 14.25f, true, true}, Align::Left, true, false};
inline constexpr LabelLook kLplcLook{0x0080FFFF, kFormBack, true, {"MS Sans Serif", 18, true, false},
                                     Align::Left, true, false};
inline constexpr LabelLook kLwnrLook{0x00C0C000, kFormBack, true,
                                     {"Tempus Sans ITC", 14.25f, true, true}, Align::Left, true,
                                     false};
inline constexpr LabelLook kLscrLook{0x000000FF, 0x00FFFFC0, true, {"System", 19.5f, true, false},
                                     Align::Left, false, true};
inline constexpr std::uint32_t kButtonBack = 0x00404040;
// The layout leaves the captions' colour to the platform; light text reads on dark grey.
inline constexpr std::uint32_t kButtonFore = 0x00F0F0F0;
inline constexpr Font kButtonFont{"Tempus Sans ITC", 12, true, false};
// The keyboard visits the buttons in this order; "Shuffle" has the focus when the board opens.
inline constexpr Ctl kTabOrder[] = {Ctl::cmdshuffle, Ctl::cmdmove, Ctl::Cmdexit};

// clang-format on

// Timers, in milliseconds.
inline constexpr int kTdieInterval = 10;
inline constexpr int kTmovInterval = 300;

// The design state of any control the rules touch.
Design design(ControlRef c);

// How many elements each control array has (1 for a single control).
int count(Ctl kind);

}  // namespace kivo::layout::form1
