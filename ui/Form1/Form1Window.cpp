#include "Form1Window.h"

#include "Fonts.h"
#include "Form1Layout.h"
#include "MessageBox.h"
#include "Process.h"

// The pictures are compiled into this library; a static library must ask for them.
static void loadForm1Pictures() { Q_INIT_RESOURCE(Form1); }

namespace kivo::ui {

namespace L = kivo::form1;

namespace {

const char* const kFigures[] = {"green", "red", "blue", "magenta"};

Picture figure(int player) {
    return Picture(QStringLiteral(":/Form1/figure-%1.svg").arg(QLatin1String(kFigures[player])));
}

TwipsRect twips(const L::Rect& r) { return {r.left, r.top, r.width, r.height}; }

QFont qfont(const L::Font& f) { return layoutFont(f.family, f.points, f.bold, f.italic); }

LabelStyle labelStyle(const L::LabelLook& look, float maxWidth = 0) {
    LabelStyle s;
    s.fore = look.fore;
    s.back = look.back;
    s.opaque = look.opaque;
    s.font = qfont(look.font);
    s.align = look.align == L::Align::Center ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop);
    s.autoSize = look.autoSize;
    s.border = look.border;
    s.maxWidth = maxWidth;
    return s;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Names and winners are sized to their text, but stop at the board's edge.
constexpr float kPanelEdge = 3480;

}  // namespace

Form1Window::Form1Window(WindowObject& owner, BoardState& state, DieSource& die)
    : FormWindow(owner, L::kFormBack), rules_(state, *this, die) {
    installFonts();
    loadForm1Pictures();
    setWindowTitle(QStringLiteral("Form1"));
    setWindowIcon(Picture(QStringLiteral(":/Form1/window-icon.svg"))
                      .icon(QStringLiteral(":/Form1/window-icon-16.svg")));
    resize(px(L::kFormWidth), px(L::kFormHeight));
    // Creation order is stacking order: squares, markers, lines, the other drawn items, then
    // the turn marker, the picture boxes, the die frames and the buttons on top.
    buildBoard();
    buildPanel();
    buildDie();
    buildButtons();
    for (int i = 0; i < 4; ++i) describe({Ctl::plr, i});
    describe({Ctl::lscr});
    tdie = new Timer(this, L::kTdieInterval, [this] { rules_.tdie_Timer(); });
    tmov = new Timer(this, L::kTmovInterval, [this] { rules_.tmov_Timer(); });
}

void Form1Window::buildBoard() {
    const LabelStyle square = labelStyle(L::kSquareLook);
    for (int n = 1; n <= 100; ++n) {
        const L::Design d = L::design({Ctl::Lpos, n - 1});
        auto* sq = new Label(this, twips(d.rect), square, qs(d.caption));
        sq->setBackColor(d.back);
        sq->setAccessibleName(qs(L::squareDescription(n)));
        Lpos[n - 1] = sq;
    }
    const Picture snakeSign(QStringLiteral(":/Form1/snake-sign.svg"));
    const Picture ladderSign(QStringLiteral(":/Form1/ladder-sign.svg"));
    for (int i = 0; i < 11; ++i) {
        imsnk[i] = new Image(this, twips(L::snakeMarker(i)), snakeSign);
        Imldr[i] = new Image(this, twips(L::ladderMarker(i)), ladderSign);
    }
    for (int i = 0; i < 11; ++i) {
        const L::Segment& s = L::kSnakeLines[i];
        snk[i] = new Line(this, s.x1, s.y1, s.x2, s.y2, L::kSnakeLineColor, L::kSnakeLadderLinePx);
        snk[i]->hide();
    }
    for (int i = 0; i < 11; ++i) {
        const L::Segment& s = L::kLadderLines[i];
        ldr[i] = new Line(this, s.x1, s.y1, s.x2, s.y2, L::kLadderLineColor, L::kSnakeLadderLinePx);
        ldr[i]->hide();
    }
}

void Form1Window::buildPanel() {
    Lstart = new Label(this, twips(L::kLstart), labelStyle(L::kLstartLook), QStringLiteral("Start ->"));
    const L::Design ptr = L::design({Ctl::Picptr});
    Picptr = new Image(this, twips(ptr.rect), Picture(QStringLiteral(":/Form1/pointer.svg")));
    for (int i = 0; i < 4; ++i) {
        const L::Design d = L::design({Ctl::Lp, i});
        Lp[i] = new Label(this, twips(d.rect), labelStyle(L::kLpLook, kPanelEdge - d.rect.left),
                          qs(d.caption));
        Lp[i]->setVisible(d.visible);
    }
    const L::Segment& rule = L::kLine1;
    Line1 = new Line(this, rule.x1, rule.y1, rule.x2, rule.y2, L::kWindowText, L::kLine1Px);
    Label1 = new Label(this, twips(L::kWinnersLabel), labelStyle(L::kWinnersLook),
                       QStringLiteral("Winners:"));
    for (int k = 0; k < 3; ++k) {
        const L::Design place = L::design({Ctl::Lplc, k});
        Lplc[k] = new Label(this, twips(place.rect), labelStyle(L::kLplcLook), qs(place.caption));
        Lplc[k]->setVisible(place.visible);
        const L::Design name = L::design({Ctl::lwnr, k});
        lwnr[k] = new Label(this, twips(name.rect), labelStyle(L::kLwnrLook, kPanelEdge - name.rect.left),
                            qs(name.caption));
        lwnr[k]->setVisible(name.visible);
    }
    const L::Design roll = L::design({Ctl::lscr});
    lscr = new Label(this, twips(roll.rect), labelStyle(L::kLscrLook), qs(roll.caption));
    Label2 = new Label(this, twips(L::kCredit), labelStyle(L::kCreditLook),
                       QString::fromLatin1(L::kCreditText));

    const L::Design marker = L::design({Ctl::Strn});
    ShapeStyle ms;
    ms.filled = true;
    ms.fill = L::kMarkerColor;
    ms.border = L::kMarkerColor;
    ms.borderPx = L::kMarkerBorderPx;
    Strn = new Shape(this, twips(marker.rect), ms);

    for (int i = 0; i < 4; ++i) {
        const L::Design d = L::design({Ctl::pictrn, i});
        pictrn[i] = new PictureBox(this, twips(d.rect), d.back, figure(i));
        pictrn[i]->setVisible(d.visible);
    }
    for (int k = 0; k < 3; ++k) {
        const L::Design d = L::design({Ctl::Pwnr, k});
        Pwnr[k] = new PictureBox(this, twips(d.rect), d.back,
                                 k == 0 ? Picture(QStringLiteral(":/Form1/binoculars.svg"))
                                        : Picture());
        Pwnr[k]->setVisible(d.visible);
    }
    for (int i = 0; i < 4; ++i) {
        const L::Design d = L::design({Ctl::plr, i});
        plr[i] = new PictureBox(this, twips(d.rect), d.back, figure(i));
        plr[i]->setVisible(d.visible);
    }
}

void Form1Window::buildDie() {
    ShapeStyle silver;
    silver.filled = true;
    silver.fill = L::kDieSilver;
    silver.border = 0x00000000;
    ShapeStyle pip;
    pip.circle = true;
    pip.filled = true;
    pip.fill = 0x00000000;
    pip.bordered = false;
    for (int face = 1; face <= 6; ++face) {
        const L::Design d = L::design({Ctl::f, face});
        f[face] = new Frame(this, twips(d.rect), d.back);
        new Shape(f[face], twips(L::kDieSquare), silver);
        for (const L::Pip& p : L::pips(face)) {
            new Shape(f[face], {p.left, p.top, L::kPipSize, L::kPipSize}, pip);
        }
        f[face]->setAccessibleName(QStringLiteral("Die: %1").arg(face));
        f[face]->hide();
    }
}

void Form1Window::buildButtons() {
    const QFont bf = qfont(L::kButtonFont);
    // The layout leaves the captions' colour to the platform; light text reads on dark grey.
    constexpr std::uint32_t kCaption = 0x00F0F0F0;
    auto make = [&](Ctl kind) {
        const L::Design d = L::design({kind});
        auto* b = new Button(this, twips(d.rect), qs(d.caption), bf, d.back, kCaption);
        b->setEnabled(d.enabled);
        return b;
    };
    cmdmove = make(Ctl::cmdmove);
    cmdshuffle = make(Ctl::cmdshuffle);
    Cmdexit = make(Ctl::Cmdexit);
    cmdshuffle->onClick([this] { rules_.cmdshuffle_Click(); });
    cmdmove->onClick([this] { rules_.cmdmove_Click(); });
    setTabOrder(cmdshuffle, cmdmove);
    setTabOrder(cmdmove, Cmdexit);
    cmdshuffle->setFocus(Qt::OtherFocusReason);  // first in the keyboard order
}

Control& Form1Window::control(ControlRef c) const {
    const int i = c.index;
    switch (c.kind) {
        case Ctl::Lpos: return *Lpos.at(i);
        case Ctl::plr: return *plr.at(i);
        case Ctl::Strn: return *Strn;
        case Ctl::Picptr: return *Picptr;
        case Ctl::pictrn: return *pictrn.at(i);
        case Ctl::Lp: return *Lp.at(i);
        case Ctl::Lplc: return *Lplc.at(i);
        case Ctl::Pwnr: return *Pwnr.at(i);
        case Ctl::lwnr: return *lwnr.at(i);
        case Ctl::f: return *f.at(i);
        case Ctl::lscr: return *lscr;
        case Ctl::snk: return *snk.at(i);
        case Ctl::ldr: return *ldr.at(i);
        case Ctl::cmdmove: return *cmdmove;
        case Ctl::cmdshuffle: return *cmdshuffle;
        case Ctl::Cmdexit: return *Cmdexit;
        case Ctl::tdie:
        case Ctl::tmov: break;
    }
    throw std::out_of_range("not a control with a place: " + controlName(c));
}

Label* Form1Window::label(ControlRef c) const { return dynamic_cast<Label*>(&control(c)); }

PictureBox* Form1Window::pictureBox(ControlRef c) const {
    return dynamic_cast<PictureBox*>(&control(c));
}

std::uint32_t Form1Window::formBackColor() const { return L::kFormBack; }

void Form1Window::setVisible(ControlRef c, bool on) { control(c).widget()->setVisible(on); }

void Form1Window::setEnabled(ControlRef c, bool on) {
    if (c.kind == Ctl::tdie || c.kind == Ctl::tmov) {
        timer(c.kind).setEnabled(on);
    } else {
        QWidget* w = control(c).widget();
        // A button losing the focus as it is disabled would hand it to the next one, and a
        // second Space meant for "Move" would press "Cancel"; the window keeps it instead.
        if (!on && focusWidget() == w) FormWindow::setFocus(Qt::OtherFocusReason);
        w->setEnabled(on);
    }
}

std::string Form1Window::caption(ControlRef c) const {
    return label(c)->caption().toStdString();
}

void Form1Window::setCaption(ControlRef c, const std::string& text) {
    label(c)->setCaption(qs(text));
    describe(c);
    if (c.kind == Ctl::Lp) describe({Ctl::plr, c.index});
}

void Form1Window::setLeft(ControlRef c, float twips) {
    control(c).setLeft(twips);
    describe(c);
}

void Form1Window::setTop(ControlRef c, float twips) {
    control(c).setTop(twips);
    describe(c);
}

// Tokens by their player's name and square, the roll display by the total, the winners by
// place and name.
void Form1Window::describe(ControlRef c) {
    switch (c.kind) {
        case Ctl::plr: {
            const TwipsRect r = plr[c.index]->twips();
            const int n = L::squareAt(r.left + r.width / 2, r.top + r.height / 2);
            const QString where = n ? QStringLiteral("on square %1").arg(n) : QStringLiteral("at the start");
            plr[c.index]->setAccessibleName(Lp[c.index]->caption() + QLatin1Char(' ') + where);
            break;
        }
        case Ctl::lscr: {
            const QString total = lscr->caption().trimmed();
            lscr->setAccessibleName(total == QLatin1String("??") ? QStringLiteral("Roll: not thrown yet")
                                                                 : QStringLiteral("Roll total: ") + total);
            break;
        }
        case Ctl::lwnr:
            lwnr[c.index]->setAccessibleName(
                QStringLiteral("Place %1: %2").arg(c.index + 1).arg(lwnr[c.index]->caption()));
            break;
        default:
            break;
    }
}

void Form1Window::copyPicture(ControlRef to, ControlRef from) {
    pictureBox(to)->setPicture(pictureBox(from)->picture());
}

void Form1Window::setFocus(ControlRef c) { control(c).widget()->setFocus(Qt::OtherFocusReason); }

void Form1Window::msgBox(const std::string& prompt, int style, const std::string& title) {
    messageBox(qs(prompt), style, qs(title));
}

void Form1Window::endProcess() { End(); }

}  // namespace kivo::ui
