#include "Form1Speech.h"

#include "Form1Window.h"
#include "Notice.h"
#include "Tables.h"

namespace kivo::ui {

using namespace Qt::StringLiterals;

namespace {

QString number(int n) {
    return QString::number(n);
}

// "46: snake down to 17", "7: ladder up to 26", "12".
QString squareName(int n) {
    for (int i = 0; i < kSnakes; ++i) {
        if (kSnakeHead[i] == n) return number(n) + u": snake down to "_s + number(kSnakeTail[i]);
    }
    for (int i = 0; i < kLadders; ++i) {
        if (kLadderFoot[i] == n) return number(n) + u": ladder up to "_s + number(kLadderTop[i]);
    }
    return number(n);
}

QString where(int square) {
    return square == 0 ? QStringLiteral("at the start") : u"on square "_s + number(square);
}

const QString kPlaces[] = {QStringLiteral("first"), QStringLiteral("second"),
                           QStringLiteral("third")};

// A screen reader is told a name only when it changes: each telling is an event on the bus.
void rename(QWidget* w, const QString& name) {
    if (w->accessibleName() != name) w->setAccessibleName(name);
}

}  // namespace

BoardSpeech::BoardSpeech(Form1Window& board, const BoardState& state, Notice& notice)
    : b_(board), s_(state), notice_(notice) {
    for (int n = 1; n <= 100; ++n) b_.Lpos[n - 1]->setAccessibleName(squareName(n));
    // A winner's place is empty until someone takes it, whatever its design caption.
    for (int k = 0; k < 3; ++k) {
        b_.lwnr[k]->setAccessibleName(u"Place "_s + number(k + 1) + u": nobody yet"_s);
    }
    b_.lscr->setAccessibleName(QStringLiteral("Roll: not thrown yet"));
}

// Names are said as the board shows them: every character as typed, control characters as
// their symbols, nothing substituted.
QString BoardSpeech::name(int slot) const {
    return shownText(b_.Lp[slot]->caption());
}

void BoardSpeech::nameTokens() {
    for (int p = 0; p <= s_.lastplr; ++p) rename(b_.plr[p], name(p) + u' ' + where(s_.pos[p] - 1));
}

void BoardSpeech::gameSetUp(int) {
    nameTokens();
    rename(b_.Picptr, name(0) + u"'s turn"_s);
    notice_.tell(name(0) + u"'s turn, "_s + where(0) + u'.');
}

// "Ann rolled 4"; after a six and the extra throw, "Ann rolled 6 and 3: 9". The die and the
// roll display are named once the throw has settled, not at every spin.
void BoardSpeech::thrown(int value, int total) {
    const int first = total - value;
    rename(b_.f, u"Die: "_s + number(value));
    rename(b_.lscr, u"Roll total: "_s + number(total));
    // The six's box takes the focus from "Move" at once: its news comes with the box, and
    // "Move" tells the whole throw once the extra one is in.
    if (value == 6) {
        rename(b_.cmdmove, QStringLiteral("Move"));  // not the last throw's news
        notice_.tell(name(s_.turn) + u" rolled 6 and throws again."_s);
        return;
    }
    rename(b_.cmdmove, first == 0 ? u"Move, "_s + name(s_.turn) + u" rolled "_s + number(value)
                                  : u"Move, "_s + name(s_.turn) + u" rolled "_s + number(first) +
                                        u" and "_s + number(value) + u": "_s + number(total));
}

void BoardSpeech::walkEnded(int slot, int from, int to) {
    walk_ = to == 100
                ? QString()  // the finish is told as it happens
                : name(slot) + u" walked from "_s + (from == 0 ? u"the start"_s : number(from)) +
                      u" to "_s + number(to) + u". "_s;
}

void BoardSpeech::slid(int slot, int head, int tail) {
    notice_.tell(name(slot) + u" slides down the snake from "_s + number(head) + u" to "_s +
                 number(tail) + u'.');
}

void BoardSpeech::climbed(int slot, int foot, int top) {
    notice_.tell(name(slot) + u" climbs the ladder from "_s + number(foot) + u" to "_s +
                 number(top) + u'.');
}

void BoardSpeech::sentBack(int slot, int square) {
    notice_.tell(name(slot) + u", on "_s + number(square) + u", goes back to the start."_s);
}

void BoardSpeech::finished(int slot, int place) {
    notice_.tell(name(slot) + u" reached 100: "_s + kPlaces[place - 1] + u" winner."_s);
    rename(b_.lwnr[place - 1], u"Place "_s + number(place) + u": "_s + name(slot));
}

// "Ann walked from 3 to 7. Bob's turn, at the start."
void BoardSpeech::turnPassed(int slot, int square) {
    nameTokens();
    rename(b_.Picptr, name(slot) + u"'s turn"_s);
    rename(b_.cmdshuffle,
           u"Shuffle, "_s + walk_ + name(slot) + u"'s turn, "_s + where(square) + u'.');
}

// "Game over: Ann first, Cid second; Bob last."
void BoardSpeech::gameOver() {
    QString order;
    for (int k = 0; k < s_.nwin && k < 3; ++k) {
        if (k > 0) order += u", "_s;
        order += shownText(b_.lwnr[k]->caption()) + u' ' + kPlaces[k];
    }
    notice_.tell(u"Game over: "_s + order + u"; "_s + name(0) + u" last."_s);
}

}  // namespace kivo::ui
