#include "Form1Window.h"

#include <algorithm>

#include "Form1Layout.h"
#include "SharedPictures.h"
#include "Shell.h"

// The pictures are compiled into this library; a static library must ask for them.
static void loadForm1Pictures() {
    Q_INIT_RESOURCE(Form1);
}

namespace kivo::ui {

namespace L = kivo::layout::form1;

namespace {

const QString kFigures[] = {
    QStringLiteral(":/Form1/figure-green.svg"), QStringLiteral(":/Form1/figure-red.svg"),
    QStringLiteral(":/Form1/figure-blue.svg"), QStringLiteral(":/Form1/figure-magenta.svg")};

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

Form1Window::Form1Window(WindowObject& owner) : FormWindow(owner, L::kForm) {
    loadForm1Pictures();
    shared::loadPictures();
    // Creation order is stacking order: squares, markers, lines, the other drawn items, then
    // the turn marker, the picture boxes, the die and the buttons on top.
    buildBoard();
    buildPanel();
    const L::Design die = L::design({Ctl::f, 1});
    f = new DieFaces(this, die.rect, die.back);
    buildButtons();
    tdie = new Timer(this, L::kTdieInterval);
    tmov = new Timer(this, L::kTmovInterval);
}

void Form1Window::buildBoard() {
    for (int n = 1; n <= 100; ++n) {
        const L::Design d = L::design({Ctl::Lpos, n - 1});
        Lpos[n - 1] = new Label(this, d.rect, L::kSquareLook, qs(d.caption));
        Lpos[n - 1]->setBackColor(d.back);
    }
    const Picture snakeSign = shell().pictures().get(QStringLiteral(":/Form1/snake-sign.svg"));
    const Picture ladderSign = shell().pictures().get(shared::kLadderSign);
    for (int i = 0; i < 11; ++i) {
        imsnk[i] = new Image(this, L::snakeMarker(i), snakeSign);
        Imldr[i] = new Image(this, L::ladderMarker(i), ladderSign);
    }
    for (int i = 0; i < 11; ++i) {
        snk[i] = new Line(this, L::kSnakeLines[i], L::kSnakeLineColor, L::kSnakeLadderLinePx);
        snk[i]->hide();
    }
    for (int i = 0; i < 11; ++i) {
        ldr[i] = new Line(this, L::kLadderLines[i], L::kLadderLineColor, L::kSnakeLadderLinePx);
        ldr[i]->hide();
    }
}

void Form1Window::buildPanel() {
    Pictures& pictures = shell().pictures();
    Lstart = new Label(this, L::kLstart);
    Picptr = new Image(this, L::design({Ctl::Picptr}).rect,
                       pictures.get(QStringLiteral(":/Form1/pointer.svg")));
    for (int i = 0; i < 4; ++i) {
        const L::Design d = L::design({Ctl::Lp, i});
        Lp[i] = new Label(this, d.rect, L::kLpLook, qs(d.caption), L::kBoardLeft - d.rect.left);
        Lp[i]->setVisible(d.visible);
    }
    Line1 = new Line(this, L::kLine1, layout::kWindowText, L::kLine1Px);
    Label1 = new Label(this, L::kLabel1);
    for (int k = 0; k < 3; ++k) {
        const L::Design place = L::design({Ctl::Lplc, k});
        Lplc[k] = new Label(this, place.rect, L::kLplcLook, qs(place.caption));
        Lplc[k]->setVisible(place.visible);
        const L::Design name = L::design({Ctl::lwnr, k});
        lwnr[k] = new Label(this, name.rect, L::kLwnrLook, qs(name.caption),
                            L::kBoardLeft - name.rect.left);
        lwnr[k]->setVisible(name.visible);
    }
    const L::Design roll = L::design({Ctl::lscr});
    lscr = new Label(this, roll.rect, L::kLscrLook, qs(roll.caption));
    Label2 = new Label(this, L::kLabel2);

    const L::Design marker = L::design({Ctl::Strn});
    Strn = new Shape(this, marker.rect,
                     {.filled = true,
                      .fill = marker.back,
                      .border = L::kMarkerColor,
                      .borderPx = L::kMarkerBorderPx});

    for (int i = 0; i < 4; ++i) {
        const L::Design d = L::design({Ctl::pictrn, i});
        pictrn[i] = new PictureBox(this, d.rect, d.back, pictures.get(kFigures[i]),
                                   /*sizedToPicture=*/true);
        pictrn[i]->setVisible(d.visible);
    }
    for (int k = 0; k < 3; ++k) {
        const L::Design d = L::design({Ctl::Pwnr, k});
        Pwnr[k] = new PictureBox(
            this, d.rect, d.back,
            k == 0 ? pictures.get(QStringLiteral(":/Form1/binoculars.svg")) : Picture(),
            /*sizedToPicture=*/true);
        Pwnr[k]->setVisible(d.visible);
    }
    for (int i = 0; i < 4; ++i) {
        const L::Design d = L::design({Ctl::plr, i});
        plr[i] = new PictureBox(this, d.rect, d.back, pictures.get(kFigures[i]));
        plr[i]->setVisible(d.visible);
    }
}

void Form1Window::buildButtons() {
    auto make = [&](Ctl kind) {
        const L::Design d = L::design({kind});
        const auto tab = static_cast<int>(std::ranges::find(L::kTabOrder, kind) - L::kTabOrder);
        auto* b = new Button(
            this, {d.rect, d.caption.c_str(), L::kButtonFont, d.back, L::kButtonFore, tab});
        b->setEnabled(d.enabled);
        return b;
    };
    cmdmove = make(Ctl::cmdmove);
    cmdshuffle = make(Ctl::cmdshuffle);
    Cmdexit = make(Ctl::Cmdexit);
    orderTabs();
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
        case Ctl::f: return *f;
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

Label* Form1Window::label(ControlRef c) const {
    return dynamic_cast<Label*>(&control(c));
}

PictureBox* Form1Window::pictureBox(ControlRef c) const {
    return dynamic_cast<PictureBox*>(&control(c));
}

}  // namespace kivo::ui
