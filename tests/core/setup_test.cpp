// A new game: the player rows that appear, the names, the pointer and the record's first values.
#include "GameHarness.h"

namespace kivo::test {
namespace {

struct SetupCase {
    int players;
    std::vector<std::string> shown;  // the controls made visible, in order
};

void PrintTo(const SetupCase& c, std::ostream* os) {
    *os << c.players << "Players";
}

class SetupTest : public ::testing::TestWithParam<SetupCase> {};

TEST_P(SetupTest, ShowsTheRowsThenNamesThenPointer) {
    const SetupCase& c = GetParam();
    BoardState s;
    FakeView v;
    ScriptedDie die;
    die.onceOut = ScriptedDie::OnceOut::kFail;  // the set-up throws nothing
    BoardRules rules(s, v, die);
    rules.Form_Load(playersChoice(c.players));

    std::vector<std::string> expected;
    for (const std::string& name : c.shown) expected.push_back(fx::vis(name, true));
    for (int i = 0; i < 4; ++i)
        expected.push_back(fx::caption("Lp(" + std::to_string(i) + ")", kNames[i]));
    expected.push_back(fx::top("Picptr", 960));  // level with pictrn(0), not its own 1080
    EXPECT_EQ(v.log, expected);

    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(v.at({Ctl::pictrn, i}).visible, i < c.players) << i;
        EXPECT_EQ(v.at({Ctl::Lp, i}).visible, i < c.players) << i;
        EXPECT_EQ(v.at({Ctl::Lp, i}).caption, kNames[i]) << "hidden rows get their names too";
    }
    for (int k = 0; k < 3; ++k) EXPECT_EQ(v.at({Ctl::Lplc, k}).visible, k < c.players - 1) << k;
}

INSTANTIATE_TEST_SUITE_P(
    Players, SetupTest,
    ::testing::Values(SetupCase{2, {}}, SetupCase{3, {"pictrn(2)", "Lp(2)", "Lplc(1)"}},
                      SetupCase{
                          4, {"pictrn(2)", "Lp(2)", "pictrn(3)", "Lp(3)", "Lplc(1)", "Lplc(2)"}}),
    [](const auto& info) { return ::testing::PrintToString(info.param); });

TEST(Setup, RecordStartsTheGame) {
    for (int players = 2; players <= 4; ++players) {
        SCOPED_TRACE(players);
        Game g(players);
        EXPECT_EQ(g.s.lastplr, players - 1);
        EXPECT_EQ(g.s.plrmax, players - 1);
        EXPECT_EQ(g.s.turn, 0);
        EXPECT_EQ(g.s.dcount, 1);
        EXPECT_EQ(g.s.scr, 0);
        EXPECT_EQ(g.s.nwin, 0);
        EXPECT_EQ(g.s.pos, (std::array<Small, 4>{1, 1, 1, 1}));
        EXPECT_EQ(g.s.op2, players == 2 ? kTrue : kFalse);
        EXPECT_EQ(g.s.op3, players == 3 ? kTrue : kFalse);
        EXPECT_EQ(g.s.op4, players == 4 ? kTrue : kFalse);
        EXPECT_EQ(g.s.snkhd, (std::array<Small, 11>{46, 52, 59, 65, 70, 74, 78, 85, 89, 93, 98}));
        EXPECT_EQ(g.s.snktl, (std::array<Small, 11>{17, 11, 15, 23, 2, 33, 9, 22, 51, 24, 13}));
        EXPECT_EQ(g.s.ldrft, (std::array<Small, 11>{7, 18, 21, 28, 36, 41, 50, 54, 58, 61, 66}));
        EXPECT_EQ(g.s.ldrtp, (std::array<Small, 11>{26, 39, 82, 55, 57, 77, 92, 88, 96, 99, 87}));
        // The die, the buttons and the tokens stay as the window was laid out.
        EXPECT_EQ(g.at(Ctl::lscr).caption, "??");
        for (int k = 1; k <= 6; ++k) EXPECT_FALSE(g.visible(Ctl::f, k));
        EXPECT_TRUE(g.enabled(Ctl::cmdshuffle));
        EXPECT_FALSE(g.enabled(Ctl::cmdmove));
        EXPECT_FALSE(g.enabled(Ctl::tdie));
        EXPECT_FALSE(g.enabled(Ctl::tmov));
    }
}

// "Cancel" then "Restart": the window is laid out afresh but the record is the old one.
TEST(Setup, NewGameOnTheSameRecord) {
    Game old(4);
    old.throwDie(4);
    old.rules.cmdmove_Click();
    old.rules.tmov_Timer();
    old.rules.tmov_Timer();  // "Cancel" in the middle of the walk
    old.s.nwin = 2;
    old.s.pos = {9, 30, 101, 57};
    old.s.turn = 3;
    ASSERT_EQ(old.s.stp, 3);
    BoardState& s = old.s;
    FakeView v;
    BoardRules rules(s, v, old.die);
    rules.Form_Load(playersChoice(2));
    EXPECT_EQ(s.stp, 3);
    EXPECT_EQ(s.lastplr, 1);
    EXPECT_EQ(s.plrmax, 1);
    EXPECT_EQ(s.nwin, 0);
    EXPECT_EQ(s.turn, 0);
    EXPECT_EQ(s.scr, 0);
    EXPECT_EQ(s.pos, (std::array<Small, 4>{1, 1, 1, 1}));
    // The new game's first throw cannot repeat the old game's last.
    EXPECT_EQ(s.prevroll, 4);
    old.die.push(4);
    old.die.push(1);
    rules.cmdshuffle_Click();
    for (int i = 0; i < 11; ++i) rules.tdie_Timer();
    EXPECT_EQ(s.scr, 1);
    EXPECT_EQ(v.at({Ctl::lscr}).caption, " 1");
    EXPECT_EQ(old.die.left(), 0u);
}

}  // namespace
}  // namespace kivo::test
