#include "Form1Layout.h"

#include <algorithm>
#include <stdexcept>

#include "Tables.h"

namespace kivo::layout::form1 {

namespace {

// Square colours by row, bottom row first; entry k of a row is square 10 * row + k + 1.
// clang-format off
constexpr std::uint32_t kSquareColors[10][10] = {
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

constexpr Pip kFace1[] = {{360, 480}};
constexpr Pip kFace2[] = {{240, 360}, {480, 600}};
constexpr Pip kFace3[] = {{480, 360}, {360, 480}, {240, 600}};
constexpr Pip kFace4[] = {{360, 360}, {240, 480}, {480, 480}, {360, 600}};  // a diamond
constexpr Pip kFace5[] = {{240, 360}, {480, 360}, {360, 480}, {240, 600}, {480, 600}};
constexpr Pip kFace6[] = {{240, 360}, {360, 360}, {480, 360}, {240, 600}, {360, 600}, {480, 600}};
// clang-format on

bool contains(const std::array<Small, 11>& table, int n) {
    for (Small x : table) {
        if (x == n) return true;
    }
    return false;
}

void checkIndex(ControlRef c) {
    if (c.index < 0 || c.index >= count(c.kind) + (c.kind == Ctl::f ? 1 : 0) ||
        (c.kind == Ctl::f && c.index == 0)) {
        throw std::out_of_range("no such control: " + controlName(c));
    }
}

}  // namespace

Rect squareRect(int n) {
    const int r = (n - 1) / 10;
    const int c = (n - 1) % 10;
    const float left = kBoardLeft + 840.0f * static_cast<float>(r % 2 == 0 ? c : 9 - c);
    return {left, 8160.0f - 840.0f * static_cast<float>(r), 795, 750};
}

std::uint32_t squareColor(int n) {
    return kSquareColors[(n - 1) / 10][(n - 1) % 10];
}

// A marker hides the number of its square: ladder feet carry three blanks, snake heads seven
// (square 65 none at all).
std::string squareCaption(int n) {
    if (contains(kLadderFoot, n)) return "   ";
    if (n == 65) return "";
    if (contains(kSnakeHead, n)) return "       ";
    if (n == 64) return "64 ";
    return std::to_string(n);
}

int squareAt(float x, float y) {
    for (int n = 1; n <= 100; ++n) {
        const Rect r = squareRect(n);
        if (x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height) return n;
    }
    return 0;
}

Rect snakeMarker(int i) {
    const Rect sq = squareRect(kSnakeHead[i]);
    return {sq.left + 120, sq.top, 495, 735};
}

Rect ladderMarker(int i) {
    const Rect sq = squareRect(kLadderFoot[i]);
    return {sq.left + 120, sq.top, 495, 735};
}

// clang-format off
const std::array<Segment, 11> kSnakeLines{{
    {8040, 5400, 6600, 7440},  {10560, 4560, 11160, 7440}, {4680, 4560, 7800, 7440},
    {7200, 3720, 5760, 6600},  {11400, 3720, 4920, 8280},  {8880, 2880, 9480, 5880},
    {5520, 2880, 10440, 8400}, {7200, 2040, 4920, 6600},   {10560, 2040, 11160, 4200},
    {9720, 1200, 6600, 6720},  {5520, 1200, 9600, 7560},
}};

const std::array<Segment, 11> kLadderLines{{
    {8280, 7080, 8880, 8280},  {4920, 6240, 5520, 7440}, {4800, 1920, 3840, 6600},
    {8280, 4560, 9720, 6600},  {6600, 4560, 7200, 5760}, {6120, 2760, 3840, 4920},
    {10560, 1200, 11400, 4920}, {9600, 2040, 8880, 4080}, {6960, 1200, 5520, 4080},
    {4560, 1200, 3840, 3240},  {8640, 1920, 8040, 3240},
}};
// clang-format on

std::span<const Pip> pips(int face) {
    switch (face) {
        case 1: return kFace1;
        case 2: return kFace2;
        case 3: return kFace3;
        case 4: return kFace4;
        case 5: return kFace5;
        case 6: return kFace6;
        default: throw std::out_of_range("a die has six faces");
    }
}

int count(Ctl kind) {
    switch (kind) {
        case Ctl::Lpos: return 100;
        case Ctl::plr:
        case Ctl::pictrn:
        case Ctl::Lp: return 4;
        case Ctl::Lplc:
        case Ctl::Pwnr:
        case Ctl::lwnr: return 3;
        case Ctl::f: return 6;  // f1..f6
        case Ctl::snk:
        case Ctl::ldr: return 11;
        default: return 1;
    }
}

static Rect bounds(const Segment& s) {
    const float l = std::min(s.x1, s.x2);
    const float t = std::min(s.y1, s.y2);
    return {l, t, std::max(s.x1, s.x2) - l, std::max(s.y1, s.y2) - t};
}

Design design(ControlRef c) {
    checkIndex(c);
    const int i = c.index;
    const auto f = static_cast<float>(i);
    switch (c.kind) {
        case Ctl::Lpos:
            return {squareRect(i + 1), true, true, squareColor(i + 1), squareCaption(i + 1)};
        case Ctl::plr:
            return {{2760, 8280, 600, i == 3 ? 600.0f : 585.0f}, i == 0, true, kTokenBack, ""};
        case Ctl::Strn: return {{2760, 8280, 615, 615}, true, true, kMarkerColor, ""};
        case Ctl::Picptr: return {{240, 1080, 495, 375}, true, true, kFormBack, ""};
        case Ctl::pictrn: return {{840, 960 + 600 * f, 480, 480}, i < 2, true, kFormBack, ""};
        case Ctl::Lp:
            return {{1440, 1080 + 600 * f, 1635, 360}, i < 2, true, kFormBack, "1234567892"};
        case Ctl::Lplc:
            return {{120, 4320 + 720 * f, 435, 435},
                    i == 0,
                    true,
                    kFormBack,
                    std::to_string(i + 1) + " :"};
        case Ctl::Pwnr:
            return {{840, 4320 + 720 * f, i == 0 ? 480.0f : 255.0f, i == 0 ? 480.0f : 255.0f},
                    false,
                    true,
                    kFormBack,
                    ""};
        case Ctl::lwnr: return {{1440, 4320 + 720 * f, 885, 360}, false, true, kFormBack, "Label2"};
        case Ctl::f: return {{1440, 6960, 855, 975}, false, true, kFormBack, ""};
        case Ctl::lscr: return {{2400, 7200, 660, 660}, true, true, kLscrLook.back, "??"};
        case Ctl::snk: return {bounds(kSnakeLines[i]), false, true, kSnakeLineColor, ""};
        case Ctl::ldr: return {bounds(kLadderLines[i]), false, true, kLadderLineColor, ""};
        case Ctl::cmdmove: return {{120, 6840, 975, 615}, true, false, kButtonBack, "Move"};
        case Ctl::cmdshuffle: return {{120, 7560, 975, 615}, true, true, kButtonBack, "Shuffle"};
        case Ctl::Cmdexit: return {{120, 8280, 975, 615}, true, true, kButtonBack, "Cancel"};
        case Ctl::tdie:
        case Ctl::tmov: return {{0, 0, 0, 0}, true, false, 0, ""};
    }
    throw std::out_of_range("no such control");
}

}  // namespace kivo::layout::form1
