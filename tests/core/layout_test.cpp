// The board window's layout data: squares, markers, lines, captions, colours and die faces.
#include <set>
#include <tuple>
#include <utility>

#include "GameHarness.h"

namespace kivo::test {
namespace {

using layout::Rect;

bool inside(float x, float y, const Rect& r) {
    return x >= r.left && x <= r.left + r.width && y >= r.top && y <= r.top + r.height;
}

bool within(const Rect& in, const Rect& out) {
    return in.left >= out.left && in.top >= out.top && in.left + in.width <= out.left + out.width &&
           in.top + in.height <= out.top + out.height;
}

TEST(Layout, BoardCorners) {
    const std::pair<int, std::pair<float, float>> corners[] = {
        {1, {3480, 8160}},  {10, {11040, 8160}}, {11, {11040, 7320}},
        {20, {3480, 7320}}, {91, {11040, 600}},  {100, {3480, 600}},
    };
    for (const auto& [n, at] : corners) {
        const Rect r = form1::squareRect(n);
        EXPECT_EQ(r.left, at.first) << n;
        EXPECT_EQ(r.top, at.second) << n;
        EXPECT_EQ(r.width, 795) << n;
        EXPECT_EQ(r.height, 750) << n;
    }
}

// Consecutive squares are neighbours on the grid, and no two squares share a place.
TEST(Layout, SquaresSnakeUpTheBoard) {
    const FakeView v;
    std::set<std::pair<float, float>> seen;
    for (int n = 1; n <= 100; ++n) {
        const Rect r = form1::squareRect(n);
        EXPECT_TRUE(seen.insert({r.left, r.top}).second) << n;
        EXPECT_EQ(v.at({Ctl::Lpos, n - 1}).left, r.left) << n;
        EXPECT_EQ(v.at({Ctl::Lpos, n - 1}).top, r.top) << n;
        EXPECT_EQ(v.at({Ctl::Lpos, n - 1}).caption, form1::squareCaption(n)) << n;
        if (n == 1) continue;
        const Rect p = form1::squareRect(n - 1);
        if ((n - 1) % 10 == 0) {  // up one row, same column
            EXPECT_EQ(r.left, p.left) << n;
            EXPECT_EQ(r.top, p.top - 840) << n;
        } else {  // along the row, right on even rows and left on odd ones
            EXPECT_EQ(r.top, p.top) << n;
            EXPECT_EQ(r.left - p.left, ((n - 1) / 10) % 2 == 0 ? 840 : -840) << n;
        }
    }
}

TEST(Layout, MarkersStandOnTheirSquares) {
    // imsnk(i) and Imldr(i), as the board places them.
    const std::pair<float, float> snakeAt[11] = {
        {7800, 4800}, {10320, 3960}, {4440, 3960},  {6960, 3120}, {11160, 3120}, {8640, 2280},
        {5280, 2280}, {6960, 1440},  {10320, 1440}, {9480, 600},  {5280, 600}};
    const std::pair<float, float> ladderAt[11] = {
        {8640, 8160},  {5280, 7320}, {3600, 6480}, {9480, 6480}, {6960, 5640}, {3600, 4800},
        {11160, 4800}, {8640, 3960}, {5280, 3960}, {3600, 3120}, {7800, 3120}};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        const Rect s = form1::snakeMarker(i);
        const Rect l = form1::ladderMarker(i);
        EXPECT_EQ(std::make_pair(s.left, s.top), snakeAt[i]);
        EXPECT_EQ(std::make_pair(l.left, l.top), ladderAt[i]);
        EXPECT_EQ(std::make_pair(s.width, s.height), std::make_pair(495.0f, 735.0f));
        EXPECT_EQ(std::make_pair(l.width, l.height), std::make_pair(495.0f, 735.0f));
        EXPECT_TRUE(within(s, form1::squareRect(kSnakeHead[i])));
        EXPECT_TRUE(within(l, form1::squareRect(kLadderFoot[i])));
    }
}

TEST(Layout, LinesRunBetweenTheirSquares) {
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        const layout::Segment& s = form1::kSnakeLines[i];
        const Rect head = form1::squareRect(kSnakeHead[i]);
        EXPECT_EQ(s.x1, head.left + 360);
        EXPECT_EQ(s.y1, head.top + 600);
        EXPECT_TRUE(inside(s.x2, s.y2, form1::squareRect(kSnakeTail[i])));

        const layout::Segment& l = form1::kLadderLines[i];
        const Rect foot = form1::squareRect(kLadderFoot[i]);
        EXPECT_TRUE(inside(l.x1, l.y1, form1::squareRect(kLadderTop[i])));
        EXPECT_EQ(l.x2, foot.left + 360);
        EXPECT_EQ(l.y2, foot.top + 120);
        EXPECT_FALSE(form1::design({Ctl::snk, i}).visible);
        EXPECT_FALSE(form1::design({Ctl::ldr, i}).visible);
    }
    // Two in full, as drawn on the board.
    EXPECT_EQ(std::make_tuple(form1::kSnakeLines[6].x1, form1::kSnakeLines[6].y1,
                              form1::kSnakeLines[6].x2, form1::kSnakeLines[6].y2),
              std::make_tuple(5520.0f, 2880.0f, 10440.0f, 8400.0f));
    EXPECT_EQ(std::make_tuple(form1::kLadderLines[2].x1, form1::kLadderLines[2].y1,
                              form1::kLadderLines[2].x2, form1::kLadderLines[2].y2),
              std::make_tuple(4800.0f, 1920.0f, 3840.0f, 6600.0f));
}

TEST(Layout, SquareCaptions) {
    const std::set<int> feet{7, 18, 21, 28, 36, 41, 50, 54, 58, 61, 66};
    const std::set<int> heads{46, 52, 59, 70, 74, 78, 85, 89, 93, 98};
    for (int n = 1; n <= 100; ++n) {
        std::string expected = std::to_string(n);
        if (feet.count(n)) expected = "   ";
        if (heads.count(n)) expected = "       ";
        if (n == 65) expected = "";
        if (n == 64) expected = "64 ";
        EXPECT_EQ(form1::squareCaption(n), expected) << n;
    }
}

TEST(Layout, SquareColours) {
    // Bottom row first; entry k of a row is square 10 * row + k + 1.
    // clang-format off
    const std::uint32_t rows[10][10] = {
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
    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(form1::squareColor(n), rows[(n - 1) / 10][(n - 1) % 10]) << n;
        EXPECT_EQ(form1::design({Ctl::Lpos, n - 1}).back, form1::squareColor(n)) << n;
    }
    EXPECT_EQ(form1::kFormBack, 0x00404080u);
    EXPECT_EQ(form1::kTokenBack, 0x00400000u);
    EXPECT_EQ(form1::kSnakeLineColor, 0x000000FFu);
    EXPECT_EQ(form1::kLadderLineColor, 0x0000FFFFu);
}

TEST(Layout, DieFaces) {
    for (int face = 1; face <= 6; ++face) {
        const auto pips = form1::pips(face);
        ASSERT_EQ(pips.size(), static_cast<std::size_t>(face));
        std::set<std::pair<float, float>> distinct;
        for (const form1::Pip& p : pips) {
            distinct.insert({p.left, p.top});
            EXPECT_TRUE(
                within({p.left, p.top, form1::kPipSize, form1::kPipSize}, form1::kDieSquare))
                << face;
        }
        EXPECT_EQ(distinct.size(), pips.size()) << face;
    }
    const std::set<std::pair<float, float>> diamond{{360, 360}, {240, 480}, {480, 480}, {360, 600}};
    std::set<std::pair<float, float>> four;
    for (const form1::Pip& p : form1::pips(4)) four.insert({p.left, p.top});
    EXPECT_EQ(four, diamond);
    EXPECT_EQ(form1::pips(1)[0].left, 360);
    EXPECT_EQ(form1::pips(1)[0].top, 480);
}

// The controls the rules touch start as the window is laid out.
TEST(Layout, DesignState) {
    FakeView v;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(v.at({Ctl::plr, i}).visible, i == 0) << i;
        EXPECT_EQ(v.at({Ctl::plr, i}).height, i == 3 ? 600 : 585) << i;
        EXPECT_EQ(v.at({Ctl::pictrn, i}).top, 960 + 600 * i) << i;
        EXPECT_EQ(v.at({Ctl::Lp, i}).top, 1080 + 600 * i) << i;
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(v.at({Ctl::Lplc, k}).visible, k == 0) << k;
        EXPECT_EQ(v.at({Ctl::Lplc, k}).caption, std::to_string(k + 1) + " :") << k;
        EXPECT_FALSE(v.at({Ctl::Pwnr, k}).visible) << k;
        EXPECT_FALSE(v.at({Ctl::lwnr, k}).visible) << k;
        EXPECT_EQ(v.at({Ctl::lwnr, k}).top, 4320 + 720 * k) << k;
    }
    EXPECT_EQ(v.at({Ctl::Strn}).left, 2760);
    EXPECT_EQ(v.at({Ctl::Strn}).top, 8280);
    EXPECT_EQ(v.at({Ctl::Strn}).back, form1::kMarkerColor);
    EXPECT_EQ(v.at({Ctl::Picptr}).top, 1080);
    EXPECT_EQ(form1::kTdieInterval, 10);
    EXPECT_EQ(form1::kTmovInterval, 300);
}

}  // namespace
}  // namespace kivo::test
