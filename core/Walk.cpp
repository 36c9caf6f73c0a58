// The walk: one square per tick of tmov, then the landing or the finish, then the next turn.
#include "BoardRules.h"

namespace kivo {

void BoardRules::tmov_Timer() {
    if (ended_) return;
    const int t = s_.turn;
    if (s_.stp <= s_.scr) {
        v_.setVisible({Ctl::Strn}, false);  // the marker hides while the token walks
        placeToken(t, s_.pos[t]);
        v_.setVisible({Ctl::plr, t}, true);
        s_.pos[t] = static_cast<Small>(s_.pos[t] + 1);
        s_.stp = static_cast<Small>(s_.stp + 1);
        if (s_.pos[t] == 101) {  // on square 100: finished, whatever steps remain
            news_.walkEnded(t, walkFrom_, 100);
            finishPlayer();
            passTurn();
        }
    } else {
        news_.walkEnded(t, walkFrom_, square(t));
        applyLandingRules();
        passTurn();
    }
}

// The token is centred on square n and takes the square's colour.
void BoardRules::placeToken(int p, int n) {
    const ControlRef sq{Ctl::Lpos, n - 1};
    const ControlRef token{Ctl::plr, p};
    v_.setBackColor(token, v_.backColor(sq));
    v_.setLeft(token, (v_.width(sq) / 2 + v_.left(sq)) - v_.width(token) / 2);
    v_.setTop(token, (v_.height(sq) / 2 + v_.top(sq)) - v_.height(token) / 2);
}

// Left of square 1, a gap of 100 twips, 50 below its top; every waiting token shares it.
void BoardRules::placeAtStart(int p) {
    const ControlRef first{Ctl::Lpos, 0};
    const ControlRef token{Ctl::plr, p};
    v_.setBackColor(token, v_.formBackColor());
    v_.setLeft(token, v_.left(first) - (v_.width(token) + 100));
    v_.setTop(token, v_.top(first) + 50);
}

void BoardRules::passTurn() {
    if (s_.turn <= s_.lastplr) s_.turn = static_cast<Small>(s_.turn + 1);
    if (s_.turn > s_.lastplr) s_.turn = 0;
    const int t = s_.turn;
    v_.setTop({Ctl::Picptr}, v_.top({Ctl::pictrn, t}));
    if (gameOverCheck()) return;
    s_.scr = 0;
    v_.setEnabled({Ctl::tmov}, false);
    news_.turnPassed(t, square(t));
    v_.setEnabled({Ctl::cmdshuffle}, true);
    v_.setFocus({Ctl::cmdshuffle});
    v_.setTop({Ctl::Strn}, v_.top({Ctl::plr, t}));
    v_.setLeft({Ctl::Strn}, v_.left({Ctl::plr, t}));
    v_.setVisible({Ctl::Strn}, true);
    v_.setBackColor({Ctl::plr, t}, v_.backColor({Ctl::Strn}));
    v_.setVisible({Ctl::plr, t}, true);
}

}  // namespace kivo
