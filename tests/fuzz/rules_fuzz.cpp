// The rules engine under libFuzzer: each input is a session at the board, played through the
// board window's real handlers on a checking window, with the board checked after every step.
//
// An input opens with a set-up, as "GO" hands it over:
//   a players byte p (2 + p % 3 players), then four names, each a length byte n followed by
//   1 + n % 16 bytes of the name (any bytes at all).
// Then actions, one byte each: the top three bits say what, the low five bits (a) how much.
//   0x00  "Shuffle" (only while it is enabled)
//   0x20  "Move" (only while it is enabled)
//   0x40  a + 1 ticks of tdie (each only while tdie runs)
//   0x60  a + 1 ticks of tmov (each only while tmov runs)
//   0x80  "Cancel": the board window closes and its timers stop with it
//   0xA0  "Restart": a set-up as above follows, and the board window loads afresh on the same
//         record (so the last roll still counts)
//   0xC0  the next a + 1 bytes go to the die; a byte b is drawn as b / 256
//   0xE0  a % 8 + 1 whole turns: "Shuffle", tdie until it stops, "Move", tmov until it stops
// A set-up cut short reads zeros. Once the die has no bytes left it cycles 1..6, and it never
// gives one value more than three times running, so the roll's re-draw always ends.
// After "Game is over..." every further action calls its handler at once, whatever is enabled,
// and must change nothing.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <memory>
#include <type_traits>

#include "Board.h"
#include "BoardRules.h"
#include "CheckingView.h"

namespace kivo::fuzz {
namespace {

struct Bytes {
    const std::uint8_t* p;
    std::size_t n;
    bool empty() const { return n == 0; }
    std::uint8_t next() { return n ? (--n, *p++) : 0; }
};

// Bytes drawn as b / 256 while they last, then 1..6 in turn; never one value more than three
// times running, so the roll's re-draw always ends; every draw after a reseed of its own.
test::ScriptedDie fuzzDie() {
    test::ScriptedDie die;
    die.longestRun = 3;
    die.reseedEachDraw = true;
    return die;
}

static_assert(std::has_unique_object_representations_v<BoardState>, "compared byte for byte");

enum class Op { Shuffle, Move, Tdie, Tmov };

const std::string kFigure[4] = {"figure0", "figure1", "figure2", "figure3"};

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

class Session {
public:
    explicit Session(Bytes in) : in_(in) {}

    void run() {
        load(setup());
        while (!in_.empty()) {
            const std::uint8_t b = in_.next();
            const int a = b & 31;
            switch (b >> 5) {
                case 0: step(Op::Shuffle); break;
                case 1: step(Op::Move); break;
                case 2:
                    for (int k = 0; k <= a; ++k) step(Op::Tdie);
                    break;
                case 3:
                    for (int k = 0; k <= a; ++k) step(Op::Tmov);
                    break;
                case 4:
                    if (!over_) close();
                    break;
                case 5: load(setup()); break;
                case 6:
                    for (int k = 0; k <= a; ++k)
                        die_.pushDraw(static_cast<float>(in_.next()) / 256.0f);
                    break;
                default: turns(a % 8 + 1); break;
            }
        }
    }

private:
    struct Before {
        BoardState s;
        long draws;
        int messages;
        std::array<int, kBoxes> shown;
    };

    SetupChoice setup() {
        SetupChoice c;
        players_ = 2 + in_.next() % 3;
        c.op2 = players_ == 2;
        c.op3 = players_ == 3;
        c.op4 = players_ == 4;
        for (std::string& name : c.names) {
            name.clear();
            for (int n = 1 + in_.next() % 16; n > 0; --n)
                name.push_back(static_cast<char>(in_.next()));
        }
        names_ = c.names;
        return c;
    }

    // "Cancel": the window and its controls go; the record stays.
    void close() {
        rules_.reset();
        view_.reset();
    }

    void load(const SetupChoice& c) {
        if (over_) return inert([&] { rules_->Form_Load(c); });
        close();
        view_ = std::make_unique<CheckingView>(s_);
        rules_ = std::make_unique<BoardRules>(s_, *view_, die_);
        const long draws = die_.draws;
        view_->watching = false;
        rules_->Form_Load(c);
        view_->watching = true;
        const CheckingView& v = *view_;
        check(s_.lastplr == players_ - 1 && s_.plrmax == s_.lastplr, "the set-up's player count");
        check(s_.turn == 0 && s_.nwin == 0 && s_.scr == 0 && s_.dcount == 1,
              "the set-up's counters");
        for (std::size_t i = 0; i < 11; ++i) {
            check(s_.snkhd[i] == board::kHead[i] && s_.snktl[i] == board::kTail[i] &&
                      s_.ldrft[i] == board::kFoot[i] && s_.ldrtp[i] == board::kTop[i],
                  "the set-up's tables");
        }
        check(s_.prevroll == lastRoll_ && die_.draws == draws,
              "the last roll carries over untouched");
        for (int j = 0; j < 4; ++j) {
            check(s_.pos[at(j)] == 1 && v.at({Ctl::Lp, j}).caption == names_[at(j)],
                  "a player set up");
            check(v.at({Ctl::pictrn, j}).visible == (j < players_) &&
                      v.at({Ctl::Lp, j}).visible == (j < players_),
                  "the list of players");
            if (j < 3)
                check(v.at({Ctl::Lplc, j}).visible == (j < players_ - 1), "the place numbers");
            slot_[at(j)] = j;
        }
        check(v.boxes() == 0 && v.at({Ctl::cmdshuffle}).enabled, "the set-up waits for a throw");
        between();
    }

    void call(Op op) {
        switch (op) {
            case Op::Shuffle: rules_->cmdshuffle_Click(); break;
            case Op::Move: rules_->cmdmove_Click(); break;
            case Op::Tdie: rules_->tdie_Timer(); break;
            case Op::Tmov: rules_->tmov_Timer(); break;
        }
    }

    // After the end of the process nothing a handler does may show.
    template <class F>
    void inert(F handler) {
        const BoardState s = s_;
        const long calls = view_->calls, draws = die_.draws;
        handler();
        check(std::memcmp(&s, &s_, sizeof s) == 0, "a handler changed the record after the end");
        check(view_->calls == calls && die_.draws == draws, "a handler ran after the end");
    }

    void step(Op op) {
        if (!rules_) return;  // no board window: nothing to click
        if (over_) return inert([&] { call(op); });
        constexpr Ctl kGate[] = {Ctl::cmdshuffle, Ctl::cmdmove, Ctl::tdie, Ctl::tmov};
        if (!view_->on(kGate[static_cast<int>(op)])) return;
        const Before b{s_, die_.draws, view_->boxes(), view_->shown};
        call(op);
        after(op, b);
    }

    void turns(int n) {
        for (int i = 0; i < n && rules_ && !over_; ++i) {
            step(Op::Shuffle);
            for (int k = 0; k < 40 && view_->on(Ctl::tdie) && !over_; ++k) step(Op::Tdie);
            step(Op::Move);
            for (int k = 0; k < 40 && view_->on(Ctl::tmov) && !over_; ++k) step(Op::Tmov);
        }
    }

    void after(Op op, const Before& b) {
        const CheckingView& v = *view_;
        const bool closing = op == Op::Tdie && b.s.dcount > 10;
        check((s_.prevroll != b.s.prevroll) == closing, "prevroll changed outside a closing tick");
        check((die_.draws != b.draws) == closing, "the die drawn outside a closing tick");
        if (op != Op::Tmov) check(s_.nwin == b.s.nwin, "a finish outside the walk");
        if (op == Op::Shuffle || op == Op::Move)
            check(v.boxes() == b.messages, "a button raised a box");
        if (op == Op::Tdie) closing ? rolled(b) : animated(b);
        if (op == Op::Tmov && s_.nwin != b.s.nwin) finished(b);
        if (v.ends) {
            check(v.ends == 1 && rules_->ended() && s_.nwin == s_.plrmax && s_.nwin == b.s.nwin + 1,
                  "the game ends with the finish of all but one");
            check(v.shown[kOver] == b.shown[kOver] + 1, "the game-over message");
            over_ = true;
            return;
        }
        check(!rules_->ended(), "the rules stopped without ending the process");
        if (op == Op::Tmov) walked(b);
        between();
    }

    void faceShown(int pips) const {
        for (int k = 1; k <= 6; ++k)
            check(view_->at({Ctl::f, k}).visible == (k == pips), "the die's face");
    }

    void rolled(const Before& b) {
        const CheckingView& v = *view_;
        const int roll = s_.prevroll;
        check(roll >= 1 && roll <= 6 && roll != lastRoll_,
              "a roll repeats the last one or leaves 1..6");
        lastRoll_ = s_.prevroll;
        check(s_.scr == b.s.scr + roll && s_.dcount == 1, "the roll adds to the turn's total");
        check(v.at({Ctl::lscr}).caption == numberCaption(s_.scr), "the total on the roll display");
        faceShown(roll);
        if (roll == 6) {
            check(v.shown[kLucky] == b.shown[kLucky] + 1 && v.boxes() == b.messages + 1,
                  "LUCKY HAND once");
            check(v.on(Ctl::tdie) && !v.on(Ctl::cmdmove) && !v.on(Ctl::cmdshuffle),
                  "the extra throw starts");
        } else {
            check(v.boxes() == b.messages, "a box after a roll other than six");
            check(!v.on(Ctl::tdie) && v.on(Ctl::cmdmove) && v.focus == controlName({Ctl::cmdmove}),
                  "Move waits");
        }
    }

    void animated(const Before& b) {
        const CheckingView& v = *view_;
        check(s_.dcount == b.s.dcount + 1 && s_.scr == b.s.scr && v.boxes() == b.messages,
              "an animation tick");
        check(v.at({Ctl::lscr}).caption == numberCaption(b.s.dcount % 6 + 1),
              "the animation's caption");
        const int r = b.s.dcount % 6;
        faceShown(r == 0 ? 6 : r);
    }

    // The step onto square 100: ranked, listed, and out of the rotation.
    void finished(const Before& b) {
        const CheckingView& v = *view_;
        const int t = b.s.turn, k = s_.nwin - 1;
        check(s_.nwin == b.s.nwin + 1 && k <= 2, "one finisher at a time, three at most");
        check(b.s.pos[at(t)] == 100 && b.s.stp <= b.s.scr, "a finish off square 100");
        check(s_.lastplr == b.s.lastplr - 1, "the finisher leaves the rotation");
        check(v.shown[at(kFirst + k)] == b.shown[at(kFirst + k)] + 1,
              "the finisher's rank message");
        const int player = slot_[at(t)];
        ranked_[at(k)] = player;
        for (int r = 0; r <= k; ++r) {
            const test::ControlState& name = v.at({Ctl::lwnr, r});
            const test::ControlState& icon = v.at({Ctl::Pwnr, r});
            check(name.visible && name.caption == names_[at(ranked_[at(r)])],
                  "the winners' names in rank order");
            check(icon.visible && icon.picture == kFigure[ranked_[at(r)]],
                  "the winners' icons in rank order");
        }
        for (int j = t; j <= s_.lastplr; ++j) {
            slot_[at(j)] = slot_[at(j + 1)];
            check(s_.pos[at(j)] == b.s.pos[at(j + 1)],
                  "a player behind the finisher keeps its square");
        }
    }

    void walked(const Before& b) {
        const CheckingView& v = *view_;
        if (v.on(Ctl::tmov)) {  // a step of the walk
            check(b.s.stp <= b.s.scr && s_.stp == b.s.stp + 1 && s_.turn == b.s.turn,
                  "a step of the walk");
            check(s_.pos[at(s_.turn)] == b.s.pos[at(s_.turn)] + 1, "one square per step");
            return;
        }
        const int t = b.s.turn;
        if (s_.nwin == b.s.nwin) {  // the landing tick: snake, ladder, then the others go back
            check(b.s.stp == b.s.scr + 1, "a landing before the last step");
            int square = b.s.pos[at(t)] - 1;
            for (std::size_t i = 0; i < 11; ++i)
                square = board::kHead[i] == square ? board::kTail[i] : square;
            for (std::size_t i = 0; i < 11; ++i)
                square = board::kFoot[i] == square ? board::kTop[i] : square;
            check(s_.pos[at(t)] == square + 1, "where the walk ends");
            for (int j = 0; j <= s_.lastplr; ++j) {
                const int was = b.s.pos[at(j)];
                check(j == t || s_.pos[at(j)] == (was == square + 1 ? 1 : was),
                      "a token sent back, or not");
            }
        }
        const int next =
            s_.nwin != b.s.nwin ? (t <= s_.lastplr ? t : 0) : (t + 1) % (s_.lastplr + 1);
        check(s_.turn == next, "the turn passes to the next player");
        check(v.focus == controlName({Ctl::cmdshuffle}) && v.at({Ctl::Strn}).visible,
              "the board waits for the next throw");
        const test::ControlState& marker = v.at({Ctl::Strn});
        const test::ControlState& token = v.at({Ctl::plr, s_.turn});
        check(token.visible && marker.left == token.left && marker.top == token.top,
              "the marker on the token");
    }

    // What holds whenever no handler runs.
    void between() const {
        const CheckingView& v = *view_;
        check(s_.lastplr >= 0 && s_.lastplr <= 3 && s_.lastplr == players_ - 1 - s_.nwin,
              "lastplr");
        check(s_.turn >= 0 && s_.turn <= s_.lastplr, "the turn of a player out of play");
        check(s_.dcount >= 1 && s_.dcount <= 11, "dcount");
        check(v.at({Ctl::Picptr}).top == v.at({Ctl::pictrn, s_.turn}).top,
              "the pointer at the player to move");
        const bool shuffle = v.on(Ctl::cmdshuffle), dieRuns = v.on(Ctl::tdie),
                   move = v.on(Ctl::cmdmove), walks = v.on(Ctl::tmov);
        check(shuffle + dieRuns + move + walks == 1,
              "exactly one of Shuffle, tdie, Move, tmov is on");
        if (shuffle) check(s_.scr == 0, "a total left before the throw");
        if (dieRuns) check(s_.scr == 0 || s_.scr == 6, "a total during the throw");
        if (move || walks) check(s_.scr >= 1 && s_.scr <= 11 && s_.scr != 6, "a total of one turn");
        if (walks) check(s_.stp >= 1 && s_.stp <= s_.scr + 1, "a walk past its steps");
        for (int j = 0; j <= s_.lastplr; ++j) {
            const int p = s_.pos[at(j)];
            check(p >= 1 && p <= 100, "a position code left 1..100 between ticks");
            const test::ControlState& token = v.at({Ctl::plr, j});
            check(token.picture == kFigure[slot_[at(j)]] &&
                      v.at({Ctl::pictrn, j}).picture == token.picture &&
                      v.at({Ctl::Lp, j}).caption == names_[at(slot_[at(j)])],
                  "a slot's token, icon and name belong to one player");
            if (p >= 2) {
                const test::ControlState& sq = v.at({Ctl::Lpos, p - 2});
                check(token.left == (sq.width / 2 + sq.left) - token.width / 2 &&
                          token.top == (sq.height / 2 + sq.top) - token.height / 2,
                      "a token drawn away from its square");
            }
            for (int q = j + 1; shuffle && q <= s_.lastplr; ++q) {
                check(p == 1 || p != s_.pos[at(q)], "two tokens on one square");
            }
        }
    }

    Bytes in_;
    BoardState s_;
    test::ScriptedDie die_ = fuzzDie();
    std::unique_ptr<CheckingView> view_;
    std::unique_ptr<BoardRules> rules_;
    bool over_ = false;
    int players_ = 2;
    int lastRoll_ = 0;
    std::array<std::string, 4> names_;
    std::array<int, 4> slot_{};    // the player (0..3, in set-up order) in each slot
    std::array<int, 3> ranked_{};  // the player of each rank
};

}  // namespace
}  // namespace kivo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kivo::fuzz::Session({data, size}).run();
    return 0;
}
