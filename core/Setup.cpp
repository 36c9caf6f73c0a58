// A new game on the board window's record, from what the set-up window shows.
#include "BoardRules.h"
#include "Tables.h"

namespace kivo {

void BoardRules::Form_Load(const SetupChoice& setup) {
    if (ended_) return;
    s_.scr = 0;
    s_.snkhd = kSnakeHead;
    s_.snktl = kSnakeTail;
    s_.ldrft = kLadderFoot;
    s_.ldrtp = kLadderTop;
    s_.nwin = 0;
    s_.op2 = setup.op2 ? kTrue : kFalse;
    s_.op3 = setup.op3 ? kTrue : kFalse;
    s_.op4 = setup.op4 ? kTrue : kFalse;
    if (s_.op2) s_.lastplr = 1;
    if (s_.op3) {
        v_.setVisible({Ctl::pictrn, 2}, true);
        v_.setVisible({Ctl::Lp, 2}, true);
        v_.setVisible({Ctl::Lplc, 1}, true);
        s_.lastplr = 2;
    }
    if (s_.op4) {
        v_.setVisible({Ctl::pictrn, 2}, true);
        v_.setVisible({Ctl::Lp, 2}, true);
        v_.setVisible({Ctl::pictrn, 3}, true);
        v_.setVisible({Ctl::Lp, 3}, true);
        v_.setVisible({Ctl::Lplc, 1}, true);
        v_.setVisible({Ctl::Lplc, 2}, true);
        s_.lastplr = 3;
    }
    for (int i = 0; i < 4; ++i) v_.setCaption({Ctl::Lp, i}, setup.names[i]);
    s_.dcount = 1;
    v_.setTop({Ctl::Picptr}, v_.top({Ctl::pictrn, 0}));
    s_.pos[0] = 1;
    s_.pos[3] = 1;
    s_.pos[2] = 1;
    s_.pos[1] = 1;
    s_.turn = 0;
    s_.plrmax = s_.lastplr;
    news_.gameSetUp(s_.lastplr + 1);
}

}  // namespace kivo
