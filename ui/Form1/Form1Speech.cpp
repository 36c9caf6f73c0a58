#include "Form1Speech.h"

#include "Form1Layout.h"
#include "Form1Window.h"
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

}  // namespace

void describeBoard(Form1Window& b) {
    for (int n = 1; n <= 100; ++n) b.Lpos[n - 1]->setAccessibleName(squareName(n));
    for (int face = 1; face <= 6; ++face)
        b.f[face]->setAccessibleName(QStringLiteral("Die: %1").arg(face));
    for (int i = 0; i < 4; ++i) describe(b, {Ctl::plr, i});
    describe(b, {Ctl::lscr});
}

// Tokens by their player's name and square, the roll display by the total, the winners by
// place and name.
void describe(Form1Window& b, ControlRef c) {
    switch (c.kind) {
        case Ctl::Lp: describe(b, {Ctl::plr, c.index}); break;
        case Ctl::plr: {
            const TwipsRect r = b.plr[c.index]->twips();
            const int n = L::squareAt(r.left + r.width / 2, r.top + r.height / 2);
            const QString where =
                n ? QStringLiteral("on square %1").arg(n) : QStringLiteral("at the start");
            b.plr[c.index]->setAccessibleName(b.Lp[c.index]->caption() + QLatin1Char(' ') + where);
            break;
        }
        case Ctl::lscr: {
            const QString total = b.lscr->caption().trimmed();
            b.lscr->setAccessibleName(total == QLatin1String("??")
                                          ? QStringLiteral("Roll: not thrown yet")
                                          : QStringLiteral("Roll total: ") + total);
            break;
        }
        case Ctl::lwnr:
            b.lwnr[c.index]->setAccessibleName(
                QStringLiteral("Place %1: %2").arg(c.index + 1).arg(b.lwnr[c.index]->caption()));
            break;
        default: break;
    }
}

}  // namespace kivo::ui
