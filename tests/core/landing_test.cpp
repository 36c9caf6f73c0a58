// Where a walk ends: snakes, then ladders, then every other token on the square.
#include "GameHarness.h"

namespace kivo::test {
namespace {

using board::kCollisionBox;
using board::kLadderBox;
using board::kSnakeBox;

std::vector<Message> messages(std::initializer_list<Message> m) {
    return m;
}

// Puts player p where a throw of 2 ends the walk on `square`.
void twoShortOf(Game& g, int p, int square) {
    g.s.pos[p] = code(square - 2);
}

struct Jump {
    bool snake;
    int index;
    int from, to;
};

// The eleven snakes and eleven ladders of the board, head to tail and foot to top.
std::vector<Jump> allJumps() {
    std::vector<Jump> out;
    for (int i = 0; i < 11; ++i) out.push_back({true, i, board::kHead[i], board::kTail[i]});
    for (int i = 0; i < 11; ++i) out.push_back({false, i, board::kFoot[i], board::kTop[i]});
    return out;
}
const std::vector<Jump> kJumps = allJumps();

void PrintTo(const Jump& j, std::ostream* os) {
    *os << (j.snake ? "Snake" : "Ladder") << j.from << "To" << j.to;
}

std::string lineName(const Jump& j) {
    return (j.snake ? "snk(" : "ldr(") + std::to_string(j.index) + ")";
}

class JumpTest : public ::testing::TestWithParam<Jump> {};

// The line shows exactly while the box is open, the token waits on the square it reached,
// and only afterwards moves to the other end.
TEST_P(JumpTest, LineShowsWhileTheBoxIsOpen) {
    const Jump& j = GetParam();
    const Ctl line = j.snake ? Ctl::snk : Ctl::ldr;
    const board::BoxText& box = j.snake ? kSnakeBox : kLadderBox;
    Game g;
    twoShortOf(g, 0, j.from);
    g.throwDie(2);
    g.v.onMessage = [&](const Message&) {
        for (int i = 0; i < 11; ++i) {
            EXPECT_EQ(g.visible(Ctl::snk, i), line == Ctl::snk && i == j.index) << "snk " << i;
            EXPECT_EQ(g.visible(Ctl::ldr, i), line == Ctl::ldr && i == j.index) << "ldr " << i;
        }
        EXPECT_EQ(g.s.pos[0], code(j.from));
        EXPECT_EQ(g.drawn(0), squareSpot(0, j.from));
    };
    const std::vector<std::string> log = g.landingTick();
    EXPECT_EQ(g.v.messages, messages({box}));
    std::vector<std::string> expected{fx::vis(lineName(j), true), fx::msg(box)};
    append(expected, fx::drawnOn(0, j.to));
    expected.push_back(fx::vis(lineName(j), false));
    ASSERT_GT(log.size(), expected.size());
    EXPECT_EQ(head(log, expected.size()), expected);
    EXPECT_EQ(log[expected.size()], fx::top("Picptr", 1560)) << "then the turn passes";
    EXPECT_FALSE(g.visible(line, j.index));
    EXPECT_EQ(g.s.pos[0], code(j.to));
    EXPECT_EQ(g.drawn(0), squareSpot(0, j.to));
    EXPECT_EQ(g.at(Ctl::plr, 0).back, board::colour(j.to));
    EXPECT_EQ(g.s.turn, 1);
}

// A token already on the other end is sent back to the start after the jump.
TEST_P(JumpTest, OntoAnOccupiedSquare) {
    const Jump& j = GetParam();
    Game g;
    g.s.pos[1] = code(j.to);
    g.rules.placeToken(1, j.to);
    twoShortOf(g, 0, j.from);
    g.v.onMessage = [&](const Message& m) {
        if (m.title == kCollisionBox.title) {
            EXPECT_EQ(g.drawn(1), squareSpot(1, j.to)) << "still there";
        }
    };
    g.turn(2);
    EXPECT_EQ(g.v.messages, messages({j.snake ? kSnakeBox : kLadderBox, kCollisionBox}));
    EXPECT_EQ(g.s.pos[0], code(j.to));
    EXPECT_EQ(g.s.pos[1], 1);
    EXPECT_EQ(g.drawn(1), startSpot(1));
    EXPECT_TRUE(g.visible(Ctl::plr, 1));
}

INSTANTIATE_TEST_SUITE_P(Board, JumpTest, ::testing::ValuesIn(kJumps),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

TEST(Landing, TailsAndTopsStay) {
    for (const Jump& j : kJumps) {
        SCOPED_TRACE(j.to);
        Game g;
        twoShortOf(g, 0, j.to);
        g.turn(2);
        EXPECT_TRUE(g.v.messages.empty());
        EXPECT_EQ(g.s.pos[0], code(j.to));
        EXPECT_EQ(g.drawn(0), squareSpot(0, j.to));
    }
}

TEST(Landing, OtherTokenIsSentBack) {
    Game g;
    g.s.pos[1] = code(10);
    g.rules.placeToken(1, 10);
    twoShortOf(g, 0, 10);
    g.throwDie(2);
    g.v.onMessage = [&](const Message&) {
        EXPECT_EQ(g.s.pos[1], code(10)) << "the box comes first";
        EXPECT_EQ(g.drawn(1), squareSpot(1, 10));
    };
    std::vector<std::string> expected{fx::msg(kCollisionBox)};
    append(expected, fx::drawnAtStart(1));
    EXPECT_EQ(head(g.landingTick(), expected.size()), expected);
    EXPECT_EQ(g.v.messages, messages({kCollisionBox}));
    EXPECT_EQ(g.s.pos[0], code(10)) << "the moving token stays";
    EXPECT_EQ(g.s.pos[1], 1);
    EXPECT_EQ(g.drawn(1), startSpot(1));
}

TEST(Landing, EveryOtherTokenOnTheSquareIsSentBack) {
    Game g(4);
    g.s.turn = 2;
    for (int p : {0, 1, 3}) g.s.pos[p] = code(12);
    twoShortOf(g, 2, 12);
    g.throwDie(2);
    std::vector<std::string> expected;
    for (int p : {0, 1, 3}) {
        expected.push_back(fx::msg(kCollisionBox));
        append(expected, fx::drawnAtStart(p));
    }
    EXPECT_EQ(head(g.landingTick(), expected.size()), expected);
    EXPECT_EQ(g.s.pos, (std::array<Small, 4>{1, 1, code(12), 1}));
    EXPECT_EQ(g.s.turn, 3);
}

TEST(Landing, OntoSquareOneFromTheStart) {
    Game g;
    g.s.pos[1] = code(1);
    g.turn(1);
    EXPECT_EQ(g.v.messages, messages({kCollisionBox}));
    EXPECT_EQ(g.s.pos[1], 1);
    EXPECT_EQ(g.s.pos[0], code(1));
}

TEST(Landing, TokensAtTheStartNeverMeet) {
    Game g(4);
    g.v.takeLog();
    g.rules.applyLandingRules();
    EXPECT_TRUE(g.v.log.empty());
    EXPECT_EQ(g.s.pos, (std::array<Small, 4>{1, 1, 1, 1}));
}

// A slot emptied by a finisher keeps its old code; nobody stands there any more.
TEST(Landing, EmptiedSlotIsNotInTheWay) {
    Game g(3);
    g.s.lastplr = 1;
    g.s.pos[2] = code(12);
    twoShortOf(g, 0, 12);
    g.turn(2);
    EXPECT_TRUE(g.v.messages.empty());
    EXPECT_EQ(g.s.pos[2], code(12));
}

}  // namespace
}  // namespace kivo::test
