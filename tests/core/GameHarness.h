#pragma once
// A board on the fake window with a die that rolls what the test asks for, and the few moves a
// player makes: press "Shuffle" and let the die run out, press "Move" and let the token walk.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "Board.h"
#include "BoardRules.h"
#include "FakeView.h"
#include "Form1Layout.h"
#include "Tables.h"

namespace kivo::test {

inline const char* const kNames[4] = {"Ann", "Bob", "Cid", "Dot"};

inline SetupChoice playersChoice(int players) {
    SetupChoice c;
    c.op2 = players == 2;
    c.op3 = players == 3;
    c.op4 = players == 4;
    c.names = {kNames[0], kNames[1], kNames[2], kNames[3]};
    return c;
}

// Position code of a token standing on square n (0 is the start spot).
inline Small code(int square) {
    return static_cast<Small>(square + 1);
}

// Where a token is drawn: centred on its square, or on the start spot beside square 1.
struct Spot {
    float left, top;
    bool operator==(const Spot&) const = default;
};

inline layout::Rect tokenRect(int p) {
    return form1::design({Ctl::plr, p}).rect;
}

inline Spot squareSpot(int p, int square) {
    const board::Box sq = board::square(square);
    const layout::Rect t = tokenRect(p);
    return {(sq.width / 2 + sq.left) - t.width / 2, (sq.height / 2 + sq.top) - t.height / 2};
}

inline Spot startSpot(int p) {
    const board::Box first = board::square(1);
    return {first.left - (tokenRect(p).width + 100), first.top + 50};
}

// The log lines of the fake window (FakeView.h), and these built of them.
namespace fx {
inline std::string msg(const board::BoxText& b) {
    return msg(b.title, b.prompt, b.style);
}
inline std::string plr(int p) {
    return "plr(" + std::to_string(p) + ")";
}

// placeToken's three effects, and placeAtStart's.
inline std::vector<std::string> drawnOn(int p, int square) {
    const Spot s = squareSpot(p, square);
    return {back(plr(p), board::colour(square)), left(plr(p), s.left), top(plr(p), s.top)};
}
inline std::vector<std::string> drawnAtStart(int p) {
    const Spot s = startSpot(p);
    return {back(plr(p), form1::kFormBack), left(plr(p), s.left), top(plr(p), s.top)};
}
}  // namespace fx

inline void PrintTo(const Message& m, std::ostream* os) {
    *os << '"' << m.title << "\" \"" << m.prompt << "\" " << m.style;
}

// The first n effects of a log (all of it when shorter).
inline std::vector<std::string> head(const std::vector<std::string>& log, std::size_t n) {
    return {log.begin(), log.begin() + static_cast<std::ptrdiff_t>(std::min(n, log.size()))};
}

inline void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

struct Game {
    BoardState s;
    FakeView v;
    ScriptedDie die;
    BoardRules rules{s, v, die, v};

    explicit Game(int players = 2) {
        die.onceOut = ScriptedDie::OnceOut::kFail;
        rules.Form_Load(playersChoice(players));
        v.takeLog();
    }

    const ControlState& at(Ctl kind, int i = 0) const { return v.at({kind, i}); }
    bool enabled(Ctl kind) const { return at(kind).enabled; }
    bool visible(Ctl kind, int i = 0) const { return at(kind, i).visible; }
    Spot drawn(int p) const { return {at(Ctl::plr, p).left, at(Ctl::plr, p).top}; }

    // Presses "Shuffle" with these values queued and ticks tdie until it stops itself
    // (through the extra throw after a six). Returns the ticks handled.
    int throwDie(const std::vector<int>& values) {
        for (int x : values) die.push(x);
        EXPECT_TRUE(enabled(Ctl::cmdshuffle)) << "Shuffle pressed while disabled";
        rules.cmdshuffle_Click();
        int ticks = 0;
        for (; enabled(Ctl::tdie) && ticks < 100; ++ticks) rules.tdie_Timer();
        EXPECT_FALSE(enabled(Ctl::tdie)) << "the die never stopped";
        EXPECT_EQ(die.left(), 0u) << "values chosen but not rolled";
        return ticks;
    }
    int throwDie(int value) { return throwDie(std::vector<int>{value}); }

    // Presses "Move" and ticks tmov until it stops itself or the game is over.
    int walk() {
        EXPECT_TRUE(enabled(Ctl::cmdmove)) << "Move pressed while disabled";
        rules.cmdmove_Click();
        int ticks = 0;
        for (; enabled(Ctl::tmov) && !rules.ended() && ticks < 200; ++ticks) rules.tmov_Timer();
        EXPECT_TRUE(!enabled(Ctl::tmov) || rules.ended()) << "the walk never ended";
        return ticks;
    }

    // Presses "Move", walks every step, and hands back the effects of the landing tick alone.
    std::vector<std::string> landingTick() {
        rules.cmdmove_Click();
        while (s.stp <= s.scr) rules.tmov_Timer();
        v.takeLog();
        rules.tmov_Timer();
        return v.takeLog();
    }

    void turn(int value) {
        throwDie(value);
        walk();
    }

    // Brings the player to move onto square 100 with a throw that does not repeat the last.
    void finishNext() {
        const int r = s.prevroll == 3 ? 4 : 3;
        s.pos[s.turn] = static_cast<Small>(101 - r);
        turn(r);
    }
};

// passTurn's effects when it hands the move to player `next` and the game goes on.
inline std::vector<std::string> turnPassedTo(const Game& g, int next) {
    const std::string token = fx::plr(next);
    return {fx::top("Picptr", 960.0f + 600.0f * static_cast<float>(next)),
            fx::en("tmov", false),
            fx::en("cmdshuffle", true),
            fx::focus("cmdshuffle"),
            fx::top("Strn", g.at(Ctl::plr, next).top),
            fx::left("Strn", g.at(Ctl::plr, next).left),
            fx::vis("Strn", true),
            fx::back(token, form1::kMarkerColor),
            fx::vis(token, true)};
}

// One step of the walk: the marker hides, the token is drawn on the square and shown.
inline std::vector<std::string> stepOnto(int p, int square) {
    std::vector<std::string> out{fx::vis("Strn", false)};
    append(out, fx::drawnOn(p, square));
    out.push_back(fx::vis(fx::plr(p), true));
    return out;
}

}  // namespace kivo::test
