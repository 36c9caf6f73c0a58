// The rules tell what happens at the moment it happens: each piece of news stands among the
// window's effects just where the players see the thing happen, before its message box and
// before the focus moves for it.
#include "GameHarness.h"

namespace kivo::test {
namespace {

// The news line, with the effect just before it and the one just after.
void expectBetween(const std::vector<std::string>& log, const std::string& before,
                   const std::string& news, const std::string& after) {
    const auto it = std::find(log.begin(), log.end(), news);
    ASSERT_NE(it, log.end()) << news << " was not told";
    ASSERT_NE(it, log.begin()) << news << " was told first";
    ASSERT_NE(it + 1, log.end()) << news << " was told last";
    EXPECT_EQ(*(it - 1), before) << "before " << news;
    EXPECT_EQ(*(it + 1), after) << "after " << news;
}

std::vector<std::string> newsOf(const std::vector<std::string>& log) {
    std::vector<std::string> out;
    std::copy_if(log.begin(), log.end(), std::back_inserter(out),
                 [](const std::string& l) { return l.rfind("news ", 0) == 0; });
    return out;
}

struct Heard : Game {
    explicit Heard(int players) : Game(players) { v.hearNews = true; }
};

TEST(News, ThrowWalkAndTurn) {
    Heard g(3);
    g.rules.Form_Load(playersChoice(3));
    EXPECT_EQ(g.v.takeLog().back(), "news gameSetUp 3");

    g.throwDie({6, 2});  // a six and two: eight from the start
    std::vector<std::string> log = g.v.takeLog();
    expectBetween(log, fx::vis("f5", false), "news thrown 6 6", fx::msg(board::kLuckyBox));
    EXPECT_EQ(head(std::vector<std::string>(log.rbegin(), log.rend()), 2),
              (std::vector<std::string>{"news thrown 2 8", fx::vis("f6", false)}));
    EXPECT_EQ(newsOf(log), (std::vector<std::string>{"news thrown 6 6", "news thrown 2 8"}));

    g.walk();
    log = g.v.takeLog();
    // The landing tick tells the walk's end first; the turn passes before "Shuffle" takes the
    // focus, so its news is there when the focus arrives.
    expectBetween(log, fx::vis("plr(0)", true), "news walkEnded 0 0 8", fx::top("Picptr", 1560));
    expectBetween(log, fx::en("tmov", false), "news turnPassed 1 0", fx::en("cmdshuffle", true));
    EXPECT_EQ(newsOf(log),
              (std::vector<std::string>{"news walkEnded 0 0 8", "news turnPassed 1 0"}));
}

TEST(News, SnakeLadderAndSentBack) {
    Heard g(3);
    g.s.pos[0] = code(43);
    g.s.pos[2] = code(17);  // waits on the snake's tail
    g.throwDie(3);
    g.v.takeLog();
    g.walk();
    std::vector<std::string> log = g.v.takeLog();
    expectBetween(log, fx::vis("snk(0)", true), "news slid 0 46 17", fx::msg(board::kSnakeBox));
    expectBetween(log, fx::vis("snk(0)", false), "news sentBack 2 17",
                  fx::msg(board::kCollisionBox));
    EXPECT_EQ(newsOf(log), (std::vector<std::string>{"news walkEnded 0 43 46", "news slid 0 46 17",
                                                     "news sentBack 2 17", "news turnPassed 1 0"}));

    g.throwDie(2);  // Bob
    g.walk();
    g.s.pos[2] = code(3);
    g.throwDie(4);  // Cid: 3 to 7, up the ladder to 26
    g.v.takeLog();
    g.walk();
    log = g.v.takeLog();
    expectBetween(log, fx::vis("ldr(0)", true), "news climbed 2 7 26", fx::msg(board::kLadderBox));
}

TEST(News, FinishAndGameOver) {
    Heard g(2);
    g.s.pos[1] = code(57);
    g.finishNext();
    const std::vector<std::string> log = g.v.takeLog();
    expectBetween(log, fx::vis("plr(0)", true), "news walkEnded 0 97 100", "news finished 0 1");
    expectBetween(log, "news walkEnded 0 97 100", "news finished 0 1",
                  fx::msg(board::kRankBoxes[0]));
    expectBetween(log, fx::top("Picptr", 960), "news gameOver", fx::msg(board::kGameOverBox));
    EXPECT_EQ(newsOf(log).back(), "news gameOver");  // no turn passes after the end
}

}  // namespace
}  // namespace kivo::test
