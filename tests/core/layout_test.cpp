// The board window's layout data: squares, markers, lines, captions, colours and die faces.
#include <set>
#include <utility>

#include "GameHarness.h"

namespace kivo::test {
namespace {

using layout::Rect;

bool within(const Rect& in, const Rect& out) {
    return in.left >= out.left && in.top >= out.top && in.left + in.width <= out.left + out.width &&
           in.top + in.height <= out.top + out.height;
}

bool same(const Rect& r, const board::Box& b) {
    return r.left == b.left && r.top == b.top && r.width == b.width && r.height == b.height;
}

// Square 1 at the bottom left, 10 at the bottom right, 11 above 10, 100 at the top left.
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

// The squares tile a 10 x 10 grid: consecutive squares are neighbours, the rows run right and
// left in turn, no two squares share a place, and each shows its caption and colour.
TEST(Layout, SquaresSnakeUpTheBoard) {
    const FakeView v;
    std::set<std::pair<float, float>> seen;
    for (int n = 1; n <= 100; ++n) {
        const Rect r = form1::squareRect(n);
        EXPECT_TRUE(same(r, board::square(n))) << n;
        EXPECT_TRUE(seen.insert({r.left, r.top}).second) << n;
        EXPECT_EQ(v.at({Ctl::Lpos, n - 1}).left, r.left) << n;
        EXPECT_EQ(v.at({Ctl::Lpos, n - 1}).top, r.top) << n;
        EXPECT_EQ(v.at({Ctl::Lpos, n - 1}).caption, board::caption(n)) << n;
        EXPECT_EQ(form1::squareCaption(n), board::caption(n)) << n;
        EXPECT_EQ(form1::squareColor(n), board::colour(n)) << n;
        EXPECT_EQ(form1::design({Ctl::Lpos, n - 1}).back, board::colour(n)) << n;
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

// A marker stands 120 twips in from its square's left edge, at its top, 495 x 735; its line
// runs from the marker's square (snake: left + 360, top + 600; ladder: left + 360, top + 120)
// to its far end, in the far square, hidden until its snake or ladder acts.
TEST(Layout, MarkersAndLines) {
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        const board::Box head = board::square(board::kHead[i]);
        const board::Box foot = board::square(board::kFoot[i]);
        EXPECT_TRUE(same(form1::snakeMarker(i), {head.left + 120, head.top, 495, 735}));
        EXPECT_TRUE(same(form1::ladderMarker(i), {foot.left + 120, foot.top, 495, 735}));

        const layout::Segment& s = form1::kSnakeLines[i];
        EXPECT_EQ(std::make_pair(s.x1, s.y1), std::make_pair(head.left + 360, head.top + 600));
        EXPECT_EQ(std::make_pair(s.x2, s.y2),
                  std::make_pair(board::kSnakeTailEnd[i].x, board::kSnakeTailEnd[i].y));
        EXPECT_TRUE(board::square(board::kTail[i]).contains(s.x2, s.y2));

        const layout::Segment& l = form1::kLadderLines[i];
        EXPECT_EQ(std::make_pair(l.x1, l.y1),
                  std::make_pair(board::kLadderTopEnd[i].x, board::kLadderTopEnd[i].y));
        EXPECT_TRUE(board::square(board::kTop[i]).contains(l.x1, l.y1));
        EXPECT_EQ(std::make_pair(l.x2, l.y2), std::make_pair(foot.left + 360, foot.top + 120));
        EXPECT_FALSE(form1::design({Ctl::snk, i}).visible);
        EXPECT_FALSE(form1::design({Ctl::ldr, i}).visible);
    }
}

TEST(Layout, Colours) {
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
