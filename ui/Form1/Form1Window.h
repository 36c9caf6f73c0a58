#pragma once
// The board window's screen window: every control of its layout, built from the layout data,
// by the names the rules use.

#include <array>

#include "Button.h"
#include "Controls.h"
#include "DieFaces.h"
#include "Label.h"
#include "PictureBox.h"
#include "Shape.h"
#include "Timer.h"
#include "Window.h"

namespace kivo::ui {

class Form1Window : public FormWindow {
public:
    explicit Form1Window(WindowObject& owner);

    // The control a rule names; the six die faces f1..f6 are one control.
    Control& control(ControlRef c) const;
    Label* label(ControlRef c) const;
    PictureBox* pictureBox(ControlRef c) const;
    Timer& timer(Ctl kind) const { return kind == Ctl::tdie ? *tdie : *tmov; }

    std::array<Label*, 100> Lpos{};
    std::array<Image*, 11> imsnk{}, Imldr{};
    std::array<Line*, 11> snk{}, ldr{};
    std::array<PictureBox*, 4> plr{}, pictrn{};
    Shape* Strn = nullptr;
    Label* Lstart = nullptr;
    Image* Picptr = nullptr;
    std::array<Label*, 4> Lp{};
    Line* Line1 = nullptr;
    Label* Label1 = nullptr;
    std::array<Label*, 3> Lplc{}, lwnr{};
    std::array<PictureBox*, 3> Pwnr{};
    DieFaces* f = nullptr;  // f1..f6
    Label* lscr = nullptr;
    Button* cmdmove = nullptr;
    Button* cmdshuffle = nullptr;
    Button* Cmdexit = nullptr;
    Label* Label2 = nullptr;
    Timer* tdie = nullptr;
    Timer* tmov = nullptr;

private:
    void buildBoard();
    void buildPanel();
    void buildButtons();
};

}  // namespace kivo::ui
