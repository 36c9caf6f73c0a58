// Where a walk ends: snakes first, then ladders, then every other token on the square.
#include "BoardRules.h"
#include "Messages.h"
#include "Tables.h"

namespace kivo {

void BoardRules::applyLandingRules() {
    const int t = s_.turn;
    for (int i = 0; i < kSnakes; ++i) {
        if (s_.snkhd[i] == s_.pos[t] - 1) {
            v_.setVisible({Ctl::snk, i}, true);
            news_.slid(t, s_.snkhd[i], s_.snktl[i]);
            showMessage(v_, kSnakeBite);
            s_.pos[t] = s_.snktl[i];
            placeToken(t, s_.snktl[i]);
            s_.pos[t] = static_cast<Small>(s_.pos[t] + 1);
            v_.setVisible({Ctl::snk, i}, false);
        }
    }
    for (int i = 0; i < kLadders; ++i) {
        if (s_.ldrft[i] + 1 == s_.pos[t]) {
            v_.setVisible({Ctl::ldr, i}, true);
            news_.climbed(t, s_.ldrft[i], s_.ldrtp[i]);
            showMessage(v_, kLadderClimb);
            s_.pos[t] = s_.ldrtp[i];
            placeToken(t, s_.ldrtp[i]);
            s_.pos[t] = static_cast<Small>(s_.pos[t] + 1);
            v_.setVisible({Ctl::ldr, i}, false);
        }
    }
    for (int j = 0; j <= s_.lastplr; ++j) {
        if (j != t && s_.pos[j] == s_.pos[t] && s_.pos[j] > 1) {
            news_.sentBack(j, square(j));
            showMessage(v_, kCollision);
            placeAtStart(j);
            s_.pos[j] = 1;
        }
    }
}

}  // namespace kivo
