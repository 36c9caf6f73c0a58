// Thousands of whole games with rolls from a seeded generator, the handlers driven the way the
// window drives them (a button only while it is enabled, a timer only while it runs), and the
// board checked after every tick.
#include <chrono>
#include <cstdint>
#include <iostream>
#include <random>
#include <set>

#include "GameHarness.h"

namespace kivo::test {
namespace {

struct Tally {
    long games = 0, ticks = 0, rolls = 0, sixes = 0, collisions = 0;
    std::set<ControlRef> lines;  // every snake and ladder line that was shown
};

class WholeGame {
public:
    WholeGame(std::uint32_t seed, int players, Tally& tally)
        : die_(seed),
          tally_(tally),
          game_("seed " + std::to_string(seed) + ", " + std::to_string(players) + " players") {
        v_.logging = false;
        v_.onMessage = [this](const Message& m) { onMessage(m); };
        rules_.Form_Load(playersChoice(players));
    }

    // Plays to the end; false after the first broken rule, which is reported.
    bool play() {
        while (!rules_.ended() && ok_) {
            if (!expect(on(Ctl::cmdshuffle) && !on(Ctl::tdie) && !on(Ctl::tmov),
                        "waiting for a throw"))
                break;
            rules_.cmdshuffle_Click();
            while (on(Ctl::tdie) && ok_) dieTick();
            if (!ok_ || !expect(on(Ctl::cmdmove), "Move enabled after the throw")) break;
            rules_.cmdmove_Click();
            while (on(Ctl::tmov) && !rules_.ended() && ok_) walkTick();
        }
        if (ok_) {
            expect(s_.nwin == s_.plrmax, "the game ends when all but one have finished");
            expect(v_.ends == 1, "the process ends once");
        }
        ++tally_.games;
        return ok_;
    }

private:
    bool on(Ctl kind) const { return v_.at({kind}).enabled; }

    bool expect(bool good, const char* what) {
        if (!good && ok_) {
            ADD_FAILURE() << game_ << ", tick " << ticks_ << ": " << what;
            ok_ = false;
        }
        return good;
    }

    void afterTick() {
        ++tally_.ticks;
        if (++ticks_ > 200000) expect(false, "a game that never ends");
        expect(!(on(Ctl::tdie) && on(Ctl::tmov)), "at most one timer runs");
        for (int p = 0; p <= s_.lastplr; ++p)
            expect(s_.pos[p] >= 1 && s_.pos[p] <= 100, "position in range");
    }

    void dieTick() {
        const Small before = s_.scr;
        rules_.tdie_Timer();
        afterTick();
        if (s_.scr == before) return;
        const int roll = s_.scr - before;
        ++tally_.rolls;
        expect(roll >= 1 && roll <= 6, "a roll is 1 to 6");
        expect(roll != lastRoll_, "no value twice in a row");
        expect(v_.at({Ctl::f, roll}).visible, "the die shows the roll");
        expect(v_.at({Ctl::lscr}).caption == numberCaption(s_.scr), "the total is shown");
        if (roll == 6) ++tally_.sixes;
        lastRoll_ = roll;
    }

    void walkTick() {
        rules_.tmov_Timer();
        afterTick();
        if (on(Ctl::tmov) && !rules_.ended()) return;
        // The move is over: every token on the board stands on a square of its own.
        for (int p = 0; p <= s_.lastplr; ++p) {
            for (int q = p + 1; q <= s_.lastplr; ++q) {
                expect(s_.pos[p] <= 1 || s_.pos[p] != s_.pos[q], "two tokens on one square");
            }
        }
        if (!rules_.ended()) {
            expect(s_.turn >= 0 && s_.turn <= s_.lastplr, "the turn goes to a player in play");
            expect(s_.scr == 0 && on(Ctl::cmdshuffle) && !on(Ctl::cmdmove),
                   "ready for the next throw");
        }
    }

    void onMessage(const Message& m) {
        if (m.title == "COLLISSION.......") ++tally_.collisions;
        int shown = 0;
        for (Ctl kind : {Ctl::snk, Ctl::ldr}) {
            for (int i = 0; i < 11; ++i) {
                if (!v_.at({kind, i}).visible) continue;
                ++shown;
                tally_.lines.insert({kind, i});
            }
        }
        const bool jump = m.title == "GO DOWN..." || m.title == "MOVE UP";
        expect(shown == (jump ? 1 : 0), "a line shows exactly while its box is open");
    }

    BoardState s_;
    FakeView v_;
    SeededDie die_;
    BoardRules rules_{s_, v_, die_};
    Tally& tally_;
    std::string game_;
    long ticks_ = 0;
    int lastRoll_ = 0;
    bool ok_ = true;
};

// 3334 games for each number of players: 10002 in all.
class RandomPlay : public ::testing::TestWithParam<int> {};

TEST_P(RandomPlay, WholeGamesKeepTheRules) {
    const int players = GetParam();
    const std::uint32_t games = 3334;
    const auto started = std::chrono::steady_clock::now();
    Tally tally;
    for (std::uint32_t g = 0; g < games; ++g) {
        WholeGame game(7919u * g + static_cast<std::uint32_t>(players), players, tally);
        if (!game.play()) break;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "random play, " << players << " players: " << tally.games << " games, "
              << tally.ticks << " ticks, " << tally.rolls << " rolls, " << seconds << " s\n";
    RecordProperty("games", static_cast<int>(tally.games));
    RecordProperty("ticks", std::to_string(tally.ticks));
    RecordProperty("seconds", std::to_string(seconds));
    EXPECT_EQ(tally.games, games);
    // The run met every rule of the board.
    EXPECT_EQ(tally.lines.size(), 22u);
    EXPECT_GT(tally.collisions, 0);
    EXPECT_GT(tally.sixes, 0);
}

INSTANTIATE_TEST_SUITE_P(Players, RandomPlay, ::testing::Values(2, 3, 4),
                         [](const auto& info) { return std::to_string(info.param) + "Players"; });

}  // namespace
}  // namespace kivo::test
