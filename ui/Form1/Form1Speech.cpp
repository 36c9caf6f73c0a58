#include "Form1Speech.h"

#include <algorithm>

#include "Form1Layout.h"
#include "Form1Window.h"
#include "Messages.h"
#include "Tables.h"

namespace kivo::ui {

namespace L = kivo::layout::form1;

namespace {

// "46: snake down to 17", "7: ladder up to 26", "12".
QString squareName(int n) {
    for (int i = 0; i < kSnakes; ++i) {
        if (kSnakeHead[i] == n)
            return QStringLiteral("%1: snake down to %2").arg(n).arg(kSnakeTail[i]);
    }
    for (int i = 0; i < kLadders; ++i) {
        if (kLadderFoot[i] == n)
            return QStringLiteral("%1: ladder up to %2").arg(n).arg(kLadderTop[i]);
    }
    return QString::number(n);
}

const char* const kOrdinal[] = {"first", "second", "third"};

}  // namespace

void BoardSpeech::nameAll() {
    for (int n = 1; n <= 100; ++n) b_.Lpos[n - 1]->setAccessibleName(squareName(n));
    for (int face = 1; face <= 6; ++face)
        b_.f[face]->setAccessibleName(QStringLiteral("Die: %1").arg(face));
    for (int i = 0; i < 4; ++i) changed({Ctl::plr, i});
    // A winner's place is empty until someone takes it, whatever its design caption.
    for (int k = 0; k < 3; ++k)
        b_.lwnr[k]->setAccessibleName(QStringLiteral("Place %1: nobody yet").arg(k + 1));
    changed({Ctl::lscr});
}

// Tokens by their player's name and square, the roll display by the total, the turn pointer by
// the player it points at, the winners by place and name.
void BoardSpeech::changed(ControlRef c) {
    switch (c.kind) {
        case Ctl::Lp: changed({Ctl::plr, c.index}); break;
        case Ctl::plr:
            b_.plr[c.index]->setAccessibleName(name(c.index) + QLatin1Char(' ') + where(c.index));
            break;
        case Ctl::lscr: {
            const QString total = b_.lscr->caption().trimmed();
            const bool thrown = total != QLatin1String("??");
            b_.lscr->setAccessibleName(thrown ? QStringLiteral("Roll total: ") + total
                                              : QStringLiteral("Roll: not thrown yet"));
            // While the die spins the display counts; a total is shown once it stops.
            if (thrown && b_.tdie && !b_.tdie->enabled()) rolled();
            break;
        }
        case Ctl::Picptr: turnPassed(); break;
        case Ctl::lwnr:
            b_.lwnr[c.index]->setAccessibleName(
                QStringLiteral("Place %1: %2").arg(c.index + 1).arg(b_.lwnr[c.index]->caption()));
            break;
        default: break;
    }
}

QString BoardSpeech::name(int slot) const {
    return b_.Lp[slot]->caption();
}

// Read off the board, where the players see the token.
int BoardSpeech::square(int slot) const {
    const TwipsRect r = b_.plr[slot]->twips();
    return L::squareAt(r.left + r.width / 2, r.top + r.height / 2);
}

QString BoardSpeech::where(int slot) const {
    const int n = square(slot);
    return n ? QStringLiteral("on square %1").arg(n) : QStringLiteral("at the start");
}

// "Ann rolled 4"; after a six and the extra throw, "Ann rolled 6 and 3: 9".
void BoardSpeech::rolled() {
    const QString who = name(s_.turn);
    const int first = s_.scr - s_.prevroll;
    b_.cmdmove->setAccessibleDescription(first == 0
                                             ? QStringLiteral("%1 rolled %2").arg(who).arg(s_.scr)
                                             : QStringLiteral("%1 rolled %2 and %3: %4")
                                                   .arg(who)
                                                   .arg(first)
                                                   .arg(s_.prevroll)
                                                   .arg(s_.scr));
}

void BoardSpeech::walkStarts() {
    walk_ = {s_.turn, name(s_.turn), {}, {}, 0};
}

QString BoardSpeech::boxAbout(const std::string& title) {
    const int t = s_.turn;
    const int square = s_.pos[t] - 1;
    if (title == kLuckyHand.title) return name(t) + QStringLiteral(" throws again");
    // A snake or a ladder: the token goes from the square it ended on to the other end.
    auto travel = [&](const auto& from, const auto& to, const char* via, const char* goes) {
        const auto i = std::ranges::find(from, square) - from.begin();
        walk_.via << QStringLiteral("%1 from %2").arg(QLatin1String(via)).arg(square);
        return QStringLiteral("%1 %2 from %3 to %4")
            .arg(name(t), QLatin1String(goes))
            .arg(square)
            .arg(to[static_cast<std::size_t>(i)]);
    };
    if (title == kSnakeBite.title) return travel(s_.snkhd, s_.snktl, "down the snake", "slides");
    if (title == kLadderClimb.title) return travel(s_.ldrft, s_.ldrtp, "up the ladder", "climbs");
    if (title == kCollision.title) {
        // The players on the square go back one box at a time, first slot first.
        for (int j = 0; j <= s_.lastplr; ++j) {
            if (j == t || s_.pos[j] != s_.pos[t] || s_.pos[j] <= 1) continue;
            walk_.sentBack << name(j);
            return name(j) + QStringLiteral(" goes back to the start");
        }
    }
    if (title == kWinner[0].title) {  // every rank's box has this title
        walk_.place = s_.nwin;
        return name(t);
    }
    if (title == kGameOver.title) {
        QStringList order;
        for (int k = 0; k < s_.nwin && k < 3; ++k)
            order << b_.lwnr[k]->caption() + QLatin1Char(' ') + QLatin1String(kOrdinal[k]);
        return order.join(QStringLiteral(", ")) + QStringLiteral("; ") + name(0) +
               QStringLiteral(" last");
    }
    return {};
}

// "Ann moved to 26 up the ladder from 7. Bob's turn, on square 12."
void BoardSpeech::turnPassed() {
    const int t = s_.turn;
    b_.Picptr->setAccessibleName(QStringLiteral("%1's turn").arg(name(t)));
    QString said;
    if (walk_.slot >= 0) {
        if (walk_.place > 0) {
            said = QStringLiteral("%1 reached 100: %2 winner. ")
                       .arg(walk_.name, QLatin1String(kOrdinal[walk_.place - 1]));
        } else {
            said = QStringLiteral("%1 moved to %2").arg(walk_.name).arg(square(walk_.slot));
            if (!walk_.via.isEmpty())
                said += QLatin1Char(' ') + walk_.via.join(QStringLiteral(" and "));
            said += QStringLiteral(". ");
        }
        for (const QString& p : walk_.sentBack)
            said += p + QStringLiteral(" went back to the start. ");
    }
    said += QStringLiteral("%1's turn, %2.").arg(name(t), where(t));
    b_.cmdshuffle->setAccessibleDescription(said);
}

}  // namespace kivo::ui
