#pragma once
// The board window's layout as plain data: every position in twips, every colour as
// 0x00BBGGRR. The window is built from it and the rules' tests start their view from it.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "Controls.h"

namespace kivo::form1 {

struct Rect {
    float left, top, width, height;
};

struct Font {
    const char* family;
    float points;
    bool bold;
    bool italic;
};

enum class Align { Left, Center };

// How a label looks. A transparent label shows what lies under it.
struct LabelLook {
    std::uint32_t fore;
    std::uint32_t back;
    bool opaque;
    Font font;
    Align align;
    bool autoSize;  // sized to its text
    bool border;    // single-line border
};

struct Segment {
    float x1, y1, x2, y2;
};

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

inline constexpr std::uint32_t kWindowText = 0x80000008;  // the system's window-text colour

// The window.
inline constexpr float kFormWidth = 11850;
inline constexpr float kFormHeight = 9000;
inline constexpr std::uint32_t kFormBack = 0x00404080;
inline constexpr std::uint32_t kFormFore = 0x00000000;

// Squares: square n is Lpos(n - 1).
Rect squareRect(int n);
std::uint32_t squareColor(int n);
std::string squareCaption(int n);
// What a screen reader says of square n: "46: snake down to 17", "7: ladder up to 26", "12".
std::string squareDescription(int n);
// The square whose rectangle holds the point, or 0 off the board.
int squareAt(float x, float y);
inline constexpr LabelLook kSquareLook{kWindowText, 0, true, {"Matisse ITC", 20.25f, true, false},
                                       Align::Center, false, false};

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

// The die: six frames at one place, each a silver square with black pips.
inline constexpr Rect kDieSquare{120, 240, 615, 615};
inline constexpr std::uint32_t kDieSilver = 0x00C0C0C0;
inline constexpr float kPipSize = 135;
std::span<const Pip> pips(int face);

// Fixed furniture the rules never touch.
inline constexpr Rect kLstart{1200, 8160, 1335, 585};
inline constexpr LabelLook kLstartLook{0x00FFC0FF, kFormBack, true, {"Matisse ITC", 24, false, true},
                                       Align::Left, true, false};
inline constexpr Segment kLine1{120, 3480, 3240, 3480};
inline constexpr int kLine1Px = 2;
inline constexpr Rect kWinnersLabel{360, 3600, 2055, 420};
inline constexpr LabelLook kWinnersLook{0x00C0E0FF, kFormBack, true,
                                        {"OCR A Extended", 20.25f, true, true}, Align::Left, true,
                                        false};
inline constexpr Rect kCredit{3450, 0, 8475, 465};
inline constexpr LabelLook kCreditLook{0x00E0E0E0, kFormBack, false,
                                       {"Tempus Sans ITC", 18, true, true}, Align::Center, false,
                                       false};
inline constexpr const char* kCreditText = "Kivo  -  snakes and ladders for two to four players";

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
inline constexpr Font kButtonFont{"Tempus Sans ITC", 12, true, false};

// Timers, in milliseconds.
inline constexpr int kTdieInterval = 10;
inline constexpr int kTmovInterval = 300;

// The design state of any control the rules touch.
Design design(ControlRef c);

// How many elements each control array has (1 for a single control).
int count(Ctl kind);

}  // namespace kivo::form1
