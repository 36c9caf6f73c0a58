// The die: "Shuffle", the ten animation ticks, the roll with its two rules, and "Move".
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "GameHarness.h"

namespace kivo::test {
namespace {

std::string face(int k) {
    std::string name = "f";  // "f" + std::string at -O3 draws a false -Wrestrict from GCC 12
    return name += std::to_string(k);
}

// The face with that many pips is shown, then the other five hidden, f1 to f6.
std::vector<std::string> faceShown(int pips) {
    std::vector<std::string> out{fx::vis(face(pips), true)};
    for (int k = 1; k <= 6; ++k) {
        if (k != pips) out.push_back(fx::vis(face(k), false));
    }
    return out;
}

// The closing tick: the die stops, "Move" is enabled and focused, then the roll is shown.
std::vector<std::string> closing(int value, int total) {
    std::vector<std::string> out{fx::en("tdie", false), fx::en("cmdmove", true),
                                 fx::focus("cmdmove"), fx::caption("lscr", numberCaption(total))};
    append(out, faceShown(value));
    return out;
}

// Presses "Shuffle" and runs the ten animation ticks; the next tick closes the throw.
void animate(Game& g) {
    g.rules.cmdshuffle_Click();
    for (int d = 0; d < 10; ++d) g.rules.tdie_Timer();
    g.v.takeLog();
}

void expectOnlyFace(const FakeView& v, int pips) {
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(v.at({Ctl::f, k}).visible, k == pips) << face(k);
}

TEST(Die, ShuffleStartsTheDie) {
    Game g;
    g.rules.cmdshuffle_Click();
    EXPECT_EQ(g.v.takeLog(),
              (std::vector<std::string>{fx::en("cmdshuffle", false), fx::en("tdie", true)}));
}

TEST(Die, TenAnimationTicks) {
    // Each tick shows a face and a caption one above it, six pips going with " 1".
    const int faces[10] = {1, 2, 3, 4, 5, 6, 1, 2, 3, 4};
    const char* const captions[10] = {" 2", " 3", " 4", " 5", " 6", " 1", " 2", " 3", " 4", " 5"};
    Game g;
    g.die.push(2);
    g.rules.cmdshuffle_Click();
    g.v.takeLog();
    for (int d = 0; d < 10; ++d) {
        SCOPED_TRACE("tick " + std::to_string(d + 1));
        g.rules.tdie_Timer();
        std::vector<std::string> expected{fx::caption("lscr", captions[d])};
        append(expected, faceShown(faces[d]));
        EXPECT_EQ(g.v.takeLog(), expected);
        EXPECT_EQ(g.s.dcount, d + 2);
        EXPECT_TRUE(g.enabled(Ctl::tdie));
        EXPECT_FALSE(g.enabled(Ctl::cmdmove));
        EXPECT_EQ(g.s.scr, 0) << "only the closing tick rolls";
    }
}

TEST(Die, ClosingTickEnablesMoveThenRolls) {
    Game g;
    g.die.push(4);
    animate(g);
    g.rules.tdie_Timer();
    EXPECT_EQ(g.v.takeLog(), closing(4, 4));
    EXPECT_EQ(g.s.dcount, 1);
    EXPECT_EQ(g.s.prevroll, 4);
    EXPECT_EQ(g.s.scr, 4);
    EXPECT_EQ(g.die.reseeds, 1) << "a draw follows its own reseed";
    EXPECT_TRUE(g.enabled(Ctl::cmdmove));
    EXPECT_FALSE(g.enabled(Ctl::cmdshuffle));
}

TEST(Die, MoveStartsTheWalk) {
    Game g;
    g.throwDie(2);
    g.s.stp = 9;
    g.v.takeLog();
    g.rules.cmdmove_Click();
    EXPECT_EQ(g.s.stp, 1);
    EXPECT_EQ(g.v.takeLog(),
              (std::vector<std::string>{fx::en("tmov", true), fx::en("cmdmove", false)}));
}

// A value equal to the last roll is drawn again, and leaves nothing behind on the board.
TEST(Die, RepeatIsThrownAwayWithoutTrace) {
    Game g;
    g.turn(3);
    const int reseeds = g.die.reseeds;
    for (int v : {3, 3, 3, 5}) g.die.push(v);  // the next player cannot throw a 3 either
    animate(g);
    g.rules.tdie_Timer();
    EXPECT_EQ(g.v.takeLog(), closing(5, 5));
    EXPECT_EQ(g.die.reseeds - reseeds, 4) << "every draw follows its own reseed";
    EXPECT_EQ(g.s.scr, 5);
    EXPECT_EQ(g.s.prevroll, 5);
}

// A six earns one more throw. Its face and total are on show while the box is open; once the
// box is gone "Move" waits for the extra throw, whose closing tick enables it again.
TEST(Die, SixShowsThenThrowsAgain) {
    Game g;
    g.die.push(6);
    g.die.push(3);
    int boxes = 0;
    g.v.onMessage = [&](const Message& m) {
        ++boxes;
        EXPECT_EQ(m, Message(board::kLuckyBox));
        expectOnlyFace(g.v, 6);
        EXPECT_EQ(g.at(Ctl::lscr).caption, " 6");
        EXPECT_EQ(g.s.dcount, 1);
        EXPECT_FALSE(g.enabled(Ctl::tdie));
        EXPECT_FALSE(g.enabled(Ctl::tmov));
        EXPECT_TRUE(g.enabled(Ctl::cmdmove));
    };
    animate(g);
    g.rules.tdie_Timer();
    std::vector<std::string> expected = closing(6, 6);
    append(expected, {fx::msg(board::kLuckyBox), fx::en("cmdmove", false),
                      fx::en("cmdshuffle", false), fx::en("tdie", true)});
    EXPECT_EQ(g.v.takeLog(), expected);
    EXPECT_EQ(boxes, 1);

    for (int d = 0; d < 10; ++d) {
        g.rules.tdie_Timer();
        EXPECT_FALSE(g.enabled(Ctl::cmdmove)) << "the extra throw is still running";
        EXPECT_FALSE(g.enabled(Ctl::tmov));
    }
    g.v.takeLog();
    g.rules.tdie_Timer();
    EXPECT_EQ(g.v.takeLog(), closing(3, 9));
    EXPECT_EQ(g.s.scr, 9);
    EXPECT_EQ(boxes, 1);
}

class SixTotalTest : public ::testing::TestWithParam<int> {};

TEST_P(SixTotalTest, BothThrowsAreWalked) {
    const int second = GetParam();
    Game g;
    g.s.pos[0] = code(30);
    EXPECT_EQ(g.throwDie({6, second}), 22);
    EXPECT_EQ(g.s.scr, 6 + second);
    EXPECT_EQ(g.at(Ctl::lscr).caption, numberCaption(6 + second));
    expectOnlyFace(g.v, second);
    EXPECT_EQ(g.v.messages.size(), 1u);
    EXPECT_EQ(g.walk(), 6 + second + 1) << "one walk covers both throws, then the landing tick";
}

INSTANTIATE_TEST_SUITE_P(Die, SixTotalTest, ::testing::Range(1, 6));

TEST(Die, ExtraThrowIsNeverASix) {
    Game g;
    g.throwDie({6, 6, 2});
    EXPECT_EQ(g.s.scr, 8);
    EXPECT_EQ(g.v.messages.size(), 1u);
    EXPECT_EQ(g.die.reseeds, 3);
}

// The real die behind a counter, so a die that keeps repeating itself fails instead of hanging.
TEST(ClockDie, FrozenClockStillRolls) {
    // A clock that never moves behind the scripted die, which counts its reseeds: a die stuck
    // on one value would reseed for ever.
    ClockDie clock{[] { return std::int64_t{1234567}; }};
    ScriptedDie die;
    die.then = &clock;
    die.maxReseeds = 100000;
    BoardState s;
    FakeView v;
    v.logging = false;
    BoardRules rules(s, v, die);
    rules.Form_Load(playersChoice(2));
    int counts[7] = {};
    for (int i = 0; i < 6000; ++i) {
        const Small before = s.prevroll;
        s.scr = 0;
        rules.rolldie();
        ASSERT_GE(s.scr, 1);
        ASSERT_LE(s.scr, 6);
        ASSERT_NE(s.scr, before);
        ASSERT_EQ(s.prevroll, s.scr);
        ++counts[s.scr];
    }
    for (int k = 1; k <= 6; ++k) {
        EXPECT_GT(counts[k], 850) << k;  // 1000 expected
        EXPECT_LT(counts[k], 1150) << k;
    }
}

TEST(ClockDie, FrozenClockDrawsAreSpread) {
    ClockDie die([] { return std::int64_t{-42}; });
    int counts[7] = {};
    int same = 0;
    float last = -1;
    for (int i = 0; i < 12000; ++i) {
        die.reseed();
        const float u = die.next();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        if (u == last) ++same;
        last = u;
        ++counts[dieValue(u)];
    }
    EXPECT_LT(same, 5);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_GT(counts[k], 1750) << k;  // 2000 expected
        EXPECT_LT(counts[k], 2250) << k;
    }
}

TEST(DieValue, EveryDrawGivesOneToSix) {
    // All 2^24 draws k / 2^24 that the die can yield, in order.
    std::int64_t counts[7] = {};
    int last = 1;
    for (std::uint32_t k = 0; k < (1u << 24); ++k) {
        const int v = dieValue(static_cast<float>(k) * 0x1p-24f);
        if (v < last || v > 6 || v > last + 1) {
            FAIL() << "draw " << k << " gives " << v << " after " << last;
        }
        last = v;
        ++counts[v];
    }
    for (int v = 1; v <= 6; ++v) {
        EXPECT_NEAR(static_cast<double>(counts[v]), (1 << 24) / 6.0, 2.0) << v;
    }
}

TEST(DieValue, Boundaries) {
    // The real die's extremes: no bits set, and every bit set.
    EXPECT_EQ(dieValue(unitDraw(0)), 1);
    EXPECT_LT(unitDraw(0xFFFFFFFFu), 1.0f);
    EXPECT_EQ(dieValue(unitDraw(0xFFFFFFFFu)), 6);
    EXPECT_EQ(dieValue(0.0f), 1);
    EXPECT_EQ(dieValue(std::nextafter(1.0f, 0.0f)), 6);
    for (int k = 1; k <= 5; ++k) {
        const float edge = static_cast<float>(k) / 6.0f;
        EXPECT_EQ(dieValue(edge - 1e-6f), k) << k;
        EXPECT_EQ(dieValue(edge + 1e-6f), k + 1) << k;
    }
    for (int v = 1; v <= 6; ++v) {
        EXPECT_EQ(dieValue((static_cast<float>(v) - 0.5f) / 6.0f), v);
    }
}

}  // namespace
}  // namespace kivo::test
