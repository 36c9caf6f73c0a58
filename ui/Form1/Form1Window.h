#pragma once
// The board window's screen window: every control of the layout, and the rules' view of them.

#include <array>

#include "BoardRules.h"
#include "Button.h"
#include "Form1Speech.h"
#include "Frame.h"
#include "Label.h"
#include "PictureBox.h"
#include "Shape.h"
#include "Timer.h"
#include "Window.h"

namespace kivo::ui {

class Form1Window : public FormWindow, public BoardView {
public:
    Form1Window(WindowObject& owner, BoardState& state, DieSource& die);
    ~Form1Window() override;

    BoardRules& rules() { return rules_; }

    // BoardView
    float left(ControlRef c) const override { return control(c).twips().left; }
    float top(ControlRef c) const override { return control(c).twips().top; }
    float width(ControlRef c) const override { return control(c).twips().width; }
    float height(ControlRef c) const override { return control(c).twips().height; }
    void setLeft(ControlRef c, float twips) override;
    void setTop(ControlRef c, float twips) override;
    std::uint32_t backColor(ControlRef c) const override { return control(c).backColor(); }
    void setBackColor(ControlRef c, std::uint32_t bgr) override { control(c).setBackColor(bgr); }
    std::uint32_t formBackColor() const override;
    void setVisible(ControlRef c, bool on) override;
    void setEnabled(ControlRef c, bool on) override;
    std::string caption(ControlRef c) const override;
    void setCaption(ControlRef c, const std::string& text) override;
    void copyPicture(ControlRef to, ControlRef from) override;
    void setFocus(ControlRef c) override;
    void msgBox(const std::string& prompt, int style, const std::string& title) override;
    void endProcess() override;

    // The controls, by the names the rules use.
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
    std::array<Frame*, 7> f{};  // f[1]..f[6]
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
    void buildDie();
    void buildButtons();

    BoardRules rules_;
    BoardSpeech speech_;
};

}  // namespace kivo::ui
