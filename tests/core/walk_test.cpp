// The walk: one square per tick, the finish on square 100, where tokens are drawn, and the
// hand-over to the next player.
#include "GameHarness.h"

namespace kivo::test {
namespace {

TEST(Walk, ThreeFromTheStart) {
    Game g;
    g.throwDie(3);
    g.rules.cmdmove_Click();
    g.v.takeLog();
    for (int square = 1; square <= 3; ++square) {
        SCOPED_TRACE(square);
        g.rules.tmov_Timer();
        EXPECT_EQ(g.v.takeLog(), stepOnto(0, square));
        EXPECT_EQ(g.s.pos[0], code(square));
        EXPECT_EQ(g.s.stp, square + 1);
        EXPECT_TRUE(g.enabled(Ctl::tmov));
    }
    g.rules.tmov_Timer();  // lands on square 3: nothing there, the turn passes
    EXPECT_EQ(g.v.takeLog(), turnPassedTo(g, 1));
    EXPECT_EQ(g.s.pos[0], code(3));
    EXPECT_EQ(g.drawn(0), squareSpot(0, 3));
    EXPECT_EQ(g.s.turn, 1);
    EXPECT_TRUE(g.v.messages.empty());
}

TEST(Walk, MoveClosesReadyForTheNextThrow) {
    Game g(3);
    g.throwDie(3);
    g.walk();
    EXPECT_EQ(g.s.scr, 0);
    EXPECT_FALSE(g.enabled(Ctl::tmov));
    EXPECT_FALSE(g.enabled(Ctl::tdie));
    EXPECT_FALSE(g.enabled(Ctl::cmdmove));
    EXPECT_TRUE(g.enabled(Ctl::cmdshuffle));
    EXPECT_EQ(g.v.focus, "cmdshuffle");
    // The marker sits on the next token, which shows now with the marker's colour.
    EXPECT_TRUE(g.visible(Ctl::Strn));
    EXPECT_EQ(g.at(Ctl::Strn).left, g.at(Ctl::plr, 1).left);
    EXPECT_EQ(g.at(Ctl::Strn).top, g.at(Ctl::plr, 1).top);
    EXPECT_TRUE(g.visible(Ctl::plr, 1));
    EXPECT_EQ(g.at(Ctl::plr, 1).back, g.at(Ctl::Strn).back);
    EXPECT_FALSE(g.visible(Ctl::plr, 2)) << "only the next token is shown";
    // The die keeps showing the last throw.
    EXPECT_EQ(g.at(Ctl::lscr).caption, " 3");
    EXPECT_TRUE(g.visible(Ctl::f, 3));
}

TEST(Walk, TurnWrapsAfterTheLastPlayer) {
    Game g(3);
    const int rolls[] = {1, 2, 3, 4};
    const int next[] = {1, 2, 0, 1};
    for (int i = 0; i < 4; ++i) {
        g.turn(rolls[i]);
        EXPECT_EQ(g.s.turn, next[i]);
        EXPECT_EQ(g.at(Ctl::Picptr).top, g.at(Ctl::pictrn, next[i]).top);
        EXPECT_EQ(g.at(Ctl::Strn).left, g.at(Ctl::plr, next[i]).left);
    }
    EXPECT_EQ(g.s.pos, (std::array<Small, 4>{code(5), code(2), code(3), 1}));
}

// Steps beyond square 100 are dropped and no landing tick follows.
struct FinishWalk {
    int from;
    std::vector<int> throws;
    int steps;
};

void PrintTo(const FinishWalk& c, std::ostream* os) {
    *os << "From" << c.from << "Throwing";
    for (int v : c.throws) *os << v;
}

class FinishWalkTest : public ::testing::TestWithParam<FinishWalk> {};

TEST_P(FinishWalkTest, StopsOnSquare100) {
    const FinishWalk& c = GetParam();
    Game g(3);
    g.s.pos[0] = code(c.from);
    g.throwDie(c.throws);
    g.v.onMessage = [&](const Message& m) {
        if (m.title != "CONGRATS...") return;
        EXPECT_EQ(g.s.pos[0], 101);
        EXPECT_EQ(g.drawn(0), squareSpot(0, 100));
    };
    EXPECT_EQ(g.walk(), c.steps);
    EXPECT_EQ(g.s.stp, c.steps + 1);
    ASSERT_FALSE(g.v.messages.empty());
    EXPECT_EQ(g.v.messages.back(), Message(board::kRankBoxes[0]));
    EXPECT_EQ(g.v.messages.size(), c.throws.size()) << "a lucky hand box at most, then the finish";
    EXPECT_EQ(g.s.turn, 0) << "the player behind took the finisher's slot";
    EXPECT_EQ(g.s.scr, 0);
    EXPECT_TRUE(g.enabled(Ctl::cmdshuffle));
}

INSTANTIATE_TEST_SUITE_P(Walk, FinishWalkTest,
                         ::testing::Values(FinishWalk{97, {5}, 3}, FinishWalk{97, {3}, 3},
                                           FinishWalk{94, {6, 1}, 6}, FinishWalk{90, {6, 4}, 10}),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

TEST(Walk, MoveWithNothingToWalkLandsAtOnce) {
    Game g;
    g.s.pos[0] = code(46);
    g.v.at({Ctl::cmdmove}).enabled = true;
    g.walk();
    EXPECT_EQ(g.s.pos[0], code(17)) << "the snake under the token acts";
    EXPECT_EQ(g.s.turn, 1);
}

TEST(Token, CentredOnEverySquare) {
    Game g(4);
    for (int p = 0; p < 4; ++p) {
        for (int n = 1; n <= 100; ++n) {
            g.rules.placeToken(p, n);
            const board::Box sq = board::square(n);
            const ControlState& t = g.at(Ctl::plr, p);
            ASSERT_EQ(t.left, (sq.width / 2 + sq.left) - t.width / 2) << p << " on " << n;
            ASSERT_EQ(t.top, (sq.height / 2 + sq.top) - t.height / 2) << p << " on " << n;
            ASSERT_EQ(t.back, board::colour(n)) << p << " on " << n;
        }
    }
    // The half twip is kept; plr(3) is 15 twips taller than the others.
    g.rules.placeToken(0, 1);
    EXPECT_EQ(g.drawn(0), (Spot{3577.5f, 8242.5f}));
    g.rules.placeToken(3, 1);
    EXPECT_EQ(g.drawn(3), (Spot{3577.5f, 8235.0f}));
    g.rules.placeToken(1, 10);
    EXPECT_EQ(g.drawn(1), (Spot{11137.5f, 8242.5f}));
    g.rules.placeToken(2, 100);
    EXPECT_EQ(g.drawn(2), (Spot{3577.5f, 682.5f}));
}

TEST(Token, StartSpotIsShared) {
    Game g(4);
    for (int p = 0; p < 4; ++p) {
        g.rules.placeToken(p, 50);
        g.rules.placeAtStart(p);
        EXPECT_EQ(g.drawn(p), (Spot{2780.0f, 8210.0f})) << p;
        EXPECT_EQ(g.at(Ctl::plr, p).back, 0x00404080u) << p;
    }
    EXPECT_FALSE(g.visible(Ctl::plr, 3)) << "drawing a token does not show it";
}

}  // namespace
}  // namespace kivo::test
