// The die: "Shuffle", ten animation ticks, the roll, and "Move".
#include <array>

#include "BoardRules.h"
#include "Messages.h"

namespace kivo {

namespace {
// The animation only ever writes " 1" to " 6": made once, not on every tick.
const std::array<std::string, 6> kSpinCaptions{" 1", " 2", " 3", " 4", " 5", " 6"};
}  // namespace

std::string numberCaption(int n) {
    std::string caption(1, ' ');
    caption += std::to_string(n);
    return caption;
}

void BoardRules::cmdshuffle_Click() {
    if (ended_) return;
    v_.setEnabled({Ctl::cmdshuffle}, false);
    v_.setEnabled({Ctl::tdie}, true);
}

void BoardRules::tdie_Timer() {
    if (ended_) return;
    if (s_.dcount <= 10) {
        const int r = s_.dcount % 6;
        v_.setCaption({Ctl::lscr}, kSpinCaptions[static_cast<std::size_t>(r)]);
        showFace(r == 0 ? 6 : r);
        s_.dcount = static_cast<Small>(s_.dcount + 1);
    } else {
        s_.dcount = 1;
        v_.setEnabled({Ctl::tdie}, false);
        v_.setEnabled({Ctl::cmdmove}, true);
        v_.setFocus({Ctl::cmdmove});
        rolldie();
    }
}

void BoardRules::rolldie() {
    Small v = 0;
    do {  // a value equal to the last roll is thrown away without a trace
        die_.reseed();
        v = static_cast<Small>(dieValue(die_.next()));
    } while (v == s_.prevroll);
    s_.prevroll = v;
    s_.scr = static_cast<Small>(s_.scr + v);
    v_.setCaption({Ctl::lscr}, numberCaption(s_.scr));
    showFace(v);
    news_.thrown(v, s_.scr);
    if (v == 6) {  // a six earns one more throw, added to this one
        showMessage(v_, kLuckyHand);
        // "Move" waits for the extra throw: walking now would walk a half-thrown total.
        v_.setEnabled({Ctl::cmdmove}, false);
        cmdshuffle_Click();
    }
}

void BoardRules::cmdmove_Click() {
    if (ended_) return;
    s_.stp = 1;
    walkFrom_ = square(s_.turn);
    v_.setEnabled({Ctl::tmov}, true);
    v_.setEnabled({Ctl::cmdmove}, false);
}

// The face with that many pips is shown first, then the other five are hidden, f1 to f6.
void BoardRules::showFace(int pips) {
    v_.setVisible({Ctl::f, pips}, true);
    for (int k = 1; k <= 6; ++k) {
        if (k != pips) v_.setVisible({Ctl::f, k}, false);
    }
}

}  // namespace kivo
