#include <gtest/gtest.h>

#include "BoardRules.h"
#include "FakeView.h"

namespace kivo::test {

TEST(Smoke, ThreeThenWalk) {
    BoardState s;
    FakeView v;
    ScriptedDie die{3};
    BoardRules rules(s, v, die);
    rules.Form_Load({});
    rules.cmdshuffle_Click();
    for (int i = 0; i < 11; ++i) rules.tdie_Timer();
    EXPECT_EQ(s.scr, 3);
    rules.cmdmove_Click();
    for (int i = 0; i < 4; ++i) rules.tmov_Timer();
    EXPECT_EQ(s.pos[0], 4);
    EXPECT_EQ(s.turn, 1);
}

}  // namespace kivo::test
