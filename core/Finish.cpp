// A token on square 100: the player is ranked, listed among the winners and leaves the
// rotation; the players behind move down one slot. The game ends when one player is left.
#include "BoardRules.h"
#include "Messages.h"

namespace kivo {

void BoardRules::finishPlayer() {
    const int t = s_.turn;
    s_.nwin = static_cast<Small>(s_.nwin + 1);
    const int k = s_.nwin - 1;
    news_.finished(t, s_.nwin);
    if (s_.nwin >= 1 && s_.nwin <= 3) showMessage(v_, kWinner[k]);
    v_.copyPicture({Ctl::Pwnr, k}, {Ctl::pictrn, t});
    v_.setVisible({Ctl::Pwnr, k}, true);
    v_.setVisible({Ctl::lwnr, k}, true);
    v_.setCaption({Ctl::lwnr, k}, v_.caption({Ctl::Lp, t}));
    v_.setVisible({Ctl::pictrn, s_.lastplr}, false);
    v_.setVisible({Ctl::Lp, s_.lastplr}, false);
    for (int j = t; j <= s_.lastplr - 1; ++j) {
        v_.copyPicture({Ctl::plr, j}, {Ctl::plr, j + 1});
        s_.pos[j] = s_.pos[j + 1];
        if (s_.pos[j] >= 2) {
            placeToken(j, s_.pos[j] - 1);
        } else {
            placeAtStart(j);
        }
        v_.setVisible({Ctl::plr, j}, true);
        v_.copyPicture({Ctl::pictrn, j}, {Ctl::pictrn, j + 1});
        v_.setCaption({Ctl::Lp, j}, v_.caption({Ctl::Lp, j + 1}));
    }
    s_.turn = static_cast<Small>(s_.turn - 1);
    v_.setVisible({Ctl::plr, s_.lastplr}, false);
    s_.lastplr = static_cast<Small>(s_.lastplr - 1);
}

// Run by passTurn: when all players but one have finished, the last message ends the process.
bool BoardRules::gameOverCheck() {
    if (s_.nwin < s_.plrmax) return false;
    news_.gameOver();
    showMessage(v_, kGameOver);
    ended_ = true;
    v_.endProcess();
    return true;
}

}  // namespace kivo
