#pragma once
// The rules' view of the board window: each effect the rules ask for, on the screen window's
// controls, and the message boxes and the end of the process through the shell.

#include "BoardView.h"

namespace kivo::ui {

class Form1Window;
class Shell;

class Form1View : public BoardView {
public:
    Form1View(Form1Window& board, Shell& shell) : b_(board), shell_(shell) {}

    float left(ControlRef c) const override;
    float top(ControlRef c) const override;
    float width(ControlRef c) const override;
    float height(ControlRef c) const override;
    void setLeft(ControlRef c, float twips) override;
    void setTop(ControlRef c, float twips) override;
    std::uint32_t backColor(ControlRef c) const override;
    void setBackColor(ControlRef c, std::uint32_t bgr) override;
    std::uint32_t formBackColor() const override;
    void setVisible(ControlRef c, bool on) override;
    void setEnabled(ControlRef c, bool on) override;
    std::string caption(ControlRef c) const override;
    void setCaption(ControlRef c, const std::string& text) override;
    void copyPicture(ControlRef to, ControlRef from) override;
    void setFocus(ControlRef c) override;
    void msgBox(const std::string& prompt, int style, const std::string& title) override;
    void endProcess() override;

private:
    Form1Window& b_;
    Shell& shell_;
};

}  // namespace kivo::ui
