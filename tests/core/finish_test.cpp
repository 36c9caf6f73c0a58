// Square 100: the finisher is ranked and listed, the players behind move down a slot, and
// the game is over when one player is left.
#include "GameHarness.h"

namespace kivo::test {
namespace {

std::string figure(int p) {
    return "figure" + std::to_string(p);
}

// The boxes of a game whose first `finishers` finishers end it.
std::vector<Message> boxesUntilOver(int finishers) {
    std::vector<Message> out;
    for (int f = 0; f < finishers; ++f) out.push_back(board::kRankBoxes[f]);
    out.push_back(board::kGameOverBox);
    return out;
}

struct FinishCase {
    int players;
    int slot;  // who reaches square 100
};

void PrintTo(const FinishCase& c, std::ostream* os) {
    *os << c.players << "PlayersSlot" << c.slot;
}

class CompactionTest : public ::testing::TestWithParam<FinishCase> {};

// Where the others wait: slots 0 and 2 at the start, slot 1 on square 57, slot 3 on square 40.
const Small kWaiting[4] = {1, code(57), 1, code(40)};

TEST_P(CompactionTest, PlayersBehindMoveDown) {
    const auto [players, k] = GetParam();
    const int last = players - 1;
    Game g(players);
    for (int p = 0; p < 4; ++p) g.s.pos[p] = kWaiting[p];
    g.s.turn = static_cast<Small>(k);
    g.s.pos[k] = code(97);
    g.turn(3);

    ASSERT_FALSE(g.v.messages.empty());
    EXPECT_EQ(g.v.messages.front(), Message(board::kRankBoxes[0]));
    EXPECT_EQ(g.at(Ctl::Pwnr, 0).picture, figure(k));
    EXPECT_TRUE(g.visible(Ctl::Pwnr, 0));
    EXPECT_EQ(g.at(Ctl::lwnr, 0).caption, kNames[k]);
    EXPECT_TRUE(g.visible(Ctl::lwnr, 0));
    EXPECT_FALSE(g.visible(Ctl::Pwnr, 1));
    EXPECT_FALSE(g.visible(Ctl::lwnr, 1));

    // The list loses its last row, the board its last token.
    EXPECT_FALSE(g.visible(Ctl::pictrn, last));
    EXPECT_FALSE(g.visible(Ctl::Lp, last));
    EXPECT_FALSE(g.visible(Ctl::plr, last));
    for (int j = 0; j < last; ++j) {
        SCOPED_TRACE("slot " + std::to_string(j));
        const int from = j < k ? j : j + 1;  // the player now in slot j
        EXPECT_TRUE(g.visible(Ctl::pictrn, j));
        EXPECT_TRUE(g.visible(Ctl::Lp, j));
        EXPECT_EQ(g.at(Ctl::plr, j).picture, figure(from));
        EXPECT_EQ(g.at(Ctl::pictrn, j).picture, figure(from));
        EXPECT_EQ(g.at(Ctl::Lp, j).caption, kNames[from]);
        EXPECT_EQ(g.s.pos[j], kWaiting[from]);
        if (j >= k) {  // moved down: drawn again where that player stands
            EXPECT_TRUE(g.visible(Ctl::plr, j));
            EXPECT_EQ(g.drawn(j),
                      kWaiting[from] == 1 ? startSpot(j) : squareSpot(j, kWaiting[from] - 1));
        }
    }
    EXPECT_EQ(g.s.lastplr, players - 2);
    EXPECT_EQ(g.s.nwin, 1);
    if (players == 2) {
        EXPECT_EQ(g.v.messages, boxesUntilOver(1));
        EXPECT_TRUE(g.rules.ended());
        EXPECT_EQ(g.v.ends, 1);
        EXPECT_EQ(g.s.turn, 0);
    } else {
        EXPECT_EQ(g.v.messages.size(), 1u);
        EXPECT_FALSE(g.rules.ended());
        EXPECT_EQ(g.s.turn, k == last ? 0 : k) << "the player behind the finisher moves next";
        EXPECT_EQ(g.at(Ctl::Picptr).top, g.at(Ctl::pictrn, g.s.turn).top);
        EXPECT_EQ(g.at(Ctl::Strn).left, g.at(Ctl::plr, g.s.turn).left);
        EXPECT_TRUE(g.enabled(Ctl::cmdshuffle));
    }
}

INSTANTIATE_TEST_SUITE_P(Slots, CompactionTest,
                         ::testing::Values(FinishCase{2, 0}, FinishCase{2, 1}, FinishCase{3, 0},
                                           FinishCase{3, 1}, FinishCase{3, 2}, FinishCase{4, 0},
                                           FinishCase{4, 1}, FinishCase{4, 2}, FinishCase{4, 3}),
                         [](const auto& info) { return ::testing::PrintToString(info.param); });

TEST(Finish, StepsInOrder) {
    Game g(4);
    g.s.pos = {1, code(97), code(57), 1};
    g.s.turn = 1;
    g.throwDie(3);
    g.rules.cmdmove_Click();
    g.rules.tmov_Timer();
    g.rules.tmov_Timer();
    g.v.takeLog();
    g.rules.tmov_Timer();
    std::vector<std::string> expected = stepOnto(1, 100);
    append(expected,
           {fx::msg(board::kRankBoxes[0]), fx::picture("Pwnr(0)", figure(1)),
            fx::vis("Pwnr(0)", true), fx::vis("lwnr(0)", true), fx::caption("lwnr(0)", "Bob"),
            fx::vis("pictrn(3)", false), fx::vis("Lp(3)", false)});
    // Slot 1 takes the player on square 57, slot 2 the one at the start.
    expected.push_back(fx::picture("plr(1)", figure(2)));
    append(expected, fx::drawnOn(1, 57));
    append(expected, {fx::vis("plr(1)", true), fx::picture("pictrn(1)", figure(2)),
                      fx::caption("Lp(1)", "Cid"), fx::picture("plr(2)", figure(3))});
    append(expected, fx::drawnAtStart(2));
    append(expected, {fx::vis("plr(2)", true), fx::picture("pictrn(2)", figure(3)),
                      fx::caption("Lp(2)", "Dot"), fx::vis("plr(3)", false)});
    append(expected, turnPassedTo(g, 1));
    EXPECT_EQ(g.v.takeLog(), expected);
    EXPECT_EQ(g.s.lastplr, 2);
    EXPECT_EQ(g.s.pos[1], code(57));
    EXPECT_EQ(g.s.pos[2], 1);
}

TEST(Finish, WinnersListedInOrder) {
    Game g(4);
    g.s.pos = {code(97), 1, code(95), code(96)};
    g.turn(3);  // Ann finishes; Bob, Cid and Dot move down a slot
    g.turn(1);  // Bob steps onto square 1
    g.turn(5);  // Cid finishes; Dot moves down
    ASSERT_FALSE(g.rules.ended());
    ASSERT_EQ(g.s.turn, 1);
    g.turn(4);  // Dot finishes, and Bob is left
    EXPECT_EQ(g.v.messages, boxesUntilOver(3));
    const char* const winners[3] = {"Ann", "Cid", "Dot"};
    const int figures[3] = {0, 2, 3};
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(g.visible(Ctl::Pwnr, k)) << k;
        EXPECT_TRUE(g.visible(Ctl::lwnr, k)) << k;
        EXPECT_EQ(g.at(Ctl::Pwnr, k).picture, figure(figures[k])) << k;
        EXPECT_EQ(g.at(Ctl::lwnr, k).caption, winners[k]) << k;
    }
    EXPECT_TRUE(g.rules.ended());
    EXPECT_EQ(g.v.ends, 1);
    EXPECT_EQ(g.at(Ctl::Lp, 0).caption, "Bob");
}

class GameOverTest : public ::testing::TestWithParam<int> {};

TEST_P(GameOverTest, EndsWhenOnePlayerIsLeft) {
    const int players = GetParam();
    Game g(players);
    for (int f = 1; f < players; ++f) {
        ASSERT_FALSE(g.rules.ended()) << "over after " << f - 1 << " finishers";
        ASSERT_EQ(g.v.ends, 0);
        g.finishNext();
        EXPECT_EQ(g.s.nwin, f);
    }
    ASSERT_TRUE(g.rules.ended());
    EXPECT_EQ(g.v.ends, 1);
    EXPECT_EQ(g.s.nwin, g.s.plrmax);
    EXPECT_EQ(g.v.messages, boxesUntilOver(players - 1));
    // The pointer moves, the box shows, the process ends; the move is never closed.
    const std::vector<std::string>& log = g.v.log;
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[log.size() - 3], fx::top("Picptr", 960));
    EXPECT_EQ(log[log.size() - 2], fx::msg(board::kGameOverBox));
    EXPECT_EQ(log.back(), "end");
    EXPECT_NE(g.s.scr, 0);
    EXPECT_FALSE(g.enabled(Ctl::cmdshuffle));
}

INSTANTIATE_TEST_SUITE_P(Finish, GameOverTest, ::testing::Values(2, 3, 4));

TEST(Finish, NothingRunsAfterTheEnd) {
    Game g(2);
    g.finishNext();
    ASSERT_TRUE(g.rules.ended());
    g.v.takeLog();
    const BoardState before = g.s;
    g.die.push(2);
    g.rules.Form_Load(playersChoice(3));
    g.rules.cmdshuffle_Click();
    for (int i = 0; i < 12; ++i) g.rules.tdie_Timer();
    g.rules.cmdmove_Click();
    for (int i = 0; i < 3; ++i) g.rules.tmov_Timer();
    EXPECT_TRUE(g.v.log.empty());
    EXPECT_EQ(g.v.ends, 1);
    EXPECT_EQ(g.die.left(), 1u);
    EXPECT_EQ(g.s.pos, before.pos);
    EXPECT_EQ(g.s.turn, before.turn);
    EXPECT_EQ(g.s.lastplr, before.lastplr);
    EXPECT_EQ(g.s.scr, before.scr);
    EXPECT_EQ(g.s.stp, before.stp);
    EXPECT_EQ(g.s.dcount, before.dcount);
    EXPECT_EQ(g.s.nwin, before.nwin);
}

}  // namespace
}  // namespace kivo::test
